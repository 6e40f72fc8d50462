// preview
