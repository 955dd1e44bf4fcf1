#pragma once

#include "import/CellTextCache.h"
#include "import/ImportedTable.h"
#include "xls/model/FinishedRows.h"

#include <QFuture>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// Fills the imported table from one sheet. While the sheet is read, a thread
// of the filler's own takes the rows the reader is done with, so the table
// grows beside the reading instead of after it; once the load is over, what
// is left is filled a column per core. The thread lives no longer than the
// filler, which lives inside one import.
class TableFiller : public FinishedRowsListener {
public:
    TableFiller();
    ~TableFiller() override;
    TableFiller(const TableFiller &) = delete;
    TableFiller &operator=(const TableFiller &) = delete;

    void rowsFinished(std::uint32_t end, std::uint32_t expectedRows,
                      std::span<const Row> rows) override;
    void stopReading(bool changed) override;

    // The table of the loaded sheet, every column from 0 to its column count
    // - 1 among its keys; the rows told of before are taken as they were filled.
    ImportedTable finish(const ExcelWorksheet &sheet);

private:
    struct Rows {
        std::uint32_t end;
        std::uint32_t expectedRows;
        std::vector<Row> rows;
    };

    void fillWhileReading();
    void fillRow(const Row &row, std::uint32_t expectedRows);
    void fillRest(const ExcelWorksheet &sheet);

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Rows> waiting;             // told, not yet taken
    bool stopping = false;                // under the mutex
    std::atomic<bool> stopAsked{false};   // looked at between rows, without the lock
    bool voided = false;                  // a row told was written again
    std::vector<ImportedColumn> columns;  // the thread's until it has ended
    std::uint32_t filledRows = 0;         // rows before it are in `columns`
    std::unique_ptr<CellTextCache> texts; // too large for the stack
    QFuture<void> filling;                // last, started once the rest is ready
};
