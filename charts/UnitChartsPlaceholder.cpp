// The chart renderers live in this library.
