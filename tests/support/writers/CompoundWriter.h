// Builds [MS-CFB] compound files in memory for tests, benchmarks and fuzzer
// seeds. Standard C++ only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testwriters {

// A built file and where its parts ended up, so that a test can damage one
// field at a time.
struct CompoundImage {
    std::vector<std::uint8_t> bytes;
    std::uint32_t sectorSize = 512;
    std::vector<std::uint32_t> fatSectors;
    std::vector<std::uint32_t> difatSectors;
    std::vector<std::uint32_t> miniFatSectors;
    std::vector<std::uint32_t> directorySectors;
    std::vector<std::uint32_t> miniStreamSectors; // the root entry's chain
    std::vector<std::uint32_t> entryStart;        // start sector of each directory entry
    std::vector<std::uint32_t> fat;               // as written
    std::vector<std::uint32_t> miniFat;

    std::size_t sectorOffset(std::uint32_t sector) const;
    std::size_t entryOffset(std::uint32_t entry) const;
    std::size_t fatEntryOffset(std::uint32_t sector) const;
    std::size_t miniFatEntryOffset(std::uint32_t miniSector) const;

    void putU16(std::size_t offset, std::uint16_t value);
    void putU32(std::size_t offset, std::uint32_t value);
    std::uint32_t getU32(std::size_t offset) const;
};

class CompoundWriter {
public:
    static constexpr std::uint32_t kRoot = 0;
    static constexpr std::uint32_t kMiniStreamCutoff = 4096;

    // sectorShift 9 writes a version 3 file (512-byte sectors), 12 a version 4
    // file (4096-byte sectors).
    explicit CompoundWriter(unsigned sectorShift = 9);

    // Adds an entry below the storage `parent` and returns its entry number.
    std::uint32_t addStorage(std::u16string name, std::uint32_t parent = kRoot);
    std::uint32_t addStream(std::u16string name, std::vector<std::uint8_t> data,
                            std::uint32_t parent = kRoot);
    // Leaves a free slot at the next entry number.
    std::uint32_t addFreeSlot();

    // Allocates the sectors and mini sectors of all streams round-robin, so
    // that no chain is contiguous.
    void setFragmented(bool fragmented) { fragmented_ = fragmented; }
    // Puts the tables and the directory first and the regular streams last,
    // so that the file ends inside the last stream's last sector.
    void setStreamsLast(bool streamsLast) { streamsLast_ = streamsLast; }

    CompoundImage build() const;

private:
    struct Entry {
        std::u16string name;
        std::uint8_t type = 0;
        std::uint32_t parent = kRoot;
        std::vector<std::uint8_t> data;
    };

    unsigned sectorShift_;
    bool fragmented_ = false;
    bool streamsLast_ = false;
    std::vector<Entry> entries_;
};

// Deterministic filler bytes: a stream whose every position differs from its
// neighbours, so that a byte read from the wrong place shows.
std::vector<std::uint8_t> patternBytes(std::size_t size, std::uint32_t seed = 1);

} // namespace testwriters
