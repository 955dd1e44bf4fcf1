#include "xls/model/GridBuilder.h"

#include <algorithm>

GridBuilder::~GridBuilder() {
    stopHanding(false);
}

void GridBuilder::handRowsTo(FinishedRowsListener *newListener) {
    listener = newListener;
}

void GridBuilder::finish() {
    if (listener && sheet.rowCount() > handedOver)
        handOverBefore(sheet.rowCount());
    sheet.settle();
}

ExcelCell *GridBuilder::cellAt(std::uint32_t row, std::uint32_t column) {
    if (listener && row < handedOver)
        stopHanding(true); // a reader that goes back: what was handed on is void
    else if (listener && row - handedOver >= rowsPerHanding)
        handOverBefore(row);
    return sheet.cell(row, column);
}

void GridBuilder::handOverBefore(std::uint32_t end) {
    handing.clear();
    // Rows past the grid hold nothing: the walk ends at its last row, however
    // far a refused cell lay.
    for (std::uint32_t row = handedOver; row < std::min(end, sheet.rowCount()); ++row)
        if (const auto cells = sheet.settledRow(row); !cells.empty())
            handing.push_back({row, cells});
    handedOver = end;
    listener->rowsFinished(end, expectedRows(end), handing);
}

std::uint32_t GridBuilder::expectedRows(std::uint32_t rowsDone) const {
    // What the file announced, or the rows so far over the share read.
    double expected = std::max(rowsDone, sheet.rowCount());
    if (readDone > 0 && readDone < readTotal)
        expected = std::max(expected, double(rowsDone) * double(readTotal) / double(readDone));
    return std::uint32_t(std::min(expected, double(sheet.rowLimit())));
}

void GridBuilder::stopHanding(bool changed) {
    if (listener)
        listener->stopReading(changed);
    listener = nullptr;
}

void GridBuilder::setLimits(std::uint32_t rows, std::uint32_t columns) {
    sheet.setLimits(rows, columns);
}

void GridBuilder::announceSize(std::uint32_t rows, std::uint32_t columns) {
    sheet.resize(std::max(sheet.rowCount(), rows), std::max(sheet.columnCount(), columns));
}

bool GridBuilder::reach(std::uint32_t row, std::uint32_t column) {
    return cellAt(row, column) != nullptr;
}

bool GridBuilder::setInteger(std::uint32_t row, std::uint32_t column, std::int32_t value) {
    ExcelCell *cell = cellAt(row, column);
    if (cell)
        cell->setInteger(value);
    return cell;
}

bool GridBuilder::setDouble(std::uint32_t row, std::uint32_t column, double value) {
    ExcelCell *cell = cellAt(row, column);
    if (cell)
        cell->setDouble(value);
    return cell;
}

bool GridBuilder::setText(std::uint32_t row, std::uint32_t column, std::string_view text) {
    ExcelCell *cell = cellAt(row, column);
    if (cell)
        cell->setString(text.data(), text.size());
    return cell;
}

bool GridBuilder::setText(std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    ExcelCell *cell = cellAt(row, column);
    if (cell)
        cell->setWString(reinterpret_cast<const std::uint16_t *>(text.data()), text.size());
    return cell;
}

bool GridBuilder::setSharedText(std::uint32_t row, std::uint32_t column,
                                std::shared_ptr<const std::u16string> text) {
    ExcelCell *cell = cellAt(row, column);
    if (cell)
        cell->setSharedWString(std::move(text));
    return cell;
}

void GridListBuilder::handRowsTo(int index, FinishedRowsListener *newListener) {
    listenedSheet = index;
    listener = newListener;
}

xls::CellSink &GridListBuilder::addSheet() {
    GridBuilder &builder = builders.emplace_back(sheets.emplace_back(), progress);
    if (std::size_t(listenedSheet) == builders.size() - 1)
        builder.handRowsTo(listener);
    return builder;
}

std::vector<ExcelWorksheet> GridListBuilder::take() {
    std::vector<ExcelWorksheet> taken;
    taken.reserve(sheets.size());
    for (GridBuilder &builder : builders)
        builder.finish();
    for (ExcelWorksheet &sheet : sheets)
        taken.push_back(std::move(sheet));
    builders.clear();
    sheets.clear();
    return taken;
}
