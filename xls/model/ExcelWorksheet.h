#pragma once

#include "xls/model/ExcelCell.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

// A worksheet as a rectangular grid of typed cells, addressed by 0-based row
// and column. The grid may be announced far larger than the cells it holds
// (a DIMENSIONS record may claim 65,536 x 256, a sheet may place one cell in
// column XFD): each row keeps only the cells written in it, as (column, cell)
// pairs in column order, so memory follows the cells that are present and the
// rows up to the last one written, never rows x widest column. Cells never
// written read as Undefined.
class ExcelWorksheet {
public:
    // The BIFF8 grid limits: rows 0 to 65535, columns 0 to 255. They are the
    // default; other formats set their own with setLimits().
    static constexpr std::uint32_t maxRows = 65536;
    static constexpr std::uint32_t maxColumns = 256;

    ExcelWorksheet() = default;

    // A row stores its cells' columns in 16 bits: no format has more columns.
    static constexpr std::uint32_t mostColumns = 65536;

    // The largest grid this sheet accepts; cells beyond it are refused.
    void setLimits(std::uint32_t rowLimit, std::uint32_t columnLimit) {
        rowsAllowed = rowLimit;
        columnsAllowed = std::min(columnLimit, mostColumns);
    }
    std::uint32_t rowLimit() const { return rowsAllowed; }
    std::uint32_t columnLimit() const { return columnsAllowed; }

    std::uint32_t rowCount() const { return rows; }
    std::uint32_t columnCount() const { return columns; }
    // How many cells are stored (a written cell whose value was cleared among them).
    std::uint64_t storedCellCount() const { return stored; }
    // The same by column, up to the last column that stores a cell: room
    // enough for each column's values, counted as they were written.
    std::span<const std::uint32_t> storedPerColumn() const { return perColumn; }

    // The cell at (row, column), created Undefined when absent and enlarging
    // the grid when needed; null beyond the limits. A later call may move the
    // cells of the same row, so earlier pointers into it are invalidated.
    ExcelCell *cell(std::uint32_t row, std::uint32_t column);
    // The cell if it was ever written, without enlarging or creating.
    const ExcelCell *findCell(std::uint32_t row, std::uint32_t column) const;
    // Resets a cell inside the current grid; false outside it.
    bool clearCell(std::uint32_t row, std::uint32_t column);

    // Calls f(row, column, cell) for every cell that holds a value, in
    // row-major order. Its cost follows the cells present, not the grid size.
    template <typename F> void forEachValue(F &&f) const {
        for (std::uint32_t r = 0; r < cellRows.size(); ++r) {
            const Row &row = cellRows[r];
            if (row.sorted == row.cells.size()) {
                for (const Entry &entry : row.cells)
                    if (entry.type() != Undefined)
                        f(r, std::uint32_t(entry.column), static_cast<const ExcelCell &>(entry));
                continue;
            }
            for (const Entry *entry : inOrder(row))
                if (entry->type() != Undefined)
                    f(r, std::uint32_t(entry->column), static_cast<const ExcelCell &>(*entry));
        }
    }

    // Calls f(row, cell) for every cell of one column that holds a value, in
    // row order. Its cost follows the rows present.
    template <typename F> void forEachValueInColumn(std::uint32_t column, F &&f) const {
        for (std::uint32_t r = 0; r < cellRows.size(); ++r)
            if (const ExcelCell *found = find(cellRows[r], column);
                found && found->type() != Undefined)
                f(r, *found);
    }

    // Sets the announced size, clamped to the limits.
    void resize(std::uint32_t rowCount, std::uint32_t columnCount);

    // Adds the cells of a sheet written after this one (a later part of a
    // sheet read in parts at once) as though written here after its own:
    // a later cell replaces one at the same place. A row only the later sheet
    // wrote moves over whole. `later` is left empty.
    void append(ExcelWorksheet &&later);
    // Merges the cells written out of column order into their rows; a writer
    // that may write in any order calls it when done, so that reading needs
    // no sorting. Everything reads correctly without it, only slower.
    void settle();

private:
    // A cell with its column, which takes the cell's spare bytes: 24 bytes in all.
    struct Entry : ExcelCell {
        explicit Entry(std::uint32_t column) : column(std::uint16_t(column)) {}
        std::uint16_t column;
    };
    static_assert(sizeof(Entry) == sizeof(ExcelCell), "the column takes the cell's spare bytes");
    // A row's cells: the first `sorted` in column order, the rest (a few
    // written out of order) in the order written, merged in by batches so
    // that writing a row backwards costs no more than sorting it.
    struct Row {
        std::vector<Entry> cells;
        std::uint32_t sorted = 0;
    };

    static const ExcelCell *find(const Row &row, std::uint32_t column);
    static std::vector<const Entry *> inOrder(const Row &row);
    static void merge(Row &row);
    void takeRow(std::uint32_t index, Row &&row);

    std::uint32_t rowsAllowed = maxRows;
    std::uint32_t columnsAllowed = maxColumns;
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;
    std::uint64_t stored = 0;
    std::vector<std::uint32_t> perColumn;
    std::vector<Row> cellRows;    // up to the last row written
    std::size_t lastRowWidth = 0; // cells in the row written last
};
