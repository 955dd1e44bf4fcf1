#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"
#include "xls/compound/CompoundConstants.h"

#include <array>
#include <cstdint>

namespace xls {

// The 512-byte header at the start of a compound file, decoded field by field.
struct CompoundHeader {
    std::array<std::uint8_t, 8> signature{};
    std::array<std::uint32_t, 4> clsid{};
    std::uint16_t minorVersion = 0;
    std::uint16_t majorVersion = 0;
    std::uint16_t byteOrder = 0;
    std::uint16_t sectorShift = 0;
    std::uint16_t miniSectorShift = 0;
    std::uint16_t reserved1 = 0;
    std::uint32_t reserved2 = 0;
    std::uint32_t directorySectorCount = 0;
    std::uint32_t fatSectorCount = 0;
    std::uint32_t firstDirectorySector = cfb::kEndOfChain;
    std::uint32_t transactionSignature = 0;
    std::uint32_t miniStreamCutoff = 0;
    std::uint32_t firstMiniFatSector = cfb::kEndOfChain;
    std::uint32_t miniFatSectorCount = 0;
    std::uint32_t firstDifatSector = cfb::kEndOfChain;
    std::uint32_t difatSectorCount = 0;
    std::array<std::uint32_t, cfb::kHeaderDifatEntries> difat{};

    // Derived from the two shifts once they have been checked.
    std::uint32_t sectorSize = 0;
    std::uint32_t miniSectorSize = 0;

    // Decodes the fields from the first kHeaderSize bytes; false when fewer
    // bytes are given.
    bool decode(ByteSpan bytes);
    bool hasSignature() const { return signature == cfb::kSignature; }
    // Accepts 512- and 4096-byte sectors with 64-byte mini sectors, and sets
    // sectorSize and miniSectorSize; anything else is UnsupportedSectorSize.
    ReadError checkGeometry();
};

} // namespace xls
