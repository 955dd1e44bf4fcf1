#include "xls/model/ExcelWorksheet.h"

#include <algorithm>

namespace {

// Cells written out of column order wait in a row's tail until this many
// gather; then they are sorted and merged in. A lookup scans the tail, so it
// stays short; merging by batches keeps a row written backwards from moving
// its cells once per cell.
constexpr std::size_t maxUnsortedTail = 32;

} // namespace

ExcelCell *ExcelWorksheet::cell(std::uint32_t row, std::uint32_t column) {
    if (row >= rowsAllowed || column >= columnsAllowed)
        return nullptr;
    columns = std::max(columns, column + 1);
    rows = std::max(rows, row + 1);
    if (cellRows.size() <= row) {
        if (cellRows.size() == row)
            cellRows.emplace_back(); // rows mostly come in order, one after the other
        else
            cellRows.resize(row + 1);
        // Rows of a list are alike: a new row gets room for as many cells
        // as the last row written holds, so it is sized once. Those are
        // cells present, never a size the file states.
        cellRows[row].cells.reserve(lastRowWidth);
    }
    Row &cellRow = cellRows[row];
    // Cells mostly come in column order: appended without a search.
    const bool inOrder = cellRow.sorted == cellRow.cells.size() &&
                         (cellRow.cells.empty() || cellRow.cells.back().column < column);
    if (!inOrder)
        if (const ExcelCell *found = find(cellRow, column))
            return const_cast<ExcelCell *>(found);
    ++stored;
    if (column >= perColumn.size())
        perColumn.resize(std::size_t(column) + 1);
    ++perColumn[column];
    cellRow.cells.emplace_back(column);
    lastRowWidth = cellRow.cells.size();
    if (inOrder) {
        cellRow.sorted = std::uint32_t(cellRow.cells.size());
        return &cellRow.cells.back();
    }
    if (cellRow.cells.size() - cellRow.sorted < maxUnsortedTail)
        return &cellRow.cells.back();
    merge(cellRow);
    return const_cast<ExcelCell *>(find(cellRow, column));
}

const ExcelCell *ExcelWorksheet::find(const Row &row, std::uint32_t column) {
    // A row of a list holds every column from the first: the cell is at its index.
    if (column < row.sorted && row.cells[column].column == column)
        return &row.cells[column];
    const auto sortedEnd = row.cells.begin() + row.sorted;
    const auto at = std::lower_bound(
        row.cells.begin(), sortedEnd, column,
        [](const Entry &entry, std::uint32_t wanted) { return entry.column < wanted; });
    if (at != sortedEnd && at->column == column)
        return &*at;
    for (auto tail = sortedEnd; tail != row.cells.end(); ++tail)
        if (tail->column == column)
            return &*tail;
    return nullptr;
}

std::vector<const ExcelWorksheet::Entry *> ExcelWorksheet::inOrder(const Row &row) {
    std::vector<const Entry *> entries;
    entries.reserve(row.cells.size());
    for (const Entry &entry : row.cells)
        entries.push_back(&entry);
    if (row.sorted != row.cells.size())
        std::sort(entries.begin(), entries.end(),
                  [](const Entry *a, const Entry *b) { return a->column < b->column; });
    return entries;
}

void ExcelWorksheet::merge(Row &row) {
    const auto sortedEnd = row.cells.begin() + row.sorted;
    const auto byColumn = [](const Entry &a, const Entry &b) {
        return a.column < b.column;
    };
    std::sort(sortedEnd, row.cells.end(), byColumn);
    std::inplace_merge(row.cells.begin(), sortedEnd, row.cells.end(), byColumn);
    row.sorted = std::uint32_t(row.cells.size());
}

void ExcelWorksheet::settle() {
    for (Row &row : cellRows)
        if (row.sorted != row.cells.size())
            merge(row);
}

void ExcelWorksheet::append(ExcelWorksheet &&later) {
    rows = std::max(rows, later.rows);
    columns = std::max(columns, later.columns);
    if (cellRows.size() < later.cellRows.size())
        cellRows.resize(later.cellRows.size());
    for (std::uint32_t r = 0; r < later.cellRows.size(); ++r) {
        Row &row = later.cellRows[r];
        if (cellRows[r].cells.empty()) {
            takeRow(r, std::move(row));
            continue;
        }
        for (Entry &entry : row.cells) {
            ExcelCell *cell = this->cell(r, entry.column); // within the same limits
            if (cell && entry.type() != Undefined)
                *cell = std::move(static_cast<ExcelCell &>(entry));
        }
    }
    if (!later.cellRows.empty())
        lastRowWidth = later.lastRowWidth;
    later = ExcelWorksheet();
}

void ExcelWorksheet::takeRow(std::uint32_t index, Row &&row) {
    stored += row.cells.size();
    for (const Entry &entry : row.cells) {
        if (entry.column >= perColumn.size())
            perColumn.resize(std::size_t(entry.column) + 1);
        ++perColumn[entry.column];
    }
    cellRows[index] = std::move(row);
}

const ExcelCell *ExcelWorksheet::findCell(std::uint32_t row, std::uint32_t column) const {
    if (row >= cellRows.size())
        return nullptr;
    return find(cellRows[row], column);
}

bool ExcelWorksheet::clearCell(std::uint32_t row, std::uint32_t column) {
    if (row >= rows || column >= columns)
        return false;
    if (const ExcelCell *found = findCell(row, column))
        const_cast<ExcelCell *>(found)->clear();
    return true;
}

void ExcelWorksheet::resize(std::uint32_t rowCount, std::uint32_t columnCount) {
    rows = std::min(rowCount, rowsAllowed);
    columns = std::min(columnCount, columnsAllowed);
}
