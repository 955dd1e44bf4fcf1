#pragma once

#include "xls/biff/Biff.h"
#include "xls/common/LoadOptions.h"
#include "xls/common/ReadError.h"
#include "xls/compound/CompoundFile.h"
#include "xls/csv/DelimitedText.h"
#include "xls/model/ExcelWorksheet.h"

#include <cstdint>
#include <optional>
#include <vector>

// A loaded workbook of any format the reader knows, and the one place that
// names them all: load() reads the file once, tells its format once and
// hands the bytes to that format's reader, which writes into the worksheets.
// Each worksheet is a grid of typed cells. For an .xls workbook sheet i is the
// i-th worksheet substream of its "Workbook" stream, whose records stay in
// `globals` and `worksheets`; Excel 5.0/95 workbooks ("Book" stream) and
// Excel 2.x-4.0 worksheet files hold several sheets too, an encrypted stream
// is decrypted in memory first. .xlsx/.xlsm, .ods/.fods and XML Spreadsheet
// 2003 give their first worksheet, delimited text (CSV) one sheet of texts;
// for those the record-level members stay empty.
class ExcelWorkbook {
public:
    ExcelWorkbook();
    ~ExcelWorkbook();
    ExcelWorkbook(const ExcelWorkbook &) = delete;
    ExcelWorkbook &operator=(const ExcelWorkbook &) = delete;

    // Loads the workbook at `path` (in the system's file-name encoding),
    // opened for reading only and read once into memory. False with lastError() when the file is
    // not a workbook this reader can use; the workbook then keeps what it held before. An encrypted
    // workbook is tried with Excel's default password, then with options.password; the password is
    // not kept. A file of plain text is read as delimited text (CSV), with the options' delimiter
    // and code page when they are set.
    bool load(const char *path, const LoadOptions &options = {});
    // The same for a file already in memory.
    bool loadMemory(std::vector<std::uint8_t> bytes, const LoadOptions &options = {});

    // Null for an index that is not a sheet.
    ExcelWorksheet *sheet(int index);
    const ExcelWorksheet *sheet(int index) const;
    int sheetCount() const { return int(sheets.size()); }

    const xls::ReadError &lastError() const { return error; }

    // The container of an .xls; closed again as soon as the workbook stream
    // is in memory.
    xls::CompoundFile file;
    ZAreda::Workbook globals;
    // The sheets' records; their cell records go straight into the grids
    // and are not kept.
    std::vector<ZAreda::Worksheet> worksheets;
    std::vector<ExcelWorksheet> sheets;
    // How the last loaded file was read when it was delimited text (also
    // after a refusal of one); empty for a workbook.
    std::optional<xls::csv::DelimitedTextFormat> textFormat;

private:
    bool loadBytes(std::vector<std::uint8_t> bytes, const LoadOptions &options);
    bool loadDelimitedText(xls::ByteSpan bytes, const LoadOptions &options);
    bool loadOpenedFile(const LoadOptions &options);
    bool loadLegacyStream(xls::ByteSpan stream, bool decrypted);
    // .xlsx, .xlsm, .ods, .fods and XML Spreadsheet 2003: their first worksheet.
    bool loadZipOrXml(xls::ByteSpan bytes, bool xml);
    void takeSheets(std::vector<ExcelWorksheet> newSheets);
    bool readWorkbookStream(std::vector<std::uint8_t> &stream);
    bool decryptIfEncrypted(std::vector<std::uint8_t> &stream, const LoadOptions &options,
                            bool &decrypted);
    bool parseStream(xls::ByteSpan stream, bool decrypted, ZAreda::Workbook &newGlobals,
                     std::vector<ZAreda::Worksheet> &newWorksheets);
    bool checkFirstBof(xls::ByteSpan stream);
    void buildSheets();
    bool fail(xls::ReadErrorCode code, std::string text, std::optional<std::uint64_t> offset = {});

    xls::ReadError error;
    // The caller's progress callback for the load under way.
    xls::LoadProgress progress;
    // The grids of the load under way, built while their records are read
    // and taken over only when the whole load succeeds.
    std::vector<ExcelWorksheet> parsedSheets;
};
