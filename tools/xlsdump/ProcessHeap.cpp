#include "ProcessHeap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

// A workbook is read in phases (stream, records, grid, imported table), each
// freeing what the one before needed. Keeping freed memory in the heap lets
// the next phase reuse it instead of faulting in fresh pages; the importer's
// workers allocate from the same heap for the same reason.
void keepFreedMemoryForReuse() {
    constexpr int largestHeapBlock = 32 << 20; // the most glibc allows
    constexpr int keptAtTheTop = 1 << 30;
    mallopt(M_MMAP_THRESHOLD, largestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, keptAtTheTop);
    mallopt(M_ARENA_MAX, 1);
}

// A sheet of 65,536 rows takes some 60 MiB of heap, which 4 KiB pages fault
// in 15,000 times. The heap is grown ahead in one step instead and the kernel
// asked to back it with 2 MiB pages (transparent huge pages, where it offers
// them on request): a few dozen faults.
void growHeapInHugePages() {
    constexpr int heapGrowth = 96 << 20;
    constexpr std::uintptr_t hugePage = 2 << 20;
    constexpr std::size_t firstBlock = 1 << 20; // more than the heap has free at the start
    mallopt(M_TOP_PAD, heapGrowth);
    void *first = std::malloc(firstBlock);
    const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const auto from = (reinterpret_cast<std::uintptr_t>(first) + hugePage - 1) & ~(hugePage - 1);
    if (first && from < top)
        madvise(reinterpret_cast<void *>(from), top - from, MADV_HUGEPAGE);
    std::free(first);
}

} // namespace

void tuneHeapForOneImport() {
    keepFreedMemoryForReuse();
    growHeapInHugePages();
}
