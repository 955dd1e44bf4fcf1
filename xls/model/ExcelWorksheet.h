#pragma once

#include "xls/model/ExcelCell.h"

#include <cstdint>
#include <vector>

// A worksheet as a rectangular grid of typed cells, addressed by 0-based row
// and column. The grid may be announced far larger than the cells it holds
// (a DIMENSIONS record may claim 65,536 x 256): rows are materialised when a
// cell in them is first written, and a row is only as long as its last
// written cell, so memory follows the cells that are present. Cells never
// written read as Undefined.
class ExcelWorksheet {
public:
    // The BIFF8 grid limits: rows 0 to 65535, columns 0 to 255. They are the
    // default; other formats set their own with setLimits().
    static constexpr std::uint32_t maxRows = 65536;
    static constexpr std::uint32_t maxColumns = 256;

    ExcelWorksheet() = default;

    // The largest grid this sheet accepts; cells beyond it are refused.
    void setLimits(std::uint32_t rowLimit, std::uint32_t columnLimit) {
        rowsAllowed = rowLimit;
        columnsAllowed = columnLimit;
    }
    std::uint32_t rowLimit() const { return rowsAllowed; }
    std::uint32_t columnLimit() const { return columnsAllowed; }

    std::uint32_t rowCount() const { return rows; }
    std::uint32_t columnCount() const { return columns; }

    // The cell at (row, column), enlarging the grid when needed; null beyond
    // the limits. A later enlarging call invalidates earlier pointers.
    ExcelCell *cell(std::uint32_t row, std::uint32_t column);
    // The cell if it was ever written, without enlarging or materialising.
    const ExcelCell *findCell(std::uint32_t row, std::uint32_t column) const;
    // Resets a cell inside the current grid; false outside it.
    bool clearCell(std::uint32_t row, std::uint32_t column);

    // Calls f(row, column, cell) for every cell that holds a value, in
    // row-major order. Its cost follows the cells present, not the grid size.
    template <typename F> void forEachValue(F &&f) const {
        for (std::uint32_t r = 0; r < cells.size(); ++r)
            for (std::uint32_t c = 0; c < cells[r].size(); ++c)
                if (cells[r][c].type() != Undefined)
                    f(r, c, cells[r][c]);
    }

    // Calls f(row, cell) for every cell of one column that holds a value, in
    // row order. Its cost follows the rows present.
    template <typename F> void forEachValueInColumn(std::uint32_t column, F &&f) const {
        for (std::uint32_t r = 0; r < cells.size(); ++r)
            if (column < cells[r].size() && cells[r][column].type() != Undefined)
                f(r, cells[r][column]);
    }

    // Sets the announced size, clamped to the limits.
    void resize(std::uint32_t rowCount, std::uint32_t columnCount);

private:
    std::uint32_t rowsAllowed = maxRows;
    std::uint32_t columnsAllowed = maxColumns;
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;
    std::vector<std::vector<ExcelCell>> cells; // only rows with a written cell are non-empty
};
