#include "xls/model/GridBuilder.h"

#include <algorithm>

void GridBuilder::setLimits(std::uint32_t rows, std::uint32_t columns) {
    sheet.setLimits(rows, columns);
}

void GridBuilder::announceSize(std::uint32_t rows, std::uint32_t columns) {
    sheet.resize(std::max(sheet.rowCount(), rows), std::max(sheet.columnCount(), columns));
}

bool GridBuilder::reach(std::uint32_t row, std::uint32_t column) {
    return sheet.cell(row, column) != nullptr;
}

bool GridBuilder::setInteger(std::uint32_t row, std::uint32_t column, std::int32_t value) {
    ExcelCell *cell = sheet.cell(row, column);
    if (cell)
        cell->setInteger(value);
    return cell;
}

bool GridBuilder::setDouble(std::uint32_t row, std::uint32_t column, double value) {
    ExcelCell *cell = sheet.cell(row, column);
    if (cell)
        cell->setDouble(value);
    return cell;
}

bool GridBuilder::setText(std::uint32_t row, std::uint32_t column, std::string_view text) {
    ExcelCell *cell = sheet.cell(row, column);
    if (cell)
        cell->setString(text.data(), text.size());
    return cell;
}

bool GridBuilder::setText(std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    ExcelCell *cell = sheet.cell(row, column);
    if (cell)
        cell->setWString(reinterpret_cast<const std::uint16_t *>(text.data()), text.size());
    return cell;
}

bool GridBuilder::setSharedText(std::uint32_t row, std::uint32_t column,
                                std::shared_ptr<const std::u16string> text) {
    ExcelCell *cell = sheet.cell(row, column);
    if (cell)
        cell->setSharedWString(std::move(text));
    return cell;
}

namespace {

// The sheet a later part's cells are written into, until joined.
struct OwnSheet {
    ExcelWorksheet sheet;
};

// A later part's sink: its own sheet, made before the builder that writes it.
class LaterPart : private OwnSheet, public GridBuilder {
public:
    explicit LaterPart(const ExcelWorksheet &like) : GridBuilder(OwnSheet::sheet) {
        OwnSheet::sheet.setLimits(like.rowLimit(), like.columnLimit());
    }
    ExcelWorksheet &cells() { return OwnSheet::sheet; }
};

} // namespace

std::unique_ptr<xls::CellSink> GridBuilder::laterPart() {
    return std::make_unique<LaterPart>(sheet);
}

void GridBuilder::joinLaterPart(std::unique_ptr<xls::CellSink> part) {
    if (auto *later = dynamic_cast<LaterPart *>(part.get()))
        sheet.append(std::move(later->cells()));
}

xls::CellSink &GridListBuilder::addSheet() {
    return builders.emplace_back(sheets.emplace_back(), progress);
}

std::vector<ExcelWorksheet> GridListBuilder::take() {
    std::vector<ExcelWorksheet> taken;
    taken.reserve(sheets.size());
    for (ExcelWorksheet &sheet : sheets) {
        sheet.settle();
        taken.push_back(std::move(sheet));
    }
    builders.clear();
    sheets.clear();
    return taken;
}
