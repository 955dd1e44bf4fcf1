// Turns a worksheet's cell records into typed cells.
#include "xls/biff/SheetCells.h"

#include "xls/biff/RKValue.h"

#include <algorithm>

namespace ZAreda {

namespace {

using records::CellBlock;
using records::RowBlock;

// Texts are NUL-terminated for the cells' readers, so a text ends at its first NUL.
bool putText(xls::CellSink &sheet, std::uint32_t row, std::uint32_t column,
             const XLUnicodeRichExtendedString &text) {
    if (text.isWide()) {
        const std::u16string_view units = text.wideText;
        return sheet.setText(row, column,
                             units.substr(0, std::min(units.size(), units.find(u'\0'))));
    }
    const std::string_view bytes = text.narrowText;
    return sheet.setText(row, column, bytes.substr(0, std::min(bytes.size(), bytes.find('\0'))));
}

// A formula cell shows its cached result; one without a value still counts
// toward the sheet's size.
void putFormulaResult(xls::CellSink &sheet, std::uint32_t row, std::uint32_t column,
                      const CellBlock::Formula &formula) {
    using Kind = CellBlock::Formula::ResultKind;
    switch (formula.resultKind()) {
    case Kind::Number:
        sheet.setDouble(row, column, formula.resultDouble());
        return;
    case Kind::String:
        if (const CellBlock::Formula::String *string = formula.string()) {
            putText(sheet, row, column, string->text);
            return;
        }
        break;
    case Kind::Boolean:
        sheet.setInteger(row, column, formula.resultBool() ? 1 : 0);
        return;
    case Kind::Error:
    case Kind::EmptyString:
    case Kind::Unknown:
        break;
    }
    sheet.reach(row, column);
}

class CellWriter {
public:
    CellWriter(xls::CellSink &sheet, const Workbook::SharedStringTable &sst,
               const Worksheet::Dimensions &announced)
        : sheet(sheet), sst(sst), announced(announced) {}

    void apply(const RowBlock &block) {
        announce();
        for (const CellBlock &cellBlock : block.cellBlocks)
            apply(block, cellBlock);
    }

    // The sheet takes at least the size DIMENSIONS announces, wherever the
    // record stands; the cells grow it beyond that.
    void announce() {
        sheet.announceSize(announced.lastRowPlus1, std::uint32_t{announced.lastColumnPlus1});
    }

    void apply(const RowBlock &block, const CellBlock &cellBlock) {
        const std::uint32_t row = cellBlock.row();
        const std::uint32_t column = cellBlock.column();
        if (const auto *mulRK = cellBlock.mulRK()) {
            const auto entries = block.entries(*mulRK);
            for (std::uint32_t k = 0; k < entries.size(); ++k)
                putRk(sheet, row, column + k, entries[k].rk);
        } else if (const auto *label = cellBlock.label()) {
            if (label->text)
                putText(sheet, row, column, *label->text);
            else
                sheet.reach(row, column);
        } else if (const auto *label = cellBlock.labelSST()) {
            // An index past the strings leaves the cell as it is.
            if (label->stringIndex < sst.strings.size())
                putText(sheet, row, column, sst.strings[label->stringIndex]);
        } else if (const auto *number = cellBlock.number()) {
            sheet.setDouble(row, column, number->value);
        } else if (const auto *boolErr = cellBlock.boolErr()) {
            if (boolErr->errorFlag == 0)
                sheet.setInteger(row, column, boolErr->value);
        } else if (const auto *rk = cellBlock.rk()) {
            putRk(sheet, row, column, rk->rk);
        } else if (const auto *formula = cellBlock.formula()) {
            putFormulaResult(sheet, row, column, *formula);
        }
        // BLANK and MULBLANK carry formatting only.
    }

private:
    xls::CellSink &sheet;
    const Workbook::SharedStringTable &sst;
    const Worksheet::Dimensions &announced;
};

} // namespace

std::uint32_t readWorksheetCells(xls::ByteSpan from, Worksheet &records,
                                 const Workbook::SharedStringTable &sst, xls::CellSink &sheet) {
    CellWriter writer(sheet, sst, records.dimensions);
    // Once the sink asks to end, the rest of the substream is only stepped over.
    bool goesOn = true;
    records.cellTable.onRowBlock = [&](const RowBlock &block) {
        if (!goesOn)
            return;
        writer.apply(block);
        if (!block.cellBlocks.empty())
            goesOn =
                sheet.advance(block.cellBlocks.back().row() + 1, records.dimensions.lastRowPlus1);
    };
    const std::uint32_t consumed = records.Read(from);
    records.cellTable = {}; // drops the handler and the room of the last block
    writer.announce();
    return consumed;
}

} // namespace ZAreda
