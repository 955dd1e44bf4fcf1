#include "xls/zip/InflateWorker.h"

#include "xls/zip/Inflater.h"

#include <zlib.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace xls {

namespace {

// Four buffers of 128 KiB keep the worker ahead of the parser: smaller ones
// gave back a third of the gain, larger ones little more for twice the
// memory. An entry of 128 KiB compressed inflates to a MiB or more, some
// milliseconds of zlib's time; starting and joining the thread costs 0.2 ms.
constexpr std::size_t kSlotCount = 4;
constexpr std::size_t kSlotSize = 128 * 1024;
constexpr std::uint64_t kWorkerFrom = 128 * 1024;

// The inflated bytes go from the worker to the caller through a ring of a
// few fixed buffers: the worker waits while all are full, the caller while
// all are empty, so memory stays at kSlotCount * kSlotSize whatever the entry.
class Pipe {
public:
    Pipe() : slots_(kSlotCount) {
        for (Slot &slot : slots_)
            slot.bytes.resize(kSlotSize);
    }

    // Worker side: false once the caller has stopped.
    bool put(ByteSpan piece) {
        while (!piece.empty()) {
            if (filling_ == 0 && !waitForFreeSlot())
                return false;
            const std::size_t n = std::min(piece.size(), kSlotSize - filling_);
            std::memcpy(slots_[tail_].bytes.data() + filling_, piece.data(), n);
            filling_ += n;
            piece = piece.subspan(n);
            if (filling_ == kSlotSize)
                publish();
        }
        return true;
    }
    void finish() {
        if (filling_ > 0)
            publish();
        std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_one();
    }

    // Caller side: the next piece, empty once the worker has finished; each
    // piece stays valid until release().
    ByteSpan take() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return filled_ > 0 || finished_; });
        if (filled_ == 0)
            return {};
        return ByteSpan(slots_[head_].bytes.data(), slots_[head_].size);
    }
    void release() {
        std::lock_guard lock(mutex_);
        head_ = (head_ + 1) % slots_.size();
        --filled_;
        changed_.notify_one();
    }
    void stop() {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_one();
    }

private:
    struct Slot {
        std::vector<std::uint8_t> bytes;
        std::size_t size = 0;
    };

    bool waitForFreeSlot() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return filled_ < slots_.size() || stopped_; });
        return !stopped_;
    }
    void publish() {
        std::lock_guard lock(mutex_);
        slots_[tail_].size = filling_;
        tail_ = (tail_ + 1) % slots_.size();
        ++filled_;
        filling_ = 0;
        changed_.notify_one();
    }

    std::vector<Slot> slots_;
    std::mutex mutex_;
    // Both sides wait on it, never at the same time: the worker only while
    // every slot is filled, the caller only while none is.
    std::condition_variable changed_;
    std::size_t head_ = 0;    // the oldest filled slot (caller)
    std::size_t tail_ = 0;    // the slot being filled (worker)
    std::size_t filling_ = 0; // bytes in it so far (worker)
    std::size_t filled_ = 0;
    bool finished_ = false;
    bool stopped_ = false;
};

// The worker's thread, stopped and joined on every way out of the caller's
// loop: the end of the entry, an early stop of the sink, an exception.
class Worker {
public:
    template <typename Work>
    Worker(Pipe &pipe, Work work) : pipe_(pipe), thread_(std::move(work)) {}
    ~Worker() {
        pipe_.stop();
        thread_.join();
    }

private:
    Pipe &pipe_;
    std::thread thread_;
};

struct Outcome {
    bool inflated = false;
    InflateBudget budget;
    ReadError error;
    std::uint32_t crc = 0;
    std::exception_ptr exception;
};

void inflateInto(Pipe &pipe, const ZipEntry &entry, ByteSpan data, Outcome &outcome) {
    try {
        outcome.inflated = inflateEntry(
            entry, data,
            [&](ByteSpan piece) {
                outcome.crc = std::uint32_t(crc32_z(outcome.crc, piece.data(), piece.size()));
                return pipe.put(piece);
            },
            outcome.budget, outcome.error);
    } catch (...) {
        outcome.exception = std::current_exception();
    }
    pipe.finish();
}

} // namespace

bool inflatesOnWorker(const ZipEntry &entry) {
    return entry.compressedSize >= kWorkerFrom;
}

std::optional<bool> inflateOnWorker(const ZipEntry &entry, ByteSpan data,
                                    const ZipArchive::Sink &sink, InflateBudget &budget,
                                    ReadError &error, std::uint32_t &crc) {
    Pipe pipe;
    Outcome outcome{false, budget, {}, crc, nullptr};
    std::optional<Worker> worker;
    try {
        worker.emplace(pipe, [&] { inflateInto(pipe, entry, data, outcome); });
    } catch (const std::system_error &) {
        return std::nullopt;
    }
    for (ByteSpan piece; !(piece = pipe.take()).empty(); pipe.release())
        if (!sink(piece))
            return false;
    worker.reset();
    if (outcome.exception)
        std::rethrow_exception(outcome.exception);
    budget = outcome.budget;
    crc = outcome.crc;
    if (!outcome.inflated)
        error = outcome.error;
    return outcome.inflated;
}

} // namespace xls
