// Replaced by the display sources.
