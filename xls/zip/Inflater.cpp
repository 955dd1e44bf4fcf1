#include "xls/zip/Inflater.h"

#include "xls/zip/ZipConstants.h"

#include <zlib.h>

#include <array>
#include <limits>

namespace xls {

using namespace zip;

namespace {

constexpr std::size_t kPieceSize = 64 * 1024;
// zlib's window bits for a raw deflate stream, as zip entries hold.
constexpr int kRawDeflateWindow = -15;

ReadError limit(const ZipEntry &entry, std::string what, std::uint64_t found,
                std::uint64_t allowed) {
    return {ReadErrorCode::InflateLimit,
            "\"" + entry.name + "\" inflates to " + what + " " + std::to_string(found) +
                ", past the limit of " + std::to_string(allowed),
            entry.dataOffset};
}

class Stream {
public:
    Stream() { ok = inflateInit2(&z, kRawDeflateWindow) == Z_OK; }
    ~Stream() {
        if (ok)
            inflateEnd(&z);
    }
    z_stream z{};
    bool ok = false;
};

} // namespace

bool totalAllows(const ZipEntry &entry, std::uint64_t total, ReadError &error) {
    if (total <= kMaxTotalInflated)
        return true;
    error = limit(entry, "a package total of more than", total, kMaxTotalInflated);
    return false;
}

bool budgetAllows(const ZipEntry &entry, std::uint64_t produced, std::uint64_t consumed,
                  const InflateBudget &budget, ReadError &error) {
    if (produced > kMaxPartInflated) {
        error = limit(entry, "more than", produced, kMaxPartInflated);
        return false;
    }
    if (!totalAllows(entry, budget.produced + produced, error))
        return false;
    if (produced > kRatioCheckedFrom && produced / kMaxRatio > consumed) {
        error = {ReadErrorCode::InflateLimit,
                 "\"" + entry.name + "\" inflates to " + std::to_string(produced) + " bytes from " +
                     std::to_string(consumed) + " compressed ones, more than the " +
                     std::to_string(kMaxRatio) + " times allowed past " +
                     std::to_string(kRatioCheckedFrom) + " bytes",
                 entry.dataOffset};
        return false;
    }
    return true;
}

bool inflateEntry(const ZipEntry &entry, ByteSpan data, const ZipArchive::Sink &sink,
                  InflateBudget &budget, ReadError &error) {
    Stream stream;
    if (!stream.ok) {
        error = {ReadErrorCode::InflateLimit, "zlib could not be initialised", entry.dataOffset};
        return false;
    }
    std::array<std::uint8_t, kPieceSize> piece;
    std::uint64_t produced = 0;
    std::size_t fed = 0;
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (stream.z.avail_in == 0 && fed < data.size()) {
            const std::size_t n =
                std::min<std::size_t>(data.size() - fed, std::numeric_limits<uInt>::max());
            stream.z.next_in = const_cast<Bytef *>(data.data() + fed);
            stream.z.avail_in = uInt(n);
            fed += n;
        }
        stream.z.next_out = piece.data();
        stream.z.avail_out = uInt(piece.size());
        status = inflate(&stream.z, Z_NO_FLUSH);
        const std::size_t out = piece.size() - stream.z.avail_out;
        if (status != Z_OK && status != Z_STREAM_END && !(status == Z_BUF_ERROR && out > 0)) {
            error = {ReadErrorCode::CorruptZip,
                     "the deflated data of \"" + entry.name + "\" is damaged" +
                         (stream.z.avail_in == 0 && fed == data.size() ? " or cut short" : ""),
                     entry.dataOffset + (fed - stream.z.avail_in)};
            return false;
        }
        produced += out;
        const std::uint64_t consumed = fed - stream.z.avail_in;
        if (!budgetAllows(entry, produced, consumed, budget, error))
            return false;
        if (out > 0 && !sink(ByteSpan(piece.data(), out)))
            return false;
    }
    budget.produced += produced;
    if (produced != entry.size) {
        error = {ReadErrorCode::CorruptZip,
                 "\"" + entry.name + "\" inflates to " + std::to_string(produced) +
                     " bytes, its directory entry says " + std::to_string(entry.size),
                 entry.dataOffset};
        return false;
    }
    return true;
}

} // namespace xls
