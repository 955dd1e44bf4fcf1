#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace xls {

// One entry of a zip package as its central directory and local header
// describe it, both checked against each other and the file.
struct ZipEntry {
    std::string name;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t compressedSize = 0;
    std::uint64_t size = 0; // as declared; never trusted for allocation
    std::uint64_t headerOffset = 0;
    std::uint64_t dataOffset = 0;
};

// Bytes inflated so far across every part of one package, against the cap.
struct InflateBudget {
    std::uint64_t produced = 0;
};

// A zip package in memory, read through its central directory. open() checks
// the whole directory (count, names, methods, local headers, overlaps); read()
// hands one entry's bytes to a sink in pieces as they are inflated, counting
// them against the caps and checking the CRC at the end.
class ZipArchive {
public:
    // Receives the next piece of an entry; false stops reading (the sink
    // keeps its own reason).
    using Sink = std::function<bool(ByteSpan)>;

    bool open(ByteSpan bytes, ReadError &error);

    const std::vector<ZipEntry> &entries() const { return entries_; }
    // The entry of that name, compared ignoring ASCII case; null when absent.
    const ZipEntry *find(std::string_view name) const;

    // Where a large deflated entry is inflated: as setInflateOnWorker() says,
    // or on the calling thread, for a caller that is itself a second thread.
    enum class Inflating { AsSet, Here };
    // False with `error` set, or with `error` empty when the sink stopped.
    bool read(const ZipEntry &entry, const Sink &sink, InflateBudget &budget, ReadError &error,
              Inflating where = Inflating::AsSet) const;
    // Large deflated entries are inflated on a second thread while the sink
    // takes their pieces here; off, every entry is inflated on this thread.
    void setInflateOnWorker(bool on) { inflateOnWorker_ = on; }
    // The whole entry in one string, for the small parts (relationships).
    bool readAll(const ZipEntry &entry, std::string &out, InflateBudget &budget,
                 ReadError &error) const;

private:
    bool readDirectory(ReadError &error);
    bool readCentralHeader(ByteCursor &cursor, ZipEntry &entry, ReadError &error);
    bool checkLocalHeader(ZipEntry &entry, ReadError &error) const;
    bool checkNamesAndOverlaps(ReadError &error) const;

    ByteSpan bytes_;
    std::uint64_t directoryOffset_ = 0;
    std::uint64_t directorySize_ = 0;
    std::uint64_t entryCount_ = 0;
    std::vector<ZipEntry> entries_;
    bool inflateOnWorker_ = true;
};

} // namespace xls
