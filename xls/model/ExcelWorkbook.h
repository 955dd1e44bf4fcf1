#pragma once

#include "xls/biff/Biff.h"
#include "xls/common/ReadError.h"
#include "xls/compound/CompoundFile.h"
#include "xls/model/ExcelWorksheet.h"

#include <cstdint>
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
    bool load(const char *path);
    // The same for a file already in memory.
    bool loadMemory(std::vector<std::uint8_t> bytes);

    // Null for an index that is not a sheet.
    ExcelWorksheet *sheet(int index);
    const ExcelWorksheet *sheet(int index) const;
    int sheetCount() const { return int(sheets.size()); }

    const xls::ReadError &lastError() const { return error; }

    // The container; closed again as soon as the workbook stream is in memory.
    xls::CompoundFile file;
    ZAreda::Workbook globals;
    // The sheets' records; their cell records go straight into the grids
    // and are not kept.
    std::vector<ZAreda::Worksheet> worksheets;
    std::vector<ExcelWorksheet> sheets;

private:
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
    // The grids of the load under way, built while their records are read
    // and taken over only when the whole load succeeds.
    std::vector<ExcelWorksheet> parsedSheets;
};
