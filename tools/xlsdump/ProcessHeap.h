// How a command-line import uses the heap. Shared by xlsdump and the
// benchmark that compares an import with its library limit, so that both
// run on the same heap.
#pragma once

// Call first thing in main(), before any thread starts.
void tuneHeapForOneImport();
