#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/compound/CompoundConstants.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xls {

// One 128-byte slot of the directory stream, decoded.
struct DirectoryEntry {
    std::array<char16_t, cfb::kDirectoryNameUnits> nameUnits{};
    std::uint16_t nameByteLength = 0; // as stored; lookups use the NUL instead
    std::uint8_t objectType = cfb::kTypeUnused;
    std::uint8_t colour = 0;
    std::uint32_t leftSibling = cfb::kNoStream;
    std::uint32_t rightSibling = cfb::kNoStream;
    std::uint32_t child = cfb::kNoStream;
    std::array<std::uint32_t, 4> clsid{};
    std::uint32_t stateBits = 0;
    std::uint64_t creationTime = 0;
    std::uint64_t modifiedTime = 0;
    std::uint32_t startSector = cfb::kEndOfChain;
    // Version 3 files keep only the low 32 bits: [MS-CFB] tells readers to
    // ignore the high half, which old writers left uninitialised.
    std::uint64_t streamSize = 0;

    // The name up to its NUL, or all 32 units when it has none.
    std::u16string_view name() const;
    // A slot with an empty name is free: nothing should link to it.
    bool isFree() const { return nameUnits[0] == 0; }

    // Decodes one slot; `wideSizes` keeps the high 32 bits of the size
    // (version 4 files).
    static DirectoryEntry decode(ByteSpan slot, bool wideSizes);
};

// Splits a directory stream into its slots, in entry-number order.
std::vector<DirectoryEntry> decodeDirectory(ByteSpan stream, bool wideSizes);

// [MS-CFB] compares names by upper-casing them; this covers Latin-1, Greek and
// Cyrillic, which is what stream names of office files use.
char16_t upperCaseUnit(char16_t unit);
bool equalIgnoringCase(std::u16string_view a, std::u16string_view b);

// A name as UTF-8 for error texts; unpaired surrogates become '?'.
std::string toUtf8(std::u16string_view name);

} // namespace xls
