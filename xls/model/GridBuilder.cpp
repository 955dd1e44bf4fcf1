// Turns a worksheet's cell records into its grid of typed cells.
#include "xls/model/CellValues.h"
#include "xls/model/ExcelWorkbook.h"

#include <algorithm>

namespace {

using ZAreda::records::CellBlock;
using ZAreda::records::RowBlock;

// Texts are NUL-terminated for the cell's readers, so a text ends at its first NUL.
void setText(ExcelCell &cell, const ZAreda::XLUnicodeRichExtendedString &text) {
    if (text.isWide()) {
        const std::u16string &units = text.wideText;
        const auto end = std::find(units.begin(), units.end(), u'\0');
        cell.setWString(reinterpret_cast<const std::uint16_t *>(units.data()),
                        std::size_t(end - units.begin()));
    } else {
        const std::string &bytes = text.narrowText;
        cell.setString(bytes.data(), std::min(bytes.size(), bytes.find('\0')));
    }
}

// A formula cell shows its cached result.
void setFormulaResult(ExcelCell &cell, const CellBlock::Formula &formula) {
    using Kind = CellBlock::Formula::ResultKind;
    switch (formula.resultKind()) {
    case Kind::Number:
        cell.setDouble(formula.resultDouble());
        break;
    case Kind::String:
        if (const CellBlock::Formula::String *string = formula.string())
            setText(cell, string->text);
        break;
    case Kind::Boolean:
        cell.setInteger(formula.resultBool() ? 1 : 0);
        break;
    case Kind::Error:
    case Kind::EmptyString:
    case Kind::Unknown:
        break;
    }
}

class GridBuilder {
public:
    GridBuilder(ExcelWorksheet &sheet, const ZAreda::Workbook::SharedStringTable &sst)
        : sheet(sheet), sst(sst) {}

    void apply(const RowBlock &block, const CellBlock &cellBlock) {
        const std::uint32_t row = cellBlock.row();
        const std::uint32_t column = cellBlock.column();
        if (const auto *mulRK = cellBlock.mulRK()) {
            const auto entries = block.entries(*mulRK);
            for (std::uint32_t k = 0; k < entries.size(); ++k)
                if (ExcelCell *cell = sheet.cell(row, column + k))
                    setRkValue(*cell, entries[k].rk);
        } else if (const auto *label = cellBlock.label()) {
            if (ExcelCell *cell = sheet.cell(row, column); cell && label->text)
                setText(*cell, *label->text);
        } else if (const auto *label = cellBlock.labelSST()) {
            // An index past the strings leaves the cell as it is.
            if (label->stringIndex < sst.strings.size())
                if (ExcelCell *cell = sheet.cell(row, column))
                    setText(*cell, sst.strings[label->stringIndex]);
        } else if (const auto *number = cellBlock.number()) {
            if (ExcelCell *cell = sheet.cell(row, column))
                cell->setDouble(number->value);
        } else if (const auto *boolErr = cellBlock.boolErr()) {
            if (boolErr->errorFlag == 0)
                if (ExcelCell *cell = sheet.cell(row, column))
                    cell->setInteger(boolErr->value);
        } else if (const auto *rk = cellBlock.rk()) {
            if (ExcelCell *cell = sheet.cell(row, column))
                setRkValue(*cell, rk->rk);
        } else if (const auto *formula = cellBlock.formula()) {
            if (ExcelCell *cell = sheet.cell(row, column))
                setFormulaResult(*cell, *formula);
        }
        // BLANK and MULBLANK carry formatting only.
    }

private:
    ExcelWorksheet &sheet;
    const ZAreda::Workbook::SharedStringTable &sst;
};

} // namespace

ExcelWorksheet::ExcelWorksheet(ExcelWorkbook *workbook, int index)
    : workbook(workbook), sheetIndex(index) {
    const ZAreda::Worksheet &records = workbook->worksheets.at(std::size_t(index));
    resize(records.dimensions.lastRowPlus1, records.dimensions.lastColumnPlus1);
    GridBuilder builder(*this, workbook->globals.sst);
    for (const RowBlock &block : records.cellTable.rowBlocks)
        for (const CellBlock &cellBlock : block.cellBlocks)
            builder.apply(block, cellBlock);
}
