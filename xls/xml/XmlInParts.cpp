#include "xls/xml/XmlInParts.h"

#include "xls/xml/XmlCuts.h"
#include "xls/xml/XmlDocument.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <string>
#include <system_error>
#include <thread>

namespace xls {

namespace {

using cuts::Clock;
using cuts::CutWatch;
using cuts::Head;
using cuts::kMaxSearch;
using cuts::Meeting;
using cuts::recordTagIn;
using cuts::startAtCut;

// Inflating alone runs about this many times as fast as inflating and
// parsing (on a sheet part of 28 MB: 47 ms against 270 ms).
constexpr double kSkimSpeedup = 6;
// The second cut lies at least this far ahead of what the thread it takes
// from has been fed (which goes on meanwhile; past the cut, it is not made).
constexpr std::uint64_t kStealAhead = 256 * 1024;
// A second cut that would leave this thread less than this is not made.
constexpr std::uint64_t kLeastStolen = std::uint64_t(1) << 20;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A yes or no, given once by one thread and awaited by another.
class Verdict {
public:
    void give(bool yes) {
        {
            const std::lock_guard lock(mutex);
            if (given)
                return;
            given = true;
            value = yes;
        }
        changed.notify_all();
    }
    bool wait() {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return given; });
        return value;
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool given = false, value = false;
};

// Gives no, unless given before, when it goes out of scope (also when an
// exception passes): the awaiting thread is never left waiting.
struct NoUnlessGiven {
    Verdict &verdict;
    ~NoUnlessGiven() { verdict.give(false); }
};

// The second thread: inflates the part from its start, finds the head,
// skims to the middle, claims the first record's start tag there as the cut
// and parses on from it, to the end or to a second cut the first thread
// claims, if that thread has parsed the rest by then. Stopped and waited for
// when it goes out of scope.
class LaterSide {
public:
    LaterSide(const ZipArchive &zip, const ZipEntry &entry, const XmlCut &cut, XmlHandler &handler,
              Meeting &first, Meeting &second, Verdict &restTaken, InflateBudget budget)
        : zip(zip), entry(entry), cut(cut), handler(handler), first(first), second(second),
          budget(budget), watch(handler, cut) {
        watch.decide = [&restTaken](bool onRecord) {
            return onRecord && restTaken.wait();
        };
    }
    ~LaterSide() { stop(); }
    bool start() {
        try {
            thread = std::thread([this] { run(); });
            return true;
        } catch (const std::system_error &) {
            return false; // no thread to be had: the first thread reads it all
        }
    }
    void stop() {
        stopping = true;
        if (thread.joinable())
            thread.join();
    }
    // Waits for it; true when its piece was read without fault.
    bool finish() {
        if (thread.joinable())
            thread.join();
        return readWhole;
    }
    // It has failed already (its first row had no number, say).
    bool failed() const { return failedEarly; }
    // After finish(): it ended at the second cut.
    bool handedOver() const { return watch.handedOver; }

private:
    void run() {
        try {
            Head head(cut);
            ReadError error;
            const bool read = zip.read(
                entry, [&](ByteSpan piece) { return take(piece, head); }, budget, error,
                ZipArchive::Inflating::Here);
            // The last feed, too, can reach the second cut.
            const bool ended = read && parser && !watch.handedOver && parser->feed({}, true);
            readWhole = watch.handedOver || ended;
        } catch (...) {
            readWhole = false; // the piece is read again with the rest, and meets it there
        }
        failedEarly = !readWhole;
    }

    // One inflated piece, in slices; false to stop reading.
    bool take(ByteSpan piece, Head &head) {
        for (std::size_t done = 0; done < piece.size();) {
            const ByteSpan slice = piece.subspan(done, std::min(piece.size() - done, cut.slice));
            if (!takeSlice(slice, head))
                return false;
            done += slice.size();
        }
        return true;
    }

    bool takeSlice(ByteSpan piece, Head &head) {
        const std::uint64_t at = taken;
        taken += piece.size();
        if (stopping)
            return false;
        if (parser) {
            watch.cutAt = second.feeding(taken);
            if (parser->feed(piece, false))
                return true;
            failedEarly = !watch.handedOver;
            return false;
        }
        if (!head.take(piece))
            return false;
        const std::uint64_t from = std::max(entry.size / 2, head.holderEnd());
        if (!head.found() || taken <= from)
            return true;
        const std::optional<std::uint64_t> found = recordTagIn(piece, at, from, cut.record);
        if (!found)
            return at <= from + kMaxSearch;
        if (!first.claim(*found, head.tags()))
            return false; // the first thread is past it
        watch.cutAt = second.feeding(taken);
        watch.shift = *found - head.tags().size(); // the tags end before the cut
        if (startAtCut(parser, watch, handler, head.tags(), piece, at, *found))
            return true;
        failedEarly = true;
        return false;
    }

    const ZipArchive &zip;
    const ZipEntry &entry;
    const XmlCut &cut;
    XmlHandler &handler;
    Meeting &first;
    Meeting &second;
    InflateBudget budget; // its own count: the first thread counts the part
    CutWatch watch;
    std::optional<XmlParser> parser;
    std::uint64_t taken = 0; // bytes inflated so far
    std::atomic<bool> stopping{false};
    std::atomic<bool> failedEarly{false};
    bool readWhole = false; // read after the join
    std::thread thread;
};

// This thread: inflates the whole part, parses it up to the cut the second
// thread claimed, then skims ahead and, where that thread would take longer
// than it, claims a second cut and parses from there to the end, behind the
// head the second thread found.
class EarlierSide {
public:
    EarlierSide(const ZipArchive &zip, const ZipEntry &entry, const XmlCut &cut,
                const SheetHandlerMaker &makeHandler, CellSink &sheet, LaterSide *later,
                Meeting &first, Meeting &second)
        : zip(zip), entry(entry), cut(cut), makeHandler(makeHandler), sheet(sheet), later(later),
          first(first), second(second), handler(makeHandler(sheet, false)), watch(*handler, cut),
          parser(watch) {
        handler->parser = &parser;
        watch.decide = [this](bool onRecord) {
            if (onRecord && !this->later->failed())
                return true;
            this->later->stop();
            return false;
        };
    }

    // As parseZipEntry(), when the part was not cut; else true when it was
    // inflated to its end without fault.
    bool read(InflateBudget &budget, ReadError &error) {
        const bool read = zip.read(
            entry, [&](ByteSpan piece) { return take(piece, error); }, budget, error,
            ZipArchive::Inflating::Here);
        // expat may hold the last events back until the last feed: it too
        // can reach the cut.
        const bool ended = read && !watch.handedOver && parser.feed({}, true);
        if (watch.handedOver) {
            restRead = read && stolenParser && !stolenFailed && stolenParser->feed({}, true);
            return read;
        }
        return ended || endZipEntryParse(false, parser, entry, error);
    }
    bool handedOver() const { return watch.handedOver; }
    // After read(): it parsed the rest from a second cut.
    bool readTheRest() const { return restRead; }
    std::unique_ptr<CellSink> takeRest() { return std::move(stolenSink); }

private:
    // One inflated piece, in slices: the second thread may claim a cut
    // between any two.
    bool take(ByteSpan piece, ReadError &error) {
        for (std::size_t done = 0; done < piece.size();) {
            const ByteSpan slice = piece.subspan(done, std::min(piece.size() - done, cut.slice));
            if (!takeSlice(slice))
                return false;
            done += slice.size();
        }
        return keepReading(sheet, taken, entry.size, error);
    }

    bool takeSlice(ByteSpan piece) {
        const std::uint64_t at = taken;
        taken += piece.size();
        if (!watch.handedOver) {
            if (later && !watch.cutAt)
                watch.cutAt = first.feeding(taken);
            if (!parser.feed(piece, false) && !watch.handedOver)
                return false;
            if (watch.handedOver)
                planSecondCut();
        }
        if (watch.handedOver)
            takeTheRest(piece, at);
        return true;
    }

    // Where this thread, skimming there first, and the second thread would
    // finish together, each at the speed it has shown so far.
    void planSecondCut() {
        const Meeting::State one = first.state(), two = second.state();
        if (!one.cut)
            return;
        head = one.head;
        const Clock::time_point now = Clock::now();
        const double cutAt = double(*one.cut), laterFed = double(two.fedUpTo);
        const double perByte = msBetween(startedAt, now) / std::max(cutAt, 1.0);
        const double laterParsed = laterFed - cutAt;
        const double laterPerByte =
            laterParsed > 0 ? msBetween(one.claimedAt, now) / laterParsed : perByte;
        const double skimPerByte = perByte / kSkimSpeedup;
        const double end = double(entry.size);
        const double at = std::max((end * perByte + laterFed * laterPerByte - cutAt * skimPerByte) /
                                       (perByte + laterPerByte - skimPerByte),
                                   laterFed + double(kStealAhead));
        if (at + double(kLeastStolen) <= end)
            secondCutFrom = std::uint64_t(at);
    }

    void takeTheRest(ByteSpan piece, std::uint64_t at) {
        if (stolenParser) {
            stolenFailed = stolenFailed || !stolenParser->feed(piece, false);
            return;
        }
        if (!secondCutFrom)
            return;
        if (at > *secondCutFrom + kMaxSearch) {
            secondCutFrom.reset();
            return;
        }
        const std::optional<std::uint64_t> found =
            recordTagIn(piece, at, *secondCutFrom, cut.record);
        if (!found)
            return;
        secondCutFrom.reset();
        if (!second.claim(*found, head))
            return; // the second thread is past it
        stolenSink = sheet.laterPart();
        stolenHandler = makeHandler(*stolenSink, true);
        stolenFailed =
            !startAtCut(stolenParser, *stolenHandler, *stolenHandler, head, piece, at, *found);
    }

    const ZipArchive &zip;
    const ZipEntry &entry;
    const XmlCut &cut;
    const SheetHandlerMaker &makeHandler;
    CellSink &sheet;
    LaterSide *later;
    Meeting &first;
    Meeting &second;
    const Clock::time_point startedAt = Clock::now();
    std::unique_ptr<XmlHandler> handler;
    CutWatch watch;
    XmlParser parser;
    std::string head; // the tags the second thread began with
    std::uint64_t taken = 0;
    std::optional<std::uint64_t> secondCutFrom;
    std::unique_ptr<CellSink> stolenSink;
    std::unique_ptr<XmlHandler> stolenHandler;
    std::optional<XmlParser> stolenParser;
    bool stolenFailed = false;
    bool restRead = false;
};

std::uint64_t cellsIn(const CellSink *sink) {
    return sink ? sink->storedCells() : 0;
}

} // namespace

bool parseZipEntryInParts(const ZipArchive &zip, const ZipEntry &entry,
                          const SheetHandlerMaker &makeHandler, const XmlCut &cut,
                          InflateBudget &budget, ReadError &error, CellSink &sheet) {
    std::unique_ptr<CellSink> laterSink;
    if (entry.size >= cut.splitFrom && (laterSink = sheet.laterPart())) {
        const InflateBudget before = budget;
        Meeting first, second;
        Verdict restTaken;
        const std::unique_ptr<XmlHandler> laterHandler = makeHandler(*laterSink, true);
        LaterSide later(zip, entry, cut, *laterHandler, first, second, restTaken, budget);
        const NoUnlessGiven noRest{restTaken}; // before `later` is waited for
        const bool started = later.start();
        EarlierSide earlier(zip, entry, cut, makeHandler, sheet, started ? &later : nullptr, first,
                            second);
        const bool read = earlier.read(budget, error);
        restTaken.give(earlier.readTheRest());
        if (!earlier.handedOver() || error.code == ReadErrorCode::Cancelled)
            return read;
        const bool laterRead = later.finish();
        std::unique_ptr<CellSink> rest = later.handedOver() ? earlier.takeRest() : nullptr;
        if (read && laterRead &&
            sheet.storedCells() + cellsIn(laterSink.get()) + cellsIn(rest.get()) <= cut.maxCells) {
            sheet.joinLaterPart(std::move(laterSink));
            if (rest)
                sheet.joinLaterPart(std::move(rest));
            return true;
        }
        // A piece after a cut failed: the part is parsed again in one, so
        // that the cells and the error are those of a single parse.
        budget = before;
        error = {};
    }
    const std::unique_ptr<XmlHandler> handler = makeHandler(sheet, false);
    return parseZipEntry(zip, entry, *handler, budget, error, &sheet);
}

} // namespace xls
