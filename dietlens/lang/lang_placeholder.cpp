// Replaced by the default-language sources.
