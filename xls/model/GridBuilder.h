// The one place where what the readers report becomes worksheets.
#pragma once

#include "xls/common/CellSink.h"
#include "xls/common/LoadProgress.h"
#include "xls/model/ExcelWorksheet.h"

#include <deque>
#include <memory>
#include <vector>

// Writes the cells a reader reports into a worksheet.
class GridBuilder : public xls::CellSink {
public:
    // `progress`, when given, hears how far the reader has come.
    explicit GridBuilder(ExcelWorksheet &sheet, xls::LoadProgress *progress = nullptr)
        : sheet(sheet), progress(progress) {}

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
    std::unique_ptr<xls::CellSink> laterPart() override;
    void joinLaterPart(std::unique_ptr<xls::CellSink> part) override;
    bool advance(std::uint64_t done, std::uint64_t total) override {
        return !progress || progress->reach(done, total);
    }

    // Puts the rows written out of column order in order; called once the
    // reader is done.
    void finish() { sheet.settle(); }

private:
    ExcelWorksheet &sheet;
    xls::LoadProgress *progress;
};

// The sheets of a workbook as a reader adds them.
class GridListBuilder : public xls::WorkbookSink {
public:
    explicit GridListBuilder(xls::LoadProgress *progress = nullptr) : progress(progress) {}
    xls::CellSink &addSheet() override;
    // The sheets built, settled; the builder is empty afterwards.
    std::vector<ExcelWorksheet> take();

private:
    std::deque<ExcelWorksheet> sheets;
    std::deque<GridBuilder> builders;
    xls::LoadProgress *progress;
};
