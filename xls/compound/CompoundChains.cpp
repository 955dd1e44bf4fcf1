// Following sector chains through the FAT and the MiniFAT, and reading them.
#include "xls/compound/CompoundFile.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace xls {

namespace {

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

std::string chainName(std::uint32_t start, bool useFat) {
    return std::string(useFat ? "the chain" : "the mini chain") + " starting at sector " +
           number(start);
}

} // namespace

bool CompoundFile::miniStreamSectorCount(std::uint64_t &count) {
    count = 0;
    if (entries_.empty())
        return true;
    std::uint64_t bytes = 0;
    if (!chainByteLength(entries_.front().startSector, true, bytes)) {
        error_.text = "mini stream: " + error_.text;
        return false;
    }
    count = bytes / cfb::kMiniSectorSize;
    return true;
}

// Every number of a chain must name a sector that exists, and no sector may
// come twice. Chains of distinct sectors are no longer than the table and the
// sectors present, so a chain that grows past that limit loops.
bool CompoundFile::collectChain(std::uint32_t startSector, bool useFat,
                                std::vector<std::uint32_t> &chain) {
    chain.clear();
    const std::vector<std::uint32_t> &table = useFat ? fat_ : miniFat_;
    std::uint64_t sectorsPresent = sectorCount_;
    if (!useFat && !miniStreamSectorCount(sectorsPresent))
        return false;
    const std::uint64_t limit = std::min<std::uint64_t>(table.size(), sectorsPresent);
    for (std::uint32_t sector = startSector; sector != cfb::kEndOfChain; sector = table[sector]) {
        const auto where = [&] {
            return chainName(startSector, useFat) + ", after " + number(chain.size()) + " sectors,";
        };
        if (sector == cfb::kFreeSector)
            return fail(ReadErrorCode::CorruptChain, where() + " reaches a free sector (FREESECT)");
        if (sector >= table.size())
            return fail(ReadErrorCode::CorruptChain,
                        where() + " reaches sector number " + number(sector) +
                            ", outside the table of " + number(table.size()) + " entries");
        if (sector >= sectorsPresent)
            return fail(useFat ? ReadErrorCode::TruncatedFile : ReadErrorCode::CorruptChain,
                        where() + " reaches sector " + number(sector) + ", past the " +
                            number(sectorsPresent) +
                            (useFat ? " sectors in the file" : " mini sectors of the mini stream"),
                        useFat ? std::optional<std::uint64_t>(sectorOffset(sector)) : std::nullopt);
        if (chain.size() == limit)
            return fail(ReadErrorCode::CorruptChain, chainName(startSector, useFat) +
                                                         " is longer than the " + number(limit) +
                                                         " sectors there are: it loops");
        chain.push_back(sector);
    }
    return true;
}

bool CompoundFile::chainByteLength(std::uint32_t startSector, bool useFat, std::uint64_t &length) {
    length = 0;
    std::vector<std::uint32_t> chain;
    if (!collectChain(startSector, useFat, chain))
        return false;
    length = chain.size() *
             static_cast<std::uint64_t>(useFat ? header_.sectorSize : header_.miniSectorSize);
    return true;
}

bool CompoundFile::readChain(std::uint32_t startSector, bool useFat,
                             std::vector<std::uint8_t> &buffer) {
    buffer.clear();
    std::vector<std::uint32_t> chain;
    if (!collectChain(startSector, useFat, chain))
        return false;
    buffer.resize(chain.size() *
                  static_cast<std::size_t>(useFat ? header_.sectorSize : header_.miniSectorSize));
    const bool read = useFat ? readSectors(chain, buffer) : readMiniSectors(chain, buffer);
    if (!read)
        buffer.clear();
    return read;
}

// Fills `out` from the first sectors of a checked chain. Runs of consecutive
// sectors are read at once, straight into `out`; only a last, partly needed
// sector goes through the sector buffer.
bool CompoundFile::readSectors(std::span<const std::uint32_t> chain, std::span<std::uint8_t> out) {
    const std::uint64_t sectorSize = header_.sectorSize;
    std::size_t next = 0;
    std::uint64_t done = 0;
    while (done < out.size() && next < chain.size()) {
        const std::uint32_t first = chain[next];
        const std::uint64_t left = out.size() - done;
        const std::uint64_t wholeSectors = left / sectorSize;
        std::uint64_t run = 1;
        while (run < wholeSectors && next + run < chain.size() &&
               chain[next + run] == static_cast<std::uint64_t>(first) + run)
            ++run;
        const bool partial = wholeSectors == 0;
        const std::span<std::uint8_t> target =
            partial ? std::span<std::uint8_t>(sectorBuffer_) : out.subspan(done, run * sectorSize);
        const ReadErrorCode code =
            file_.readBlocks(static_cast<std::uint64_t>(first) + 1, run, target);
        if (code != ReadErrorCode::None)
            return fail(code, "sector " + number(first) + " cannot be read", sectorOffset(first));
        if (partial)
            std::memcpy(out.data() + done, sectorBuffer_.data(), left);
        done += partial ? left : run * sectorSize;
        next += run;
    }
    if (done < out.size())
        return fail(ReadErrorCode::StreamExceedsChain, "the chain of " + number(chain.size()) +
                                                           " sectors holds fewer than " +
                                                           number(out.size()) + " bytes");
    return true;
}

// Mini sectors are 64-byte pieces of the mini stream, which is itself the
// FAT chain of the root entry.
bool CompoundFile::readMiniSectors(std::span<const std::uint32_t> chain,
                                   std::span<std::uint8_t> out) {
    std::vector<std::uint8_t> miniStream;
    if (entries_.empty() || !readChain(entries_.front().startSector, true, miniStream))
        return false;
    const std::uint64_t miniSize = header_.miniSectorSize;
    std::uint64_t done = 0;
    for (std::size_t i = 0; i < chain.size() && done < out.size(); ++i) {
        const std::uint64_t offset = chain[i] * miniSize;
        const std::uint64_t length = std::min<std::uint64_t>(miniSize, out.size() - done);
        if (offset > miniStream.size() || length > miniStream.size() - offset)
            return fail(ReadErrorCode::CorruptChain, "mini sector " + number(chain[i]) +
                                                         " lies beyond the mini stream of " +
                                                         number(miniStream.size()) + " bytes");
        std::memcpy(out.data() + done, miniStream.data() + offset, length);
        done += length;
    }
    if (done < out.size())
        return fail(ReadErrorCode::StreamExceedsChain, "the mini chain of " + number(chain.size()) +
                                                           " sectors holds fewer than " +
                                                           number(out.size()) + " bytes");
    return true;
}

} // namespace xls
