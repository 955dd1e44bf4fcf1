#pragma once

#include <cstddef>
#include <cstdint>

// Values from PKWARE's APPNOTE.TXT (the .ZIP file format) and the caps this
// reader puts on a package.
namespace xls::zip {

constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr std::uint32_t kEndOfCentralDirectorySignature = 0x06054B50;
constexpr std::uint32_t kZip64EndSignature = 0x06064B50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064B50;

constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kEndOfCentralDirectorySize = 22;
constexpr std::size_t kZip64LocatorSize = 20;
constexpr std::size_t kZip64EndSize = 56;
constexpr std::size_t kMaxCommentLength = 0xFFFF;

constexpr std::uint16_t kZip64ExtraId = 0x0001;
// A 16- or 32-bit field holding all ones: the value is in the ZIP64 record.
constexpr std::uint16_t kZip64Marker16 = 0xFFFF;
constexpr std::uint32_t kZip64Marker32 = 0xFFFFFFFF;

constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflated = 8;
constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kFlagDataDescriptor = 0x0008;

// Caps of this reader.
constexpr std::size_t kMaxEntries = 1000;
constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr std::uint64_t kMaxPartInflated = 256 * kMiB;
constexpr std::uint64_t kMaxTotalInflated = 512 * kMiB;
// Past this many bytes out, a part may inflate to at most kMaxRatio times
// the compressed bytes it has consumed.
constexpr std::uint64_t kRatioCheckedFrom = 1 * kMiB;
constexpr std::uint64_t kMaxRatio = 100;

} // namespace xls::zip
