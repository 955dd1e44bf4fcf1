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

// A text's bytes, eight at a time.
std::uint64_t hashBytes(const void *data, std::size_t size) {
    const auto *bytes = static_cast<const unsigned char *>(data);
    std::uint64_t hash = mix(size);
    for (; size >= 8; bytes += 8, size -= 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        hash = mix(hash ^ word);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, bytes, size);
    return mix(hash ^ tail);
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
    if (!isUsed())
        return cellText(cell);
    ++looked;
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
        hash = hashBytes(cell.string(), std::size_t(length));
        break;
    case WString:
        hash = hashBytes(cell.wstring(), std::size_t(length) * 2);
        break;
    default:
        return {};
    }
    Slot &slot = recent[hash % slotCount];
    if (slot.type == type && slot.hash == hash && isCached(slot, cell, number)) {
        ++found;
        return slot.text;
    }
    slot.type = type;
    slot.number = number;
    slot.hash = hash;
    slot.text = cellText(cell);
    return slot.text;
}
