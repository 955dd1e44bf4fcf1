// How the program's heap serves an import of a large list: freed memory kept
// for reuse, huge pages, a heap of its own for the importer's second worker.
// Set up by the window and the command line, by xlsdump, and by the
// benchmarks that time them, so that all run on the same heap.
#pragma once

// Call first thing in main(), before any thread starts.
void tuneHeapForOneImport();
