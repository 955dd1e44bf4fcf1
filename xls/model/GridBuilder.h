// The one place where what the readers report becomes worksheets.
#pragma once

#include "xls/common/CellSink.h"
#include "xls/common/LoadProgress.h"
#include "xls/model/ExcelWorksheet.h"
#include "xls/model/FinishedRows.h"

#include <deque>
#include <vector>

// Writes the cells a reader reports into a worksheet.
class GridBuilder : public xls::CellSink {
public:
    // `progress`, when given, hears how far the reader has come.
    explicit GridBuilder(ExcelWorksheet &sheet, xls::LoadProgress *progress = nullptr)
        : sheet(sheet), progress(progress) {}
    GridBuilder(const GridBuilder &) = delete;
    GridBuilder &operator=(const GridBuilder &) = delete;
    ~GridBuilder() override;

    // Tells `listener` (when not null) of the rows done as the reader goes on.
    void handRowsTo(FinishedRowsListener *listener);

    void setLimits(std::uint32_t rows, std::uint32_t columns) override;
    void announceSize(std::uint32_t rows, std::uint32_t columns) override;
    bool reach(std::uint32_t row, std::uint32_t column) override;
    bool setInteger(std::uint32_t row, std::uint32_t column, std::int32_t value) override;
    bool setDouble(std::uint32_t row, std::uint32_t column, double value) override;
    bool setText(std::uint32_t row, std::uint32_t column, std::string_view text) override;
    bool setText(std::uint32_t row, std::uint32_t column, std::u16string_view text) override;
    bool setSharedText(std::uint32_t row, std::uint32_t column,
                       std::shared_ptr<const std::u16string> text) override;
    std::uint64_t storedCells() const override { return sheet.storedCellCount(); }
    bool advance(std::uint64_t done, std::uint64_t total) override {
        readDone = done;
        readTotal = total;
        return !progress || progress->reach(done, total);
    }

    // Puts the rows written out of column order in order and hands the
    // last rows on; called once the reader is done.
    void finish();

private:
    // Rows are handed on this many at a time, which keeps the handing cheap
    // and lets the last rows written still be written again.
    static constexpr std::uint32_t rowsPerHanding = 512;

    ExcelCell *cellAt(std::uint32_t row, std::uint32_t column);
    void handOverBefore(std::uint32_t end);
    void stopHanding(bool changed);
    std::uint32_t expectedRows(std::uint32_t rowsDone) const;

    ExcelWorksheet &sheet;
    xls::LoadProgress *progress;
    FinishedRowsListener *listener = nullptr;
    std::uint32_t handedOver = 0; // rows before it are the listener's to read
    std::vector<FinishedRowsListener::Row> handing;
    std::uint64_t readDone = 0, readTotal = 0; // as the reader last told
};

// The sheets of a workbook as a reader adds them.
class GridListBuilder : public xls::WorkbookSink {
public:
    explicit GridListBuilder(xls::LoadProgress *progress = nullptr) : progress(progress) {}
    // Tells `listener` of the rows of sheet `index` (counted from 0) as they are done.
    void handRowsTo(int index, FinishedRowsListener *listener);
    xls::CellSink &addSheet() override;
    // The sheets built, settled; the builder is empty afterwards.
    std::vector<ExcelWorksheet> take();

private:
    std::deque<ExcelWorksheet> sheets;
    std::deque<GridBuilder> builders;
    xls::LoadProgress *progress;
    int listenedSheet = -1;
    FinishedRowsListener *listener = nullptr;
};
