#include "xls/xlsx/SharedStrings.h"

#include <exception>
#include <system_error>

namespace xls::xlsx {

SharedStringStore::SharedStringStore(std::size_t capacity)
    : chunks((capacity + kChunk - 1) / kChunk) {}

bool SharedStringStore::add(SharedText text) {
    // Only this thread writes the count: its own reading of it needs no order.
    const std::size_t index = published.load(std::memory_order_relaxed);
    const std::size_t chunk = index / kChunk;
    if (chunk == chunks.size())
        return false;
    if (!chunks[chunk])
        chunks[chunk] = std::make_unique<std::array<SharedText, kChunk>>();
    (*chunks[chunk])[index % kChunk] = std::move(text);
    {
        // Under the lock, so that a reader about to wait cannot miss the news.
        const std::lock_guard lock(mutex);
        published.store(index + 1, std::memory_order_release);
    }
    grown.notify_all();
    return true;
}

void SharedStringStore::close() {
    {
        const std::lock_guard lock(mutex);
        closed = true;
    }
    grown.notify_all();
}

const SharedText *SharedStringStore::wait(std::size_t index) const {
    if (index >= published.load(std::memory_order_acquire)) {
        std::unique_lock lock(mutex);
        grown.wait(lock,
                   [&] { return closed || index < published.load(std::memory_order_relaxed); });
        if (index >= published.load(std::memory_order_relaxed))
            return nullptr;
    }
    return &(*chunks[index / kChunk])[index % kChunk];
}

SharedStringsBeside::SharedStringsBeside(std::size_t capacity, Read read)
    : store(capacity), read(std::move(read)) {
    try {
        thread = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        run(); // no thread to be had: the strings are read first, here
    }
}

SharedStringsBeside::~SharedStringsBeside() {
    stop = true;
    if (thread.joinable())
        thread.join();
}

void SharedStringsBeside::run() {
    try {
        readWhole = read(store, stop, why);
    } catch (...) {
        thrown = std::current_exception(); // thrown again by finish(), on the caller's thread
    }
    store.close();
}

bool SharedStringsBeside::finish(ReadError &error) {
    if (thread.joinable())
        thread.join();
    if (thrown)
        std::rethrow_exception(thrown);
    if (!readWhole)
        error = why;
    return readWhole;
}

} // namespace xls::xlsx
