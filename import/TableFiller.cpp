#include "import/TableFiller.h"

#include "xls/model/ExcelWorksheet.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <numeric>

TableFiller::TableFiller()
    : texts(std::make_unique<CellTextCache>()),
      // On the pool the column workers use: the same threads, so the same heaps.
      filling(QtConcurrent::run([this] { fillWhileReading(); })) {}

TableFiller::~TableFiller() {
    stopReading(false);
}

void TableFiller::rowsFinished(std::uint32_t end, std::uint32_t expectedRows,
                               std::span<const Row> rows) {
    {
        const std::lock_guard lock(mutex);
        if (stopping)
            return;
        waiting.push_back({end, expectedRows, std::vector<Row>(rows.begin(), rows.end())});
    }
    wake.notify_one();
}

void TableFiller::stopReading(bool changed) {
    {
        const std::lock_guard lock(mutex);
        stopping = true;
        voided = voided || changed;
    }
    stopAsked = true;
    wake.notify_one();
    filling.waitForFinished();
}

void TableFiller::fillWhileReading() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !waiting.empty(); });
        if (stopping)
            return;
        const Rows told = std::move(waiting.front());
        waiting.pop_front();
        lock.unlock();
        for (const Row &row : told.rows) {
            if (stopAsked.load(std::memory_order_relaxed)) {
                lock.lock();
                return;
            }
            fillRow(row, told.expectedRows);
            filledRows = row.index + 1;
        }
        filledRows = told.end;
        lock.lock();
    }
}

void TableFiller::fillRow(const Row &row, std::uint32_t expectedRows) {
    for (const ExcelWorksheet::Entry &cell : row.cells) {
        if (cell.type() == Undefined)
            continue;
        if (cell.column >= columns.size())
            columns.resize(std::size_t(cell.column) + 1);
        ImportedColumn &cells = columns[cell.column];
        // A hash that doubles as it goes moves its cells again and again and
        // leaves the heap strewn with what it outgrew: when full, it grows
        // to the size the rows expected foretell for this column.
        if (cells.size() >= cells.capacity())
            cells.reserve(std::max<qsizetype>(
                2 * cells.size(),
                qsizetype(double(cells.size()) * expectedRows / (row.index + 1))));
        cells.insert(int(row.index), texts->text(cell));
    }
}

namespace {

// How many cells with a value each column holds from row `from` on, so that
// every column's hash grows once.
std::vector<std::uint32_t> valuesPerColumn(const ExcelWorksheet &sheet, std::uint32_t from) {
    std::vector<std::uint32_t> counts(sheet.columnCount());
    sheet.forEachValue(
        [&](std::uint32_t, std::uint32_t column, const ExcelCell &) { ++counts[column]; }, from);
    return counts;
}

// A list fills most of its grid. Its columns are filled one at a time, each
// cell found in its row, so that a worker's text cache holds one column's
// recurring values (first names, towns) and one hash is written at a time.
bool isDense(const ExcelWorksheet &sheet) {
    return std::uint64_t(sheet.rowCount()) * sheet.columnCount() <= 4 * sheet.storedCellCount();
}

void reserveMore(ImportedColumn &cells, std::uint32_t more) {
    if (more)
        cells.reserve(cells.size() + qsizetype(more));
}

void fillNextColumns(const ExcelWorksheet &sheet, const std::vector<std::uint32_t> &counts,
                     std::uint32_t from, std::atomic<std::uint32_t> &next,
                     std::vector<ImportedColumn> &columns) {
    const auto texts = std::make_unique<CellTextCache>(); // too large for a worker's stack
    for (std::uint32_t column; (column = next++) < counts.size();) {
        if (!counts[column])
            continue;
        ImportedColumn &cells = columns[column];
        reserveMore(cells, counts[column]);
        sheet.forEachValueInColumn(
            column,
            [&](std::uint32_t row, const ExcelCell &cell) {
                cells.insert(int(row), texts->text(cell));
            },
            from);
    }
}

// A sparse sheet (a few cells in a grid announced far larger) is walked whole
// by each worker, which takes the cells of every `stride`-th column from
// `first`: the cost follows the cells, however wide or long the grid.
void fillStridedColumns(const ExcelWorksheet &sheet, const std::vector<std::uint32_t> &counts,
                        std::uint32_t from, std::uint32_t first, std::uint32_t stride,
                        std::vector<ImportedColumn> &columns) {
    std::vector<bool> mine(counts.size());
    for (std::uint32_t column = first; column < counts.size(); column += stride) {
        mine[column] = true;
        reserveMore(columns[column], counts[column]);
    }
    const auto texts = std::make_unique<CellTextCache>();
    sheet.forEachValue(
        [&](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
            if (mine[column])
                columns[column].insert(int(row), texts->text(cell));
        },
        from);
}

} // namespace

void TableFiller::fillRest(const ExcelWorksheet &sheet) {
    // Columns are independent of each other: each worker fills its share of
    // them with a text cache of its own, so the workers share nothing but the
    // counter of the next column. No list of the cells is made on the way.
    const std::vector<std::uint32_t> counts = valuesPerColumn(sheet, filledRows);
    const auto columnCount = std::uint32_t(counts.size());
    const std::uint32_t workerCount = std::min<std::uint32_t>(
        columnCount, std::uint32_t(std::max(1, QThread::idealThreadCount())));
    std::vector<std::uint32_t> workers(workerCount);
    std::iota(workers.begin(), workers.end(), 0u);
    const bool dense = isDense(sheet);
    std::atomic<std::uint32_t> nextColumn{0};
    QtConcurrent::blockingMap(workers, [&](std::uint32_t first) {
        if (dense)
            fillNextColumns(sheet, counts, filledRows, nextColumn, columns);
        else
            fillStridedColumns(sheet, counts, filledRows, first, workerCount, columns);
    });
}

ImportedTable TableFiller::finish(const ExcelWorksheet &sheet) {
    stopReading(false);
    if (voided) {
        columns.clear();
        filledRows = 0;
    }
    columns.resize(sheet.columnCount());
    fillRest(sheet);
    ImportedTable table;
    table.reserve(qsizetype(columns.size()));
    for (std::size_t column = 0; column < columns.size(); ++column)
        table.insert(int(column), std::move(columns[column]));
    columns.clear();
    return table;
}
