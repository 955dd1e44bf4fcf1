#pragma once

#include "xls/biff/Biff.h"
#include "xls/common/ReadError.h"
#include "xls/compound/CompoundFile.h"
#include "xls/csv/DelimitedText.h"
#include "xls/model/ExcelWorksheet.h"
#include "xls/model/LoadOptions.h"

#include <cstdint>
#include <optional>
#include <vector>

// A loaded .xls workbook: the records of its "Workbook" stream and each
// worksheet as a grid of typed cells. Sheet i is the i-th worksheet substream
// of the stream.
class ExcelWorkbook {
public:
    ExcelWorkbook();
    ~ExcelWorkbook();
    ExcelWorkbook(const ExcelWorkbook &) = delete;
    ExcelWorkbook &operator=(const ExcelWorkbook &) = delete;

    // Loads the workbook at `path` (in the system's file-name encoding), read
    // only. False with lastError() when the file is not a BIFF8 workbook this
    // reader can use; the workbook then keeps what it held before.
    // A file of plain text is read as delimited text (CSV) instead, with the
    // options' delimiter and code page when they are set.
    bool load(const char *path, const LoadOptions &options = {});
    // The same for a file already in memory.
    bool loadMemory(std::vector<std::uint8_t> bytes, const LoadOptions &options = {});

    // Null for an index that is not a sheet.
    ExcelWorksheet *sheet(int index);
    const ExcelWorksheet *sheet(int index) const;
    int sheetCount() const { return int(sheets.size()); }

    const xls::ReadError &lastError() const { return error; }

    // The container; closed again as soon as the workbook stream is in memory.
    xls::CompoundFile file;
    ZAreda::Workbook globals;
    // The sheets' records; their cell records are released once the grids
    // are built from them.
    std::vector<ZAreda::Worksheet> worksheets;
    std::vector<ExcelWorksheet> sheets;
    // How the last loaded file was read when it was delimited text (also
    // after a refusal of one); empty for a workbook.
    std::optional<xls::csv::DelimitedTextFormat> textFormat;

private:
    bool loadDelimitedTextFile(const char *path, const LoadOptions &options);
    bool loadDelimitedText(xls::ByteSpan bytes, const LoadOptions &options);
    bool loadOpenedFile();
    bool readAndParseStream(ZAreda::Workbook &newGlobals,
                            std::vector<ZAreda::Worksheet> &newWorksheets);
    bool readWorkbookStream(std::vector<std::uint8_t> &stream);
    bool parseStream(xls::ByteSpan stream, ZAreda::Workbook &newGlobals,
                     std::vector<ZAreda::Worksheet> &newWorksheets);
    bool checkFirstBof(xls::ByteSpan stream);
    void buildSheets();
    bool fail(xls::ReadErrorCode code, std::string text, std::optional<std::uint64_t> offset = {});

    xls::ReadError error;
};
