// ExcelWorkbook's reading of delimited text: one sheet of text cells.
#include "xls/model/ExcelWorkbook.h"

#include <algorithm>
#include <cstdio>
#include <memory>

using xls::ReadErrorCode;

namespace {

// Every field becomes a text cell: 8-bit when all of it is Latin-1, as the
// compressed strings of a workbook are, otherwise UTF-16.
class SheetFieldSink : public xls::csv::FieldSink {
public:
    explicit SheetFieldSink(ExcelWorksheet &sheet) : sheet(sheet) {}

    void field(std::uint32_t record, std::uint32_t column, std::u16string_view text) override {
        ExcelCell *cell = sheet.cell(record, column);
        if (!cell)
            return; // the reader's caps keep every field inside the sheet's limits
        if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; })) {
            latin1.assign(text.begin(), text.end());
            cell->setString(latin1.data(), latin1.size());
        } else {
            cell->setWString(reinterpret_cast<const std::uint16_t *>(text.data()), text.size());
        }
    }

private:
    ExcelWorksheet &sheet;
    std::string latin1;
};

struct FileCloser {
    void operator()(std::FILE *stream) const { std::fclose(stream); }
};

} // namespace

bool ExcelWorkbook::loadDelimitedTextFile(const char *path, const LoadOptions &options) {
    std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(path, "rb"));
    if (!stream)
        return fail(ReadErrorCode::FileNotOpened, std::string("cannot open ") + path);
    // Read as the bytes arrive, one byte past the cap, never by a stated size.
    constexpr std::size_t chunk = std::size_t(1) << 20;
    std::vector<std::uint8_t> bytes;
    while (bytes.size() <= xls::csv::maxTextBytes) {
        const std::size_t before = bytes.size();
        bytes.resize(before + chunk);
        const std::size_t read = std::fread(bytes.data() + before, 1, chunk, stream.get());
        bytes.resize(before + read);
        if (read < chunk)
            break;
    }
    if (std::ferror(stream.get()))
        return fail(ReadErrorCode::FileReadFailed, "reading the file failed", bytes.size());
    return loadDelimitedText(bytes, options);
}

bool ExcelWorkbook::loadDelimitedText(xls::ByteSpan bytes, const LoadOptions &options) {
    ExcelWorksheet sheet;
    sheet.setLimits(xls::csv::maxRecords, xls::csv::maxFieldsPerRecord);
    SheetFieldSink sink(sheet);
    xls::csv::DelimitedTextFormat format;
    const xls::csv::DelimitedTextOptions textOptions{std::uint16_t(options.csvCodePage),
                                                     char16_t(std::uint8_t(options.csvDelimiter))};
    error = xls::csv::readDelimitedText(bytes, textOptions, format, sink);
    textFormat = format;
    if (error)
        return false;
    globals = {};
    worksheets.clear();
    sheets.clear();
    sheets.push_back(std::move(sheet));
    return true;
}
