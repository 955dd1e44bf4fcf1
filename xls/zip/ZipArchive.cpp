#include "xls/zip/ZipArchive.h"

#include "xls/zip/InflateWorker.h"
#include "xls/zip/Inflater.h"
#include "xls/zip/ZipConstants.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_set>

namespace xls {

using namespace zip;

namespace {

ReadError corrupt(std::string text, std::uint64_t offset) {
    return {ReadErrorCode::CorruptZip, std::move(text), offset};
}

// Names compare ignoring ASCII case, with '\\' read as '/': some writers
// use it as the folder separator.
std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        c = c == '\\' ? '/' : char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A name that could leave the package's root when unpacked, or that no two
// systems read the same way.
const char *badNameReason(std::string_view name) {
    if (name.empty())
        return "an empty name";
    if (name.find('\0') != std::string_view::npos)
        return "a NUL byte";
    if (name.front() == '/' || name.front() == '\\')
        return "a leading slash";
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..")
            return "a \"..\" component";
        start = end + 1;
    }
    return nullptr;
}

// Finds the end-of-central-directory record: the last signature within the
// final 22 bytes plus the longest comment.
std::optional<std::size_t> findEnd(ByteSpan bytes) {
    if (bytes.size() < kEndOfCentralDirectorySize)
        return std::nullopt;
    const std::size_t last = bytes.size() - kEndOfCentralDirectorySize;
    const std::size_t first = last > kMaxCommentLength ? last - kMaxCommentLength : 0;
    for (std::size_t pos = last + 1; pos-- > first;) {
        if (loadU32(bytes.data() + pos) == kEndOfCentralDirectorySignature)
            return pos;
    }
    return std::nullopt;
}

} // namespace

bool ZipArchive::open(ByteSpan bytes, ReadError &error) {
    bytes_ = bytes;
    entries_.clear();
    return readDirectory(error) && checkNamesAndOverlaps(error);
}

bool ZipArchive::readDirectory(ReadError &error) {
    const auto end = findEnd(bytes_);
    if (!end) {
        error =
            corrupt("no end-of-central-directory record in the last " +
                        std::to_string(kEndOfCentralDirectorySize + kMaxCommentLength) + " bytes",
                    bytes_.size());
        return false;
    }
    ByteCursor cursor(bytes_);
    cursor.seek(*end + 4);
    const std::uint16_t disk = cursor.u16();
    const std::uint16_t directoryDisk = cursor.u16();
    const std::uint16_t entriesOnDisk = cursor.u16();
    entryCount_ = cursor.u16();
    directorySize_ = cursor.u32();
    directoryOffset_ = cursor.u32();
    if (disk != 0 || directoryDisk != 0 || entriesOnDisk != entryCount_) {
        error = {ReadErrorCode::UnsupportedZip, "a zip file split over several disks", *end};
        return false;
    }
    const bool zip64 = entryCount_ == kZip64Marker16 || directorySize_ == kZip64Marker32 ||
                       directoryOffset_ == kZip64Marker32;
    std::size_t directoryLimit = *end;
    if (zip64) {
        if (*end < kZip64LocatorSize) {
            error = corrupt("a ZIP64 end record is announced but there is no room for its locator",
                            *end);
            return false;
        }
        ByteCursor locator(bytes_);
        locator.seek(*end - kZip64LocatorSize);
        const std::uint32_t signature = locator.u32();
        locator.skip(4);
        const std::uint64_t zip64End = locator.u64();
        if (signature != kZip64LocatorSignature || zip64End > *end - kZip64LocatorSize ||
            kZip64EndSize > *end - kZip64LocatorSize - zip64End) {
            error = corrupt("the ZIP64 end-record locator is missing or points outside the file",
                            *end - kZip64LocatorSize);
            return false;
        }
        ByteCursor record(bytes_);
        record.seek(zip64End);
        const std::uint32_t recordSignature = record.u32();
        record.skip(8 + 2 + 2 + 4 + 4 + 8);
        entryCount_ = record.u64();
        directorySize_ = record.u64();
        directoryOffset_ = record.u64();
        if (recordSignature != kZip64EndSignature) {
            error = corrupt("no ZIP64 end record where its locator points", zip64End);
            return false;
        }
        directoryLimit = zip64End;
    }
    if (entryCount_ > kMaxEntries) {
        error = {ReadErrorCode::CorruptZip,
                 "the package lists " + std::to_string(entryCount_) + " entries, more than the " +
                     std::to_string(kMaxEntries) + " allowed",
                 *end};
        return false;
    }
    if (directoryOffset_ > directoryLimit || directorySize_ > directoryLimit - directoryOffset_) {
        error =
            corrupt("the central directory of " + std::to_string(directorySize_) + " bytes at " +
                        std::to_string(directoryOffset_) +
                        " does not end before its end record at " + std::to_string(directoryLimit),
                    *end);
        return false;
    }
    // Each entry needs at least a header's worth of the directory.
    if (entryCount_ > directorySize_ / kCentralHeaderSize) {
        error = corrupt(std::to_string(entryCount_) + " entries cannot fit in a directory of " +
                            std::to_string(directorySize_) + " bytes",
                        directoryOffset_);
        return false;
    }
    ByteCursor directory(bytes_.subspan(0, directoryOffset_ + directorySize_));
    directory.seek(directoryOffset_);
    entries_.reserve(entryCount_);
    for (std::uint64_t i = 0; i < entryCount_; ++i) {
        ZipEntry entry;
        if (!readCentralHeader(directory, entry, error) || !checkLocalHeader(entry, error))
            return false;
        entries_.push_back(std::move(entry));
    }
    return true;
}

bool ZipArchive::readCentralHeader(ByteCursor &cursor, ZipEntry &entry, ReadError &error) {
    const std::size_t at = cursor.position();
    const std::uint32_t signature = cursor.u32();
    cursor.skip(4); // versions
    const std::uint16_t flags = cursor.u16();
    entry.method = cursor.u16();
    cursor.skip(4); // time and date
    entry.crc = cursor.u32();
    entry.compressedSize = cursor.u32();
    entry.size = cursor.u32();
    const std::uint16_t nameLength = cursor.u16();
    const std::uint16_t extraLength = cursor.u16();
    const std::uint16_t commentLength = cursor.u16();
    const std::uint16_t startDisk = cursor.u16();
    cursor.skip(6); // attributes
    entry.headerOffset = cursor.u32();
    const ByteSpan name = cursor.bytes(nameLength);
    ByteCursor extra(cursor.bytes(extraLength));
    cursor.skip(commentLength);
    if (!cursor.ok() || signature != kCentralHeaderSignature) {
        error = corrupt("a central directory header is damaged or runs past the directory", at);
        return false;
    }
    entry.name.assign(reinterpret_cast<const char *>(name.data()), name.size());
    // [APPNOTE 4.5.3] the ZIP64 field holds, in order, only the values whose
    // 32-bit fields are all ones.
    while (extra.remaining() >= 4) {
        const std::uint16_t id = extra.u16();
        ByteCursor field(extra.bytes(extra.u16()));
        if (!extra.ok())
            break;
        if (id != kZip64ExtraId)
            continue;
        if (entry.size == kZip64Marker32)
            entry.size = field.u64();
        if (entry.compressedSize == kZip64Marker32)
            entry.compressedSize = field.u64();
        if (entry.headerOffset == kZip64Marker32)
            entry.headerOffset = field.u64();
        if (!field.ok()) {
            error = corrupt("the ZIP64 field of \"" + entry.name + "\" is too short", at);
            return false;
        }
    }
    if (startDisk != 0 && startDisk != kZip64Marker16) {
        error = {ReadErrorCode::UnsupportedZip, "an entry on another disk", at};
        return false;
    }
    if (flags & kFlagEncrypted) {
        error = {ReadErrorCode::UnsupportedZip, "the entry \"" + entry.name + "\" is encrypted",
                 at};
        return false;
    }
    if (entry.method != kMethodStored && entry.method != kMethodDeflated) {
        error = {ReadErrorCode::UnsupportedZip,
                 "the entry \"" + entry.name + "\" uses compression method " +
                     std::to_string(entry.method) + ", only stored (0) and deflated (8) are read",
                 at};
        return false;
    }
    if (entry.method == kMethodStored && entry.size != entry.compressedSize) {
        error = corrupt("the stored entry \"" + entry.name + "\" declares " +
                            std::to_string(entry.size) + " bytes but holds " +
                            std::to_string(entry.compressedSize),
                        at);
        return false;
    }
    if (const char *reason = badNameReason(entry.name)) {
        error = corrupt("the entry name \"" + entry.name + "\" has " + reason, at);
        return false;
    }
    return true;
}

bool ZipArchive::checkLocalHeader(ZipEntry &entry, ReadError &error) const {
    ByteCursor cursor(bytes_.subspan(0, directoryOffset_));
    cursor.seek(entry.headerOffset);
    const std::uint32_t signature = cursor.u32();
    cursor.skip(2);
    const std::uint16_t flags = cursor.u16();
    const std::uint16_t method = cursor.u16();
    cursor.skip(4);
    const std::uint32_t crc = cursor.u32();
    const std::uint32_t compressedSize = cursor.u32();
    const std::uint32_t size = cursor.u32();
    const std::uint16_t nameLength = cursor.u16();
    const std::uint16_t extraLength = cursor.u16();
    const ByteSpan name = cursor.bytes(nameLength);
    cursor.skip(extraLength);
    if (!cursor.ok() || signature != kLocalHeaderSignature) {
        error = corrupt("the local header of \"" + entry.name +
                            "\" is missing or runs into the central directory",
                        entry.headerOffset);
        return false;
    }
    const std::string_view localName(reinterpret_cast<const char *>(name.data()), name.size());
    // With a data descriptor the local CRC and sizes may be zero; otherwise
    // they must agree, ZIP64 markers aside.
    const bool sizesAgree =
        (flags & kFlagDataDescriptor) ||
        ((crc == entry.crc) &&
         (compressedSize == kZip64Marker32 || compressedSize == entry.compressedSize) &&
         (size == kZip64Marker32 || size == entry.size));
    if (localName != entry.name || method != entry.method || !sizesAgree) {
        error = corrupt("the local header of \"" + entry.name +
                            "\" disagrees with its central directory entry",
                        entry.headerOffset);
        return false;
    }
    entry.dataOffset = cursor.position();
    if (entry.compressedSize > cursor.remaining()) {
        error =
            corrupt("the data of \"" + entry.name + "\" (" + std::to_string(entry.compressedSize) +
                        " bytes) runs into the central directory",
                    entry.dataOffset);
        return false;
    }
    return true;
}

bool ZipArchive::checkNamesAndOverlaps(ReadError &error) const {
    std::unordered_set<std::string> names;
    for (const ZipEntry &entry : entries_) {
        if (!names.insert(lowerAscii(entry.name)).second) {
            error = corrupt("the name \"" + entry.name + "\" appears twice (ignoring case)",
                            entry.headerOffset);
            return false;
        }
    }
    std::vector<const ZipEntry *> byOffset;
    byOffset.reserve(entries_.size());
    for (const ZipEntry &entry : entries_)
        byOffset.push_back(&entry);
    std::sort(byOffset.begin(), byOffset.end(), [](const ZipEntry *a, const ZipEntry *b) {
        return a->headerOffset < b->headerOffset;
    });
    for (std::size_t i = 1; i < byOffset.size(); ++i) {
        const ZipEntry &before = *byOffset[i - 1];
        if (before.dataOffset + before.compressedSize > byOffset[i]->headerOffset) {
            error = corrupt("the entries \"" + before.name + "\" and \"" + byOffset[i]->name +
                                "\" overlap",
                            byOffset[i]->headerOffset);
            return false;
        }
    }
    return true;
}

const ZipEntry *ZipArchive::find(std::string_view name) const {
    const std::string wanted = lowerAscii(name);
    for (const ZipEntry &entry : entries_)
        if (entry.name.size() == wanted.size() && lowerAscii(entry.name) == wanted)
            return &entry;
    return nullptr;
}

bool ZipArchive::read(const ZipEntry &entry, const Sink &sink, InflateBudget &budget,
                      ReadError &error, Inflating where) const {
    const ByteSpan data = bytes_.subspan(entry.dataOffset, entry.compressedSize);
    std::uint32_t crc = std::uint32_t(crc32(0L, Z_NULL, 0));
    const auto checkedSink = [&](ByteSpan piece) {
        crc = std::uint32_t(crc32_z(crc, piece.data(), piece.size()));
        return sink(piece);
    };
    if (entry.method == kMethodStored) {
        if (!budgetAllows(entry, data.size(), data.size(), budget, error))
            return false;
        budget.produced += data.size();
        if (!checkedSink(data))
            return false;
    } else {
        std::optional<bool> inflated;
        if (where == Inflating::AsSet && inflateOnWorker_ && inflatesOnWorker(entry))
            inflated = inflateOnWorker(entry, data, sink, budget, error, crc);
        if (!inflated) // a small entry, or no thread to be had
            inflated = inflateEntry(entry, data, checkedSink, budget, error);
        if (!*inflated)
            return false;
    }
    if (crc != entry.crc) {
        error =
            corrupt("the CRC of \"" + entry.name + "\" does not match its data", entry.dataOffset);
        return false;
    }
    return true;
}

bool ZipArchive::readAll(const ZipEntry &entry, std::string &out, InflateBudget &budget,
                         ReadError &error) const {
    out.clear();
    return read(
        entry,
        [&out](ByteSpan piece) {
            out.append(reinterpret_cast<const char *>(piece.data()), piece.size());
            return true;
        },
        budget, error);
}

} // namespace xls
