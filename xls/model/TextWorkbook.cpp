// ExcelWorkbook's reading of delimited text: one sheet of text cells.
#include "xls/model/ExcelWorkbook.h"
#include "xls/model/GridBuilder.h"

bool ExcelWorkbook::loadDelimitedText(xls::ByteSpan bytes, const LoadOptions &options) {
    std::vector<ExcelWorksheet> newSheets(1);
    GridBuilder builder(newSheets.front(), &progress);
    xls::csv::DelimitedTextFormat format;
    const xls::csv::DelimitedTextOptions textOptions{std::uint16_t(options.csvCodePage),
                                                     char16_t(std::uint8_t(options.csvDelimiter))};
    error = xls::csv::readDelimitedText(bytes, textOptions, format, builder);
    textFormat = format;
    if (error)
        return false;
    builder.finish();
    takeSheets(std::move(newSheets));
    return true;
}
