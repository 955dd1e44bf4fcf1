#include "import/CellTextCache.h"

#include "import/CellText.h"
#include "xls/model/ExcelCell.h"

#include <cstring>
#include <string_view>

namespace {

std::uint64_t mix(std::uint64_t value) {
    value ^= value >> 33;
    value *= 0xFF51AFD7ED558CCDull;
    value ^= value >> 33;
    return value;
}

template <typename Unit> std::uint64_t hashText(const Unit *text, int length) {
    std::uint64_t hash = 0xCBF29CE484222325ull; // FNV-1a
    for (int i = 0; i < length; ++i)
        hash = (hash ^ std::uint64_t(text[i])) * 0x100000001B3ull;
    return hash;
}

std::uint64_t numberBits(const ExcelCell &cell) {
    if (cell.type() == Integer)
        return std::uint64_t(std::uint32_t(cell.integerValue()));
    const double value = cell.doubleValue();
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace

bool CellTextCache::isCached(const Slot &slot, const ExcelCell &cell, std::uint64_t number) {
    const int length = cell.stringLength();
    switch (cell.type()) {
    case Integer:
    case Double:
        return slot.number == number;
    case String:
        return slot.text == QLatin1StringView(cell.string(), length);
    case WString:
        return slot.text == QStringView(reinterpret_cast<const char16_t *>(cell.wstring()), length);
    default:
        return false;
    }
}

QString CellTextCache::text(const ExcelCell &cell) {
    const int type = cell.type();
    const int length = cell.stringLength();
    std::uint64_t hash = 0;
    std::uint64_t number = 0;
    switch (type) {
    case Integer:
    case Double:
        number = numberBits(cell);
        hash = mix(number + std::uint64_t(type));
        break;
    case String:
        hash = hashText(cell.string(), length);
        break;
    case WString:
        hash = hashText(cell.wstring(), length);
        break;
    default:
        return {};
    }
    Slot &slot = recent[hash % slotCount];
    if (slot.type == type && isCached(slot, cell, number))
        return slot.text;
    slot.type = type;
    slot.number = number;
    slot.text = cellText(cell);
    return slot.text;
}
