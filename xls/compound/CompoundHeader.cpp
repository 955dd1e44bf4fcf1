#include "xls/compound/CompoundHeader.h"

#include <string>

namespace xls {

bool CompoundHeader::decode(ByteSpan bytes) {
    if (bytes.size() < cfb::kHeaderSize)
        return false;
    ByteCursor cursor(bytes.first(cfb::kHeaderSize));
    for (std::uint8_t &byte : signature)
        byte = cursor.u8();
    for (std::uint32_t &word : clsid)
        word = cursor.u32();
    minorVersion = cursor.u16();
    majorVersion = cursor.u16();
    byteOrder = cursor.u16();
    sectorShift = cursor.u16();
    miniSectorShift = cursor.u16();
    reserved1 = cursor.u16();
    reserved2 = cursor.u32();
    directorySectorCount = cursor.u32();
    fatSectorCount = cursor.u32();
    firstDirectorySector = cursor.u32();
    transactionSignature = cursor.u32();
    miniStreamCutoff = cursor.u32();
    firstMiniFatSector = cursor.u32();
    miniFatSectorCount = cursor.u32();
    firstDifatSector = cursor.u32();
    difatSectorCount = cursor.u32();
    for (std::uint32_t &sector : difat)
        sector = cursor.u32();
    return cursor.ok() && cursor.atEnd();
}

ReadError CompoundHeader::checkGeometry() {
    if (sectorShift != cfb::kSectorShiftV3 && sectorShift != cfb::kSectorShiftV4)
        return {ReadErrorCode::UnsupportedSectorSize,
                "sector shift " + std::to_string(sectorShift) + " (only " +
                    std::to_string(cfb::kSectorShiftV3) + " and " +
                    std::to_string(cfb::kSectorShiftV4) + " are supported)",
                cfb::header::kSectorShift};
    if (miniSectorShift != cfb::kMiniSectorShift)
        return {ReadErrorCode::UnsupportedSectorSize,
                "mini sector shift " + std::to_string(miniSectorShift) + " (only " +
                    std::to_string(cfb::kMiniSectorShift) + " is supported)",
                cfb::header::kMiniSectorShift};
    sectorSize = 1u << sectorShift;
    miniSectorSize = 1u << miniSectorShift;
    return {};
}

} // namespace xls
