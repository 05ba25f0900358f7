#pragma once

// Threads and the core. Any core function may run on any thread, and several threads may work at
// once as long as each works on its own objects: the core keeps no mutable state shared between
// threads. What it remembers between calls — the Shift-JIS converters, the found solar terms, the
// element groups of a set of ten-god names — it keeps per thread; the shipped settings are built
// once and never change. Lookups hand back values, never references into such per-thread or static
// slots. One object (settings, a store, an ini file, an editor, a chart board) used by two threads
// at once needs the caller's lock.
