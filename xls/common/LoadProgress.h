// How far a load has come, for a caller that shows it and may end it.
#pragma once

#include "xls/common/ReadError.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace xls {

// Called with the part of the work done out of the whole (bytes or rows,
// whatever the reader walks); returning false ends the load as Cancelled.
using ProgressCallback = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Hands a reader's position on to the callback, at most once for every 512th
// of the whole, so a reader may report as often as it likes at the cost of a
// comparison. Once the callback has said no, every later report says no too.
class LoadProgress {
public:
    static constexpr std::uint64_t kSteps = 512;

    LoadProgress() = default;
    explicit LoadProgress(ProgressCallback callback) : callback(std::move(callback)) {}

    // False when the load is to end.
    bool reach(std::uint64_t done, std::uint64_t total) {
        if (!callback || cancelled_)
            return !cancelled_;
        const std::uint64_t step = total == 0 ? 0 : std::min(done, total) * kSteps / total;
        if (step == lastStep)
            return true;
        lastStep = step;
        cancelled_ = !callback(std::min(done, total), total);
        return !cancelled_;
    }
    bool cancelled() const { return cancelled_; }

private:
    ProgressCallback callback;
    std::uint64_t lastStep = ~std::uint64_t(0);
    bool cancelled_ = false;
};

// The share of the whole that is done, in whole per cent from 0 to 100, as a
// caller shows it.
inline int percentDone(std::uint64_t done, std::uint64_t total) {
    return total > 0 ? int(std::min(done, total) * 100 / total) : 0;
}

// The error a load ends with when its caller cancelled it.
inline ReadError cancelledError() {
    return {ReadErrorCode::Cancelled, "the load was cancelled", std::nullopt};
}

} // namespace xls
