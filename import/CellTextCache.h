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
    // The cells that follow are another column's: whether its values repeat
    // is measured anew.
    void startColumn() { looked = found = 0; }
    // Whether the cache is still looked in for this column.
    bool isUsed() const { return looked < probeLength || found >= probeLength / 16; }

private:
    struct Slot {
        int type = 0;             // ExcelCellType of the value held; 0 for an empty slot
        std::uint64_t number = 0; // integer value or double bits
        std::uint64_t hash = 0;   // of the value: most misses end here, before the texts
        QString text;
    };
    static constexpr std::size_t slotCount = 4096;

    static bool isCached(const Slot &slot, const ExcelCell &cell, std::uint64_t number);

    // A column whose first values hardly repeat (numbers, unique names) is
    // converted without the cache, where each lookup would only cost a
    // hash and evict a slot.
    static constexpr std::uint32_t probeLength = 1024;
    std::uint32_t looked = 0, found = 0;

    std::array<Slot, slotCount> recent;
};
