#include "xls/compound/DirectoryEntry.h"

namespace xls {

std::u16string_view DirectoryEntry::name() const {
    std::size_t length = 0;
    while (length < nameUnits.size() && nameUnits[length] != 0)
        ++length;
    return {nameUnits.data(), length};
}

DirectoryEntry DirectoryEntry::decode(ByteSpan slot, bool wideSizes) {
    DirectoryEntry entry;
    ByteCursor cursor(slot);
    for (char16_t &unit : entry.nameUnits)
        unit = cursor.u16();
    entry.nameByteLength = cursor.u16();
    entry.objectType = cursor.u8();
    entry.colour = cursor.u8();
    entry.leftSibling = cursor.u32();
    entry.rightSibling = cursor.u32();
    entry.child = cursor.u32();
    for (std::uint32_t &word : entry.clsid)
        word = cursor.u32();
    entry.stateBits = cursor.u32();
    entry.creationTime = cursor.u64();
    entry.modifiedTime = cursor.u64();
    entry.startSector = cursor.u32();
    const std::uint64_t size = cursor.u64();
    entry.streamSize = wideSizes ? size : (size & 0xFFFFFFFFu);
    if (!cursor.ok())
        return DirectoryEntry{};
    return entry;
}

std::vector<DirectoryEntry> decodeDirectory(ByteSpan stream, bool wideSizes) {
    std::vector<DirectoryEntry> entries;
    entries.reserve(stream.size() / cfb::kDirectoryEntrySize);
    ByteCursor cursor(stream);
    while (cursor.has(cfb::kDirectoryEntrySize))
        entries.push_back(
            DirectoryEntry::decode(cursor.bytes(cfb::kDirectoryEntrySize), wideSizes));
    return entries;
}

char16_t upperCaseUnit(char16_t unit) {
    const auto shifted = [unit](int delta) {
        return static_cast<char16_t>(unit + delta);
    };
    if (unit >= u'a' && unit <= u'z')
        return shifted(-0x20);
    if (unit >= 0x00E0 && unit <= 0x00FE && unit != 0x00F7) // Latin-1 letters
        return shifted(-0x20);
    if (unit == 0x00FF) // y with diaeresis
        return 0x0178;
    if (unit >= 0x03B1 && unit <= 0x03C9 && unit != 0x03C2) // Greek
        return shifted(-0x20);
    if (unit >= 0x0430 && unit <= 0x044F) // Cyrillic
        return shifted(-0x20);
    if (unit >= 0x0450 && unit <= 0x045F)
        return shifted(-0x50);
    return unit;
}

bool equalIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperCaseUnit(a[i]) != upperCaseUnit(b[i]))
            return false;
    }
    return true;
}

std::string toUtf8(std::u16string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char32_t code = name[i];
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        if (high && i + 1 < name.size() && name[i + 1] >= 0xDC00 && name[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (name[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = '?';
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

} // namespace xls
