#include "xls/compound/CompoundFile.h"

#include <algorithm>
#include <array>
#include <string>

namespace xls {

namespace {

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

} // namespace

CompoundFile::CompoundFile() : sectorBuffer_(BlockFile::kInitialBlockSize) {}

bool CompoundFile::open(const char *path, int mode) {
    close();
    error_ = {};
    if (!file_.open(path, mode, error_))
        return false;
    return loadContents();
}

bool CompoundFile::openMemory(std::vector<std::uint8_t> bytes) {
    close();
    error_ = {};
    file_.openMemory(std::move(bytes));
    return loadContents();
}

bool CompoundFile::loadContents() {
    if (readHeader() && loadAllocationTables() && loadDirectory()) {
        currentNode_ = rootNode();
        return true;
    }
    const ReadError reason = error_;
    close();
    error_ = reason;
    return false;
}

void CompoundFile::close() {
    fat_.clear();
    miniFat_.clear();
    nodes_.clear();
    entries_.clear();
    currentNode_ = nullptr;
    sectorCount_ = 0;
    file_.close();
}

bool CompoundFile::fail(ReadErrorCode code, std::string text, std::optional<std::uint64_t> offset) {
    error_ = ReadError{code, std::move(text), offset};
    return false;
}

std::uint64_t CompoundFile::sectorOffset(std::uint32_t sector) const {
    return (static_cast<std::uint64_t>(sector) + 1) * header_.sectorSize;
}

bool CompoundFile::readHeader() {
    std::array<std::uint8_t, cfb::kHeaderSize> bytes{};
    const std::uint64_t present = std::min<std::uint64_t>(file_.fileSize(), bytes.size());
    if (present > 0) {
        const ReadErrorCode code = file_.readBlock(0, bytes);
        if (code != ReadErrorCode::None)
            return fail(code, "the file header cannot be read", 0);
    }
    const ByteSpan head(bytes.data(), present);
    // What else the bytes may be is the workbook loader's to tell.
    if (head.size() < cfb::kSignature.size() ||
        !std::equal(cfb::kSignature.begin(), cfb::kSignature.end(), head.begin()))
        return fail(ReadErrorCode::NotCompoundFile,
                    "the file does not begin with the compound file signature", 0);
    if (present < cfb::kHeaderSize)
        return fail(ReadErrorCode::CorruptHeader,
                    "the file of " + number(present) + " bytes ends inside the " +
                        number(cfb::kHeaderSize) + "-byte header",
                    present);
    header_ = CompoundHeader{};
    header_.decode(bytes);
    if (ReadError geometry = header_.checkGeometry()) {
        error_ = std::move(geometry);
        return false;
    }
    file_.setBlockSize(header_.sectorSize);
    sectorCount_ = file_.blockCount() - 1; // block 0 holds the header
    if (sectorCount_ > static_cast<std::uint64_t>(cfb::kMaxRegularSector) + 1)
        return fail(ReadErrorCode::FileTooLarge,
                    "the file holds " + number(sectorCount_) + " sectors, more than the " +
                        number(static_cast<std::uint64_t>(cfb::kMaxRegularSector) + 1) +
                        " a compound file can number");
    sectorBuffer_.assign(header_.sectorSize, 0);
    return true;
}

bool CompoundFile::loadAllocationTables() {
    if (header_.fatSectorCount > sectorCount_)
        return fail(ReadErrorCode::CorruptAllocationTable,
                    "the header states " + number(header_.fatSectorCount) +
                        " FAT sectors, but the file holds only " + number(sectorCount_) +
                        " sectors",
                    cfb::header::kFatSectorCount);
    std::vector<std::uint32_t> fatSectors;
    if (!locateFatSectors(fatSectors))
        return false;
    const std::size_t perSector = header_.sectorSize / cfb::kTableEntrySize;
    fat_.assign(fatSectors.size() * perSector, cfb::kFreeSector);
    for (std::size_t i = 0; i < fatSectors.size(); ++i) {
        const std::span<std::uint32_t> part(fat_.data() + i * perSector, perSector);
        if (!readTableSector(fatSectors[i], part, "FAT"))
            return false;
    }
    return loadMiniFat();
}

// The first 109 FAT sectors are listed in the header, the rest in the DIFAT
// chain, whose sectors end with the number of the next DIFAT sector.
bool CompoundFile::locateFatSectors(std::vector<std::uint32_t> &fatSectors) {
    const std::uint32_t wanted = header_.fatSectorCount; // checked against the file
    fatSectors.reserve(wanted);
    for (std::size_t i = 0; i < cfb::kHeaderDifatEntries && fatSectors.size() < wanted; ++i)
        fatSectors.push_back(header_.difat[i]);

    const std::size_t perSector = header_.sectorSize / cfb::kTableEntrySize;
    const std::size_t numbersPerDifatSector = perSector - 1;
    std::vector<std::uint32_t> difatEntries(perSector);
    std::uint32_t difatSector = header_.firstDifatSector;
    std::uint64_t difatSectorsRead = 0;
    // Every DIFAT sector visited adds at least one FAT sector number, so the
    // walk ends within `wanted` steps even when the chain loops.
    while (fatSectors.size() < wanted) {
        if (difatSector == cfb::kEndOfChain || difatSector == cfb::kFreeSector)
            return fail(ReadErrorCode::CorruptAllocationTable,
                        "the DIFAT chain ends after " + number(difatSectorsRead) +
                            " sectors with " + number(fatSectors.size()) + " of " + number(wanted) +
                            " FAT sectors located",
                        cfb::header::kFirstDifatSector);
        if (!readTableSector(difatSector, difatEntries, "DIFAT"))
            return false;
        ++difatSectorsRead;
        const std::size_t take =
            std::min<std::size_t>(numbersPerDifatSector, wanted - fatSectors.size());
        fatSectors.insert(fatSectors.end(), difatEntries.begin(), difatEntries.begin() + take);
        difatSector = difatEntries.back();
    }
    return true;
}

bool CompoundFile::readTableSector(std::uint32_t sector, std::span<std::uint32_t> out,
                                   const char *what) {
    if (sector >= sectorCount_) {
        const bool special = sector > cfb::kMaxRegularSector;
        return fail(special ? ReadErrorCode::CorruptAllocationTable : ReadErrorCode::TruncatedFile,
                    std::string(what) + " sector " + number(sector) +
                        (special ? " is not a sector number"
                                 : " lies past the end of the file of " + number(sectorCount_) +
                                       " sectors"));
    }
    const ReadErrorCode code =
        file_.readBlock(static_cast<std::uint64_t>(sector) + 1, sectorBuffer_);
    if (code != ReadErrorCode::None)
        return fail(code, std::string(what) + " sector " + number(sector) + " cannot be read",
                    sectorOffset(sector));
    ByteCursor cursor(sectorBuffer_);
    for (std::uint32_t &value : out)
        value = cursor.u32();
    return true;
}

// [MS-CFB] chains the MiniFAT sectors through the FAT; the header's count of
// them is not needed to find them.
bool CompoundFile::loadMiniFat() {
    std::vector<std::uint32_t> chain;
    if (!collectChain(header_.firstMiniFatSector, true, chain))
        return false;
    const std::size_t perSector = header_.sectorSize / cfb::kTableEntrySize;
    miniFat_.assign(chain.size() * perSector, cfb::kFreeSector);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const std::span<std::uint32_t> part(miniFat_.data() + i * perSector, perSector);
        if (!readTableSector(chain[i], part, "MiniFAT"))
            return false;
    }
    return true;
}

} // namespace xls
