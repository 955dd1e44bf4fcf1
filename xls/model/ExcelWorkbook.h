#pragma once

#include "xls/biff/Biff.h"
#include "xls/common/ReadError.h"
#include "xls/compound/CompoundFile.h"
#include "xls/model/ExcelWorksheet.h"
#include "xls/model/LoadOptions.h"

#include <cstdint>
#include <vector>

// A loaded .xls workbook: the records of its "Workbook" stream and each
// worksheet as a grid of typed cells. Sheet i is the i-th worksheet substream
// of the stream. Excel 5.0/95 workbooks ("Book" stream) and Excel 2.x-4.0
// worksheet files are read into the same grids (their record-level `globals`
// and `worksheets` stay empty), and an encrypted stream is decrypted in
// memory first.
class ExcelWorkbook {
public:
    ExcelWorkbook();
    ~ExcelWorkbook();
    ExcelWorkbook(const ExcelWorkbook &) = delete;
    ExcelWorkbook &operator=(const ExcelWorkbook &) = delete;

    // Loads the workbook at `path` (in the system's file-name encoding), read
    // only. False with lastError() when the file is not a workbook this
    // reader can use; the workbook then keeps what it held before. An
    // encrypted workbook is tried with Excel's default password, then with
    // options.password; the password is not kept.
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

private:
    bool loadOpenedFile(const LoadOptions &options);
    bool loadLegacyFile(const char *path, const LoadOptions &options);
    bool loadLegacyStream(xls::ByteSpan stream, bool decrypted);
    bool readWorkbookStream(std::vector<std::uint8_t> &stream);
    bool decryptIfEncrypted(std::vector<std::uint8_t> &stream, const LoadOptions &options,
                            bool &decrypted);
    bool parseStream(xls::ByteSpan stream, bool decrypted, ZAreda::Workbook &newGlobals,
                     std::vector<ZAreda::Worksheet> &newWorksheets);
    bool checkFirstBof(xls::ByteSpan stream);
    void buildSheets();
    bool fail(xls::ReadErrorCode code, std::string text, std::optional<std::uint64_t> offset = {});

    xls::ReadError error;
};
