// Constants of the compound file format, as published in [MS-CFB].
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace xls::cfb {

// The eight bytes every compound file starts with.
inline constexpr std::array<std::uint8_t, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0,
                                                           0xA1, 0xB1, 0x1A, 0xE1};

inline constexpr std::size_t kHeaderSize = 512;
inline constexpr std::size_t kHeaderDifatEntries = 109;

// Supported geometry: version 3 files use 512-byte sectors, version 4 files
// 4096-byte sectors; both use 64-byte mini sectors.
inline constexpr std::uint16_t kSectorShiftV3 = 9;
inline constexpr std::uint16_t kSectorShiftV4 = 12;
inline constexpr std::uint16_t kMiniSectorShift = 6;
inline constexpr std::uint32_t kMiniSectorSize = 1u << kMiniSectorShift;

// Streams smaller than this live in the mini stream. [MS-CFB] fixes the value;
// the header's copy of it is not consulted.
inline constexpr std::uint64_t kMiniStreamCutoff = 4096;

// Special sector numbers in the FAT, the MiniFAT and the DIFAT.
inline constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;

// "No sibling" / "no child" in a directory entry.
inline constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

inline constexpr std::size_t kTableEntrySize = 4;

// Header field offsets.
namespace header {
inline constexpr std::size_t kClsid = 8;
inline constexpr std::size_t kMinorVersion = 24;
inline constexpr std::size_t kMajorVersion = 26;
inline constexpr std::size_t kByteOrder = 28;
inline constexpr std::size_t kSectorShift = 30;
inline constexpr std::size_t kMiniSectorShift = 32;
inline constexpr std::size_t kDirectorySectorCount = 40;
inline constexpr std::size_t kFatSectorCount = 44;
inline constexpr std::size_t kFirstDirectorySector = 48;
inline constexpr std::size_t kTransactionSignature = 52;
inline constexpr std::size_t kMiniStreamCutoff = 56;
inline constexpr std::size_t kFirstMiniFatSector = 60;
inline constexpr std::size_t kMiniFatSectorCount = 64;
inline constexpr std::size_t kFirstDifatSector = 68;
inline constexpr std::size_t kDifatSectorCount = 72;
inline constexpr std::size_t kDifat = 76;
} // namespace header

// Directory entries: 128 bytes each.
inline constexpr std::size_t kDirectoryEntrySize = 128;
inline constexpr std::size_t kDirectoryNameUnits = 32;

namespace entry {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kNameLength = 64;
inline constexpr std::size_t kObjectType = 66;
inline constexpr std::size_t kColour = 67;
inline constexpr std::size_t kLeftSibling = 68;
inline constexpr std::size_t kRightSibling = 72;
inline constexpr std::size_t kChild = 76;
inline constexpr std::size_t kClsid = 80;
inline constexpr std::size_t kStateBits = 96;
inline constexpr std::size_t kCreationTime = 100;
inline constexpr std::size_t kModifiedTime = 108;
inline constexpr std::size_t kStartSector = 116;
inline constexpr std::size_t kStreamSize = 120;
} // namespace entry

// Object types of a directory entry.
inline constexpr std::uint8_t kTypeUnused = 0;
inline constexpr std::uint8_t kTypeStorage = 1;
inline constexpr std::uint8_t kTypeStream = 2;
inline constexpr std::uint8_t kTypeRoot = 5;

// The root entry's name as writers store it.
inline constexpr char16_t kRootEntryName[] = u"Root Entry";

} // namespace xls::cfb
