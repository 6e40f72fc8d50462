// mapping
