#pragma once

#include <QString>

#include <array>
#include <cstdint>

class ExcelCell;

// Name lists repeat themselves: the same quantities, first names and towns
// come again and again. The cache hands out one shared QString per recent
// distinct value, so a repeated value costs neither a conversion nor an
// allocation. It is direct-mapped: a fixed number of slots, a newer value
// simply takes the slot of an older one.
class CellTextCache {
public:
    // The same text as cellText(cell).
    QString text(const ExcelCell &cell);

private:
    struct Slot {
        int type = 0;             // ExcelCellType of the value held; 0 for an empty slot
        std::uint64_t number = 0; // integer value or double bits
        std::uint64_t hash = 0;   // of the value: most misses end here, before the texts
        QString text;
    };
    static constexpr std::size_t slotCount = 4096;

    static bool isCached(const Slot &slot, const ExcelCell &cell, std::uint64_t number);

    std::array<Slot, slotCount> recent;
};
