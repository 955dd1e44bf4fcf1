// The compound file reader.
