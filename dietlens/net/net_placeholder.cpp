// Replaced by the protocol sources.
