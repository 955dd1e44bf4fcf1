#include "xls/model/ExcelWorksheet.h"

#include <algorithm>

namespace {
constexpr std::uint32_t rowReserveLimit = 16;
} // namespace

ExcelCell *ExcelWorksheet::cell(std::uint32_t row, std::uint32_t column) {
    if (row >= rowsAllowed || column >= columnsAllowed)
        return nullptr;
    columns = std::max(columns, column + 1);
    rows = std::max(rows, row + 1);
    if (cells.size() <= row) {
        if (cells.size() == row)
            cells.emplace_back(); // rows mostly come in order, one after the other
        else
            cells.resize(row + 1);
    }
    std::vector<ExcelCell> &cellsOfRow = cells[row];
    if (cellsOfRow.size() <= column) {
        // A row usually fills up to the announced width: one allocation for
        // it, but not for a width of 256 when a row holds a single cell.
        if (cellsOfRow.capacity() == 0)
            cellsOfRow.reserve(std::max(column + 1, std::min(columns, rowReserveLimit)));
        if (cellsOfRow.size() == column)
            cellsOfRow.emplace_back(); // and so do the cells of a row
        else
            cellsOfRow.resize(column + 1);
    }
    return &cellsOfRow[column];
}

const ExcelCell *ExcelWorksheet::findCell(std::uint32_t row, std::uint32_t column) const {
    if (row >= cells.size() || column >= cells[row].size())
        return nullptr;
    return &cells[row][column];
}

bool ExcelWorksheet::clearCell(std::uint32_t row, std::uint32_t column) {
    if (row >= rows || column >= columns)
        return false;
    if (row < cells.size() && column < cells[row].size())
        cells[row][column].clear();
    return true;
}

void ExcelWorksheet::resize(std::uint32_t rowCount, std::uint32_t columnCount) {
    rows = std::min(rowCount, rowsAllowed);
    columns = std::min(columnCount, columnsAllowed);
}
