#include "xls/model/ExcelWorkbook.h"

#include "xls/model/GridBuilder.h"

#include <cstdio>

using xls::ReadErrorCode;

namespace {

constexpr std::u16string_view workbookStreamName = u"Workbook";
// Excel 5.0/95 (BIFF5/7) kept its records in a stream of this name.
constexpr std::u16string_view biff5StreamName = u"Book";

std::string hex16(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

} // namespace

ExcelWorkbook::ExcelWorkbook() = default;

ExcelWorkbook::~ExcelWorkbook() = default;

bool ExcelWorkbook::load(const char *path) {
    error = {};
    file.close();
    if (!file.open(path, xls::CompoundFile::OpenRead)) {
        error = file.lastError();
        return false;
    }
    return loadOpenedFile();
}

bool ExcelWorkbook::loadMemory(std::vector<std::uint8_t> bytes) {
    error = {};
    file.close();
    if (!file.openMemory(std::move(bytes))) {
        error = file.lastError();
        return false;
    }
    return loadOpenedFile();
}

ExcelWorksheet *ExcelWorkbook::sheet(int index) {
    if (index < 0 || std::size_t(index) >= sheets.size())
        return nullptr;
    return &sheets[std::size_t(index)];
}

const ExcelWorksheet *ExcelWorkbook::sheet(int index) const {
    return const_cast<ExcelWorkbook *>(this)->sheet(index);
}

bool ExcelWorkbook::loadOpenedFile() {
    // Parsed aside and taken over only when the whole load succeeds.
    ZAreda::Workbook newGlobals;
    std::vector<ZAreda::Worksheet> newWorksheets;
    if (!readAndParseStream(newGlobals, newWorksheets))
        return false;
    globals = std::move(newGlobals);
    worksheets = std::move(newWorksheets);
    buildSheets();
    return true;
}

bool ExcelWorkbook::readAndParseStream(ZAreda::Workbook &newGlobals,
                                       std::vector<ZAreda::Worksheet> &newWorksheets) {
    std::vector<std::uint8_t> stream;
    const bool haveStream = readWorkbookStream(stream);
    file.close(); // nothing reads the file once the stream is in memory
    return haveStream && parseStream(stream, newGlobals, newWorksheets);
}

bool ExcelWorkbook::readWorkbookStream(std::vector<std::uint8_t> &stream) {
    // Compound file names compare case-insensitively: Excel also opens
    // "WORKBOOK" and "WorkBook".
    const xls::DirectoryNode *node =
        file.findChildIgnoringCase(file.rootNode(), workbookStreamName);
    if (!node) {
        if (file.findChildIgnoringCase(file.rootNode(), biff5StreamName))
            return fail(ReadErrorCode::Excel95Workbook,
                        "an Excel 5.0/95 workbook: its records are in a \"Book\" stream, not "
                        "\"Workbook\"");
        return fail(ReadErrorCode::NoWorkbookStream,
                    "the compound file holds no \"Workbook\" stream");
    }
    if (file.readStream(node, stream) != xls::CompoundFile::Success) {
        error = file.lastError();
        return false;
    }
    if (stream.empty())
        return fail(ReadErrorCode::NoWorkbookStream, "the \"Workbook\" stream is empty");
    return true;
}

bool ExcelWorkbook::checkFirstBof(xls::ByteSpan stream) {
    if (!ZAreda::hasRecordHeader(stream, 0))
        return fail(ReadErrorCode::TruncatedWorkbookStream,
                    "the \"Workbook\" stream of " + std::to_string(stream.size()) +
                        " bytes is shorter than one record header");
    const std::uint16_t code = ZAreda::recordCodeAt(stream, 0);
    if (code != ZAreda::RecordCode::BOF)
        return fail(ReadErrorCode::CorruptWorkbookStream,
                    "the \"Workbook\" stream begins with record " + hex16(code) +
                        ", not with a BOF record",
                    0);
    ZAreda::BOF bof;
    bof.Read(stream);
    if (bof.version == ZAreda::kBiff5Version)
        return fail(ReadErrorCode::Excel95Workbook,
                    "an Excel 5.0/95 workbook: BIFF version " + hex16(bof.version) +
                        " in its first BOF record, this reader needs BIFF8 (0x0600)",
                    0);
    if (!bof.isBiff8())
        return fail(ReadErrorCode::CorruptWorkbookStream,
                    "BIFF version " + hex16(bof.version) +
                        " in the first BOF record, this reader needs BIFF8 (0x0600)",
                    0);
    if (bof.type != ZAreda::kGlobalsSubstream)
        return fail(ReadErrorCode::CorruptWorkbookStream,
                    "the first substream has type " + hex16(bof.type) +
                        ", not the workbook globals (0x0005)",
                    0);
    return true;
}

bool ExcelWorkbook::parseStream(xls::ByteSpan stream, ZAreda::Workbook &newGlobals,
                                std::vector<ZAreda::Worksheet> &newWorksheets) {
    stream = ZAreda::addressable(stream);
    parsedSheets.clear();
    if (!checkFirstBof(stream))
        return false;

    std::size_t pos = 0;
    while (ZAreda::hasRecordHeader(stream, pos) &&
           ZAreda::recordCodeAt(stream, pos) == ZAreda::RecordCode::BOF) {
        const xls::ByteSpan from = stream.subspan(pos);
        ZAreda::BOF bof;
        bof.Read(from);
        std::uint32_t consumed = 0;
        if (bof.type == ZAreda::kGlobalsSubstream) {
            consumed = newGlobals.Read(from);
            if (newGlobals.filePass)
                return fail(ReadErrorCode::EncryptedWorkbook,
                            "the workbook is password-protected (FILEPASS record)", pos);
            if (newGlobals.truncated)
                return fail(ReadErrorCode::TruncatedWorkbookStream,
                            "the \"Workbook\" stream ends inside the workbook globals, " +
                                std::to_string(stream.size()) + " bytes long",
                            pos);
        } else if (bof.type == ZAreda::kWorksheetSubstream) {
            ZAreda::Worksheet &sheet = newWorksheets.emplace_back();
            consumed =
                readWorksheetIntoGrid(from, sheet, newGlobals.sst, parsedSheets.emplace_back());
            // A later sheet cut short keeps what it holds; the first one is
            // what gets imported, so it must be whole.
            if (sheet.truncated && newWorksheets.size() == 1)
                return fail(ReadErrorCode::TruncatedWorkbookStream,
                            "the \"Workbook\" stream ends inside the first worksheet, " +
                                std::to_string(stream.size()) + " bytes long",
                            pos);
        } else {
            // A chart, macro or module sheet: stepped over, so the worksheets
            // after it are read as well.
            consumed = ZAreda::skipSubstream(from);
        }
        if (consumed == 0)
            break;
        pos += consumed;
    }
    if (newWorksheets.empty())
        return fail(ReadErrorCode::NoWorksheet, "the workbook holds no worksheet");
    return true;
}

void ExcelWorkbook::buildSheets() {
    sheets = std::move(parsedSheets);
    parsedSheets.clear();
}

bool ExcelWorkbook::fail(ReadErrorCode code, std::string text,
                         std::optional<std::uint64_t> offset) {
    error = {code, std::move(text), offset};
    return false;
}
