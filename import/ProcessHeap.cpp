#include "import/ProcessHeap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <thread>

namespace {

constexpr std::uintptr_t hugePage = 2 << 20;

// A workbook is read in phases (stream, records, grid, imported table), each
// freeing what the one before needed. Keeping freed memory in the heap lets
// the next phase reuse it instead of faulting in fresh pages.
void keepFreedMemoryForReuse() {
    constexpr int largestHeapBlock = 32 << 20; // the most glibc allows
    constexpr int keptAtTheTop = 1 << 30;
    mallopt(M_MMAP_THRESHOLD, largestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, keptAtTheTop);
}

// A 2 MiB range of which one page is in use can no longer become a huge
// page: its other 511 fault one by one. Where a heap has had to touch such a
// page, the free space from `at` to the huge page above is set aside, never
// touched beyond its header, so that the heap's next blocks begin on a huge
// page. The blocks are kept (volatile, so that the compiler keeps them too)
// so that no leak checker counts them; they cost address space, not memory.
void *volatile setAside[2] = {nullptr, nullptr};

void setAsideUpTo(std::size_t which, std::uintptr_t at, std::uintptr_t boundary) {
    if (at < boundary && boundary - at <= 2 * hugePage)
        setAside[which] = std::malloc(boundary - at);
}

// A sheet of 65,536 rows takes some 60 MiB of heap, which 4 KiB pages fault
// in 15,000 times. The heap is grown ahead in one step instead and the kernel
// asked to back it with 2 MiB pages (transparent huge pages, where it offers
// them on request): a few dozen faults.
void growHeapInHugePages() {
    constexpr int heapGrowth = 96 << 20;
    constexpr std::size_t firstBlock = 1 << 20; // more than the heap has free at the start
    mallopt(M_TOP_PAD, heapGrowth);
    void *first = std::malloc(firstBlock);
    const auto at = reinterpret_cast<std::uintptr_t>(first);
    const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // malloc has written the header of the free rest behind the block: huge
    // pages begin above it.
    const auto from = (at + firstBlock + hugePage) & ~(hugePage - 1);
    if (!first || from >= top)
        return std::free(first);
    madvise(reinterpret_cast<void *>(from), top - from, MADV_HUGEPAGE);
    std::free(first);
    setAsideUpTo(0, at, from);
}

// The importer fills the table's columns on two cores. Sharing one heap,
// the two workers queue for its lock at every allocation (half a million
// texts), which costs them half their time. So there are two heaps: the
// second is made here, by a thread that ends at once and leaves it free
// for the next thread to start, the importer's worker. glibc maps such a
// heap at a boundary of its largest size (64 MiB on 64-bit systems); the
// kernel is asked to back that span with huge pages too. Were the span
// guessed wrong, the advice would only go to nothing. The heap's header
// lies in its first 2 MiB, which are set aside.
void prepareSecondHeap() {
    constexpr std::uintptr_t heapSpan = std::uintptr_t(64) << 20;
    mallopt(M_ARENA_MAX, 2);
    std::thread([] {
        void *first = std::malloc(64);
        const auto at = reinterpret_cast<std::uintptr_t>(first);
        const auto heap = at & ~(heapSpan - 1);
        if (first) {
            madvise(reinterpret_cast<void *>(heap), heapSpan, MADV_HUGEPAGE);
            setAsideUpTo(1, at, heap + hugePage);
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
