// Keeps the resource library non-empty while no resource file is registered yet.
