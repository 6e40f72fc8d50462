// writer
