#include "ProcessHeap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <thread>

namespace {

// A workbook is read in phases (stream, records, grid, imported table), each
// freeing what the one before needed. Keeping freed memory in the heap lets
// the next phase reuse it instead of faulting in fresh pages.
void keepFreedMemoryForReuse() {
    constexpr int largestHeapBlock = 32 << 20; // the most glibc allows
    constexpr int keptAtTheTop = 1 << 30;
    mallopt(M_MMAP_THRESHOLD, largestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, keptAtTheTop);
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

// The importer fills the table's columns on two cores. Sharing one heap,
// the two workers queue for its lock at every allocation (half a million
// texts), which costs them half their time. So there are two heaps: the
// second is made here, by a thread that ends at once and leaves it free
// for the next thread to start, the importer's worker. glibc maps such a
// heap at a boundary of its largest size (64 MiB on 64-bit systems); the
// kernel is asked to back that span with huge pages too. Were the span
// guessed wrong, the advice would only go to nothing.
//
// The heap's own header already lies in small pages at its start, so its
// first 2 MiB could never become a huge page: 500 faults where the worker
// begins. What is left of them is set aside, never touched, and the
// worker's allocations begin on the first huge page.
void *setAside = nullptr; // kept, so that no leak checker counts it

void prepareSecondHeap() {
    constexpr std::uintptr_t heapSpan = std::uintptr_t(64) << 20;
    constexpr std::uintptr_t hugePage = 2 << 20;
    mallopt(M_ARENA_MAX, 2);
    std::thread([] {
        void *first = std::malloc(64);
        const auto at = reinterpret_cast<std::uintptr_t>(first);
        const auto heap = at & ~(heapSpan - 1);
        if (first) {
            madvise(reinterpret_cast<void *>(heap), heapSpan, MADV_HUGEPAGE);
            if (at - heap < hugePage)
                setAside = std::malloc(heap + hugePage - at);
        }
        std::free(first);
    }).join();
}

} // namespace

void tuneHeapForOneImport() {
    keepFreedMemoryForReuse();
    growHeapInHugePages();
    prepareSecondHeap();
}
