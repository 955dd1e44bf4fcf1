#pragma once

#include "xls/common/ReadError.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace xls::xlsx {

// A shared string; null for an empty one.
using SharedText = std::shared_ptr<const std::u16string>;

// The shared strings of a workbook as they are read, in chunks that never
// move: one thread adds them while another looks up those already added.
class SharedStringStore {
public:
    // Holds at most `capacity` strings; no room is taken before they come.
    explicit SharedStringStore(std::size_t capacity);

    // Adds the next string; false when the store is full.
    bool add(SharedText text);
    // No more strings come: whoever waits for one not added stops waiting.
    void close();
    // String `index`, once it is added; null when the store was closed first.
    const SharedText *wait(std::size_t index) const;

private:
    static constexpr std::size_t kChunk = 4096;
    std::vector<std::unique_ptr<std::array<SharedText, kChunk>>> chunks; // sized once
    std::atomic<std::size_t> published{0}; // strings below it may be read
    mutable std::mutex mutex;
    mutable std::condition_variable grown;
    bool closed = false; // under the mutex
};

// Reads a workbook's shared strings on a thread of its own, which starts here
// and ends within finish() or the destructor, while the caller reads the
// sheet: a cell that names a string waits for it. Writers put the strings in
// the order of their first use, so a cell seldom waits.
class SharedStringsBeside {
public:
    // Reads the strings into the store; false with its reason. It ends early,
    // with any reason, once `stop` is set.
    using Read =
        std::function<bool(SharedStringStore &, const std::atomic<bool> &stop, ReadError &)>;

    SharedStringsBeside(std::size_t capacity, Read read);
    ~SharedStringsBeside();
    SharedStringsBeside(const SharedStringsBeside &) = delete;
    SharedStringsBeside &operator=(const SharedStringsBeside &) = delete;

    const SharedText *wait(std::size_t index) const { return store.wait(index); }
    // Asks the reading to end early.
    void stopReading() { stop = true; }
    // Waits for the reading to end; false with its reason. What the reading
    // threw is thrown here.
    bool finish(ReadError &error);

private:
    void run();

    SharedStringStore store;
    Read read;
    std::atomic<bool> stop{false};
    bool readWhole = false;
    ReadError why;
    std::exception_ptr thrown;
    std::thread thread; // last: started once the rest is ready
};

} // namespace xls::xlsx
