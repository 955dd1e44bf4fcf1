#include "support/writers/CompoundWriter.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>

namespace testwriters {

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kEntrySize = 128;
constexpr std::uint32_t kMiniSectorSize = 64;
constexpr std::uint8_t kTypeStorage = 1;
constexpr std::uint8_t kTypeStream = 2;
constexpr std::uint8_t kTypeRoot = 5;
constexpr std::uint8_t kBlack = 1;

std::uint32_t ceilDiv(std::size_t value, std::size_t unit) {
    return static_cast<std::uint32_t>((value + unit - 1) / unit);
}

void put16(std::vector<std::uint8_t> &bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::vector<std::uint8_t> &bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void put64(std::vector<std::uint8_t> &bytes, std::size_t offset, std::uint64_t value) {
    put32(bytes, offset, static_cast<std::uint32_t>(value));
    put32(bytes, offset + 4, static_cast<std::uint32_t>(value >> 32));
}

// Hands out sector numbers to chains, one after the other or round-robin.
std::vector<std::vector<std::uint32_t>> allocate(const std::vector<std::uint32_t> &counts,
                                                 bool roundRobin, std::uint32_t first = 0) {
    std::vector<std::vector<std::uint32_t>> chains(counts.size());
    std::uint32_t next = first;
    if (!roundRobin) {
        for (std::size_t c = 0; c < counts.size(); ++c)
            for (std::uint32_t i = 0; i < counts[c]; ++i)
                chains[c].push_back(next++);
        return chains;
    }
    for (bool more = true; more;) {
        more = false;
        for (std::size_t c = 0; c < counts.size(); ++c) {
            if (chains[c].size() < counts[c]) {
                chains[c].push_back(next++);
                more = true;
            }
        }
    }
    return chains;
}

void linkChain(std::vector<std::uint32_t> &table, const std::vector<std::uint32_t> &chain) {
    for (std::size_t i = 0; i < chain.size(); ++i)
        table[chain[i]] = i + 1 < chain.size() ? chain[i + 1] : kEndOfChain;
}

// [MS-CFB] orders siblings by name length, then by upper-cased code units.
bool namesInOrder(const std::u16string &a, const std::u16string &b) {
    if (a.size() != b.size())
        return a.size() < b.size();
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto upper = [](char16_t c) {
            return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
        };
        if (upper(a[i]) != upper(b[i]))
            return upper(a[i]) < upper(b[i]);
    }
    return false;
}

} // namespace

std::size_t CompoundImage::sectorOffset(std::uint32_t sector) const {
    return (static_cast<std::size_t>(sector) + 1) * sectorSize;
}

std::size_t CompoundImage::entryOffset(std::uint32_t entry) const {
    const std::size_t perSector = sectorSize / kEntrySize;
    return sectorOffset(directorySectors.at(entry / perSector)) + (entry % perSector) * kEntrySize;
}

std::size_t CompoundImage::fatEntryOffset(std::uint32_t sector) const {
    const std::size_t perSector = sectorSize / 4;
    return sectorOffset(fatSectors.at(sector / perSector)) + (sector % perSector) * 4;
}

std::size_t CompoundImage::miniFatEntryOffset(std::uint32_t miniSector) const {
    const std::size_t perSector = sectorSize / 4;
    return sectorOffset(miniFatSectors.at(miniSector / perSector)) + (miniSector % perSector) * 4;
}

void CompoundImage::putU16(std::size_t offset, std::uint16_t value) {
    put16(bytes, offset, value);
}
void CompoundImage::putU32(std::size_t offset, std::uint32_t value) {
    put32(bytes, offset, value);
}

std::uint32_t CompoundImage::getU32(std::size_t offset) const {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes.at(offset + i);
    return value;
}

CompoundWriter::CompoundWriter(unsigned sectorShift) : sectorShift_(sectorShift) {
    entries_.push_back({u"Root Entry", kTypeRoot, kRoot, {}});
}

std::uint32_t CompoundWriter::addStorage(std::u16string name, std::uint32_t parent) {
    entries_.push_back({std::move(name), kTypeStorage, parent, {}});
    return static_cast<std::uint32_t>(entries_.size() - 1);
}

std::uint32_t CompoundWriter::addStream(std::u16string name, std::vector<std::uint8_t> data,
                                        std::uint32_t parent) {
    entries_.push_back({std::move(name), kTypeStream, parent, std::move(data)});
    return static_cast<std::uint32_t>(entries_.size() - 1);
}

std::uint32_t CompoundWriter::addFreeSlot() {
    entries_.push_back({});
    return static_cast<std::uint32_t>(entries_.size() - 1);
}

CompoundImage CompoundWriter::build() const {
    CompoundImage image;
    const std::uint32_t sectorSize = 1u << sectorShift_;
    const std::uint32_t perTableSector = sectorSize / 4;
    const std::uint32_t perDirectorySector = sectorSize / kEntrySize;
    image.sectorSize = sectorSize;

    // Which streams live in the mini stream, which in regular sectors.
    std::vector<std::size_t> miniStreams, regularStreams;
    std::vector<std::uint32_t> miniCounts, regularCounts;
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        const std::size_t size = entries_[e].data.size();
        if (entries_[e].type != kTypeStream || size == 0)
            continue;
        if (size < kMiniStreamCutoff) {
            miniStreams.push_back(e);
            miniCounts.push_back(ceilDiv(size, kMiniSectorSize));
        } else {
            regularStreams.push_back(e);
            regularCounts.push_back(ceilDiv(size, sectorSize));
        }
    }
    const auto miniChains = allocate(miniCounts, fragmented_);
    std::uint32_t miniSectorTotal = 0;
    for (std::uint32_t count : miniCounts)
        miniSectorTotal += count;
    std::vector<std::uint8_t> miniStream(std::size_t{miniSectorTotal} * kMiniSectorSize, 0);
    image.miniFat.assign(std::size_t{ceilDiv(miniSectorTotal, perTableSector)} * perTableSector,
                         kFreeSector);
    for (std::size_t s = 0; s < miniStreams.size(); ++s) {
        linkChain(image.miniFat, miniChains[s]);
        const auto &data = entries_[miniStreams[s]].data;
        for (std::size_t i = 0; i < miniChains[s].size(); ++i) {
            const std::size_t from = i * kMiniSectorSize;
            const std::size_t length = std::min<std::size_t>(kMiniSectorSize, data.size() - from);
            std::memcpy(miniStream.data() + std::size_t{miniChains[s][i]} * kMiniSectorSize,
                        data.data() + from, length);
        }
    }

    // Regular sectors: the streams, the mini stream, the MiniFAT, the
    // directory; then the FAT and the DIFAT, which must cover themselves.
    std::vector<std::uint32_t> counts = regularCounts;
    counts.push_back(ceilDiv(miniStream.size(), sectorSize));
    counts.push_back(ceilDiv(miniSectorTotal, perTableSector));
    counts.push_back(ceilDiv(entries_.size(), perDirectorySector));
    std::uint32_t base = 0;
    for (std::uint32_t count : counts)
        base += count;
    std::uint32_t fatCount = 0, difatCount = 0;
    for (;;) {
        const std::uint32_t needFat = ceilDiv(base + fatCount + difatCount, perTableSector);
        const std::uint32_t needDifat =
            needFat > kHeaderDifatEntries
                ? ceilDiv(needFat - kHeaderDifatEntries, perTableSector - 1)
                : 0;
        if (needFat == fatCount && needDifat == difatCount)
            break;
        fatCount = needFat;
        difatCount = needDifat;
    }
    std::vector<std::vector<std::uint32_t>> chains, tables;
    if (streamsLast_) {
        tables = allocate({fatCount, difatCount}, false);
        // Everything but the regular streams first, then the streams.
        const std::vector<std::uint32_t> streamCounts(counts.begin(),
                                                      counts.begin() + regularCounts.size());
        const std::vector<std::uint32_t> otherCounts(counts.begin() + regularCounts.size(),
                                                     counts.end());
        const std::uint32_t otherTotal =
            base - std::accumulate(streamCounts.begin(), streamCounts.end(), 0u);
        chains = allocate(streamCounts, fragmented_, fatCount + difatCount + otherTotal);
        for (auto &chain : allocate(otherCounts, fragmented_, fatCount + difatCount))
            chains.push_back(std::move(chain));
    } else {
        chains = allocate(counts, fragmented_);
        tables = allocate({fatCount, difatCount}, false, base);
    }
    image.fatSectors = tables[0];
    image.difatSectors = tables[1];
    image.miniStreamSectors = chains[regularStreams.size()];
    image.miniFatSectors = chains[regularStreams.size() + 1];
    image.directorySectors = chains[regularStreams.size() + 2];

    image.fat.assign(std::size_t{fatCount} * perTableSector, kFreeSector);
    for (const auto &chain : chains)
        linkChain(image.fat, chain);
    for (std::uint32_t sector : image.fatSectors)
        image.fat[sector] = kFatSector;
    for (std::uint32_t sector : image.difatSectors)
        image.fat[sector] = kDifatSector;

    const std::uint32_t totalSectors = base + fatCount + difatCount;
    image.bytes.assign((std::size_t{totalSectors} + 1) * sectorSize, 0);
    auto &bytes = image.bytes;
    const auto writeChain = [&](const std::vector<std::uint32_t> &chain, const std::uint8_t *data,
                                std::size_t size) {
        for (std::size_t i = 0; i < chain.size() && i * sectorSize < size; ++i) {
            const std::size_t length = std::min<std::size_t>(sectorSize, size - i * sectorSize);
            std::memcpy(bytes.data() + image.sectorOffset(chain[i]), data + i * sectorSize, length);
        }
    };
    image.entryStart.assign(entries_.size(), kEndOfChain);
    for (std::size_t s = 0; s < regularStreams.size(); ++s) {
        const auto &data = entries_[regularStreams[s]].data;
        writeChain(chains[s], data.data(), data.size());
        image.entryStart[regularStreams[s]] = chains[s].front();
    }
    for (std::size_t s = 0; s < miniStreams.size(); ++s)
        image.entryStart[miniStreams[s]] = miniChains[s].front();
    if (!image.miniStreamSectors.empty())
        image.entryStart[kRoot] = image.miniStreamSectors.front();
    writeChain(image.miniStreamSectors, miniStream.data(), miniStream.size());
    for (std::size_t i = 0; i < image.miniFatSectors.size(); ++i)
        for (std::uint32_t k = 0; k < perTableSector; ++k)
            put32(bytes, image.sectorOffset(image.miniFatSectors[i]) + k * 4,
                  image.miniFat[i * perTableSector + k]);
    for (std::size_t i = 0; i < image.fatSectors.size(); ++i)
        for (std::uint32_t k = 0; k < perTableSector; ++k)
            put32(bytes, image.sectorOffset(image.fatSectors[i]) + k * 4,
                  image.fat[i * perTableSector + k]);

    // The DIFAT: 109 FAT sectors in the header, the rest in DIFAT sectors.
    std::vector<std::uint32_t> header(kHeaderDifatEntries, kFreeSector);
    for (std::size_t i = 0; i < image.fatSectors.size(); ++i) {
        if (i < kHeaderDifatEntries) {
            header[i] = image.fatSectors[i];
            continue;
        }
        const std::size_t k = i - kHeaderDifatEntries;
        const std::size_t offset =
            image.sectorOffset(image.difatSectors[k / (perTableSector - 1)]) +
            (k % (perTableSector - 1)) * 4;
        put32(bytes, offset, image.fatSectors[i]);
    }
    for (std::size_t d = 0; d < image.difatSectors.size(); ++d) {
        const std::size_t used = std::min<std::size_t>(
            perTableSector - 1,
            image.fatSectors.size() - kHeaderDifatEntries - d * (perTableSector - 1));
        for (std::size_t k = used; k < perTableSector - 1; ++k)
            put32(bytes, image.sectorOffset(image.difatSectors[d]) + k * 4, kFreeSector);
        put32(bytes, image.sectorOffset(image.difatSectors[d]) + (perTableSector - 1) * 4,
              d + 1 < image.difatSectors.size() ? image.difatSectors[d + 1] : kEndOfChain);
    }

    // The directory: siblings as a balanced tree in [MS-CFB] name order.
    const std::size_t slots = image.directorySectors.size() * perDirectorySector;
    std::vector<std::uint32_t> left(slots, kNoStream), right(slots, kNoStream),
        child(slots, kNoStream);
    std::function<std::uint32_t(const std::vector<std::uint32_t> &, std::size_t, std::size_t)>
        balance = [&](const std::vector<std::uint32_t> &sorted, std::size_t lo, std::size_t hi) {
            if (lo >= hi)
                return kNoStream;
            const std::size_t mid = lo + (hi - lo) / 2;
            left[sorted[mid]] = balance(sorted, lo, mid);
            right[sorted[mid]] = balance(sorted, mid + 1, hi);
            return sorted[mid];
        };
    for (std::uint32_t storage = 0; storage < entries_.size(); ++storage) {
        if (entries_[storage].type != kTypeRoot && entries_[storage].type != kTypeStorage)
            continue;
        std::vector<std::uint32_t> kids;
        for (std::uint32_t e = 1; e < entries_.size(); ++e)
            if (entries_[e].type != 0 && entries_[e].parent == storage)
                kids.push_back(e);
        std::sort(kids.begin(), kids.end(), [this](std::uint32_t a, std::uint32_t b) {
            return namesInOrder(entries_[a].name, entries_[b].name);
        });
        child[storage] = balance(kids, 0, kids.size());
    }
    for (std::uint32_t e = 0; e < slots; ++e) {
        const std::size_t at = image.entryOffset(e);
        if (e >= entries_.size() || entries_[e].type == 0) {
            put32(bytes, at + 68, kNoStream);
            put32(bytes, at + 72, kNoStream);
            put32(bytes, at + 76, kNoStream);
            continue;
        }
        const Entry &entry = entries_[e];
        const std::size_t units = std::min<std::size_t>(entry.name.size(), 32);
        for (std::size_t i = 0; i < units; ++i)
            put16(bytes, at + 2 * i, static_cast<std::uint16_t>(entry.name[i]));
        put16(bytes, at + 64, static_cast<std::uint16_t>(std::min<std::size_t>(64, 2 * units + 2)));
        bytes[at + 66] = entry.type;
        bytes[at + 67] = kBlack;
        put32(bytes, at + 68, left[e]);
        put32(bytes, at + 72, right[e]);
        put32(bytes, at + 76, child[e]);
        put32(bytes, at + 116, entry.type == kTypeStorage ? 0 : image.entryStart[e]);
        put64(bytes, at + 120, e == kRoot ? miniStream.size() : entry.data.size());
    }

    // The header.
    static constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(bytes.data(), kSignature, sizeof kSignature);
    put16(bytes, 24, 0x003E);
    put16(bytes, 26, sectorShift_ == 12 ? 4 : 3);
    put16(bytes, 28, 0xFFFE);
    put16(bytes, 30, static_cast<std::uint16_t>(sectorShift_));
    put16(bytes, 32, 6);
    put32(bytes, 40,
          sectorShift_ == 12 ? static_cast<std::uint32_t>(image.directorySectors.size()) : 0);
    put32(bytes, 44, fatCount);
    put32(bytes, 48, image.directorySectors.front());
    put32(bytes, 56, kMiniStreamCutoff);
    put32(bytes, 60, image.miniFatSectors.empty() ? kEndOfChain : image.miniFatSectors.front());
    put32(bytes, 64, static_cast<std::uint32_t>(image.miniFatSectors.size()));
    put32(bytes, 68, image.difatSectors.empty() ? kEndOfChain : image.difatSectors.front());
    put32(bytes, 72, difatCount);
    for (std::size_t i = 0; i < kHeaderDifatEntries; ++i)
        put32(bytes, 76 + 4 * i, header[i]);
    return image;
}

std::vector<std::uint8_t> patternBytes(std::size_t size, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = seed * 2654435761u + 1;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

} // namespace testwriters
