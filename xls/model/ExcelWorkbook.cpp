#include "xls/model/ExcelWorkbook.h"

#include "xls/biff/SheetCells.h"
#include "xls/common/CodePage.h"
#include "xls/crypto/StreamDecryption.h"
#include "xls/legacy/LegacyStream.h"
#include "xls/model/FileBytes.h"
#include "xls/model/FileFormat.h"
#include "xls/model/GridBuilder.h"
#include "xls/model/SpreadsheetFormats.h"

#include <algorithm>
#include <array>
#include <cstdio>

using xls::FileKind;
using xls::ReadErrorCode;

namespace {

constexpr std::u16string_view workbookStreamName = u"Workbook";
// Excel 5.0/95 (BIFF5/7) kept its records in a stream of this name.
constexpr std::u16string_view biff5StreamName = u"Book";
// An Excel 2007+ workbook encrypted with [MS-OFFCRYPTO] agile or standard
// encryption keeps its zip package in a stream of this name.
constexpr std::u16string_view encryptedPackageName = u"EncryptedPackage";
// No workbook of a format read here could stay within the inflation and cell
// caps beyond this size; an Excel 2.x-4.0 worksheet of 16,384 x 256 cells
// stays far below its cap.
constexpr std::uint64_t maxFileSize = 1024ull << 20;
constexpr std::uint64_t maxLegacyFileSize = 256ull << 20;

FileKind kindOf(xls::ByteSpan bytes) {
    return xls::sniffFileKind(bytes.first(std::min(bytes.size(), xls::kSniffLength)));
}

// Delimited text past its cap is refused by its reader, which names the cap.
std::uint64_t capFor(FileKind kind) {
    switch (kind) {
    case FileKind::Text:
        return xls::csv::maxTextBytes;
    case FileKind::LegacyWorksheet:
        return maxLegacyFileSize;
    default:
        return maxFileSize;
    }
}

std::uint64_t capForHead(xls::ByteSpan head) {
    return capFor(kindOf(head));
}

std::string hex16(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

} // namespace

ExcelWorkbook::ExcelWorkbook() = default;

ExcelWorkbook::~ExcelWorkbook() = default;

bool ExcelWorkbook::load(const char *path, const LoadOptions &options) {
    error = {};
    textFormat.reset();
    file.close();
    std::vector<std::uint8_t> bytes;
    if (!xls::readFileBytes(path, capForHead, bytes, error))
        return false;
    const FileKind kind = kindOf(bytes);
    const std::uint64_t cap = capFor(kind);
    if (kind != FileKind::Text && bytes.size() > cap) // text: its reader refuses it
        return fail(ReadErrorCode::FileTooLarge, "the file is larger than the " +
                                                     std::to_string(cap) +
                                                     " bytes a workbook of its kind is read to");
    return loadMemory(std::move(bytes), options);
}

bool ExcelWorkbook::loadMemory(std::vector<std::uint8_t> bytes, const LoadOptions &options) {
    progress = xls::LoadProgress(options.progress);
    const bool loaded = loadBytes(std::move(bytes), options);
    // However far down the reader noticed it, a cancelled load is refused as such.
    if (progress.cancelled() && !loaded)
        error = xls::cancelledError();
    progress = {};
    return loaded;
}

bool ExcelWorkbook::loadBytes(std::vector<std::uint8_t> bytes, const LoadOptions &options) {
    error = {};
    textFormat.reset();
    file.close();
    switch (const FileKind kind = kindOf(bytes)) {
    case FileKind::Empty:
        return fail(ReadErrorCode::EmptyFile, "the file is empty");
    case FileKind::Zip:
    case FileKind::Xml:
        return loadZipOrXml(bytes, kind == FileKind::Xml);
    case FileKind::Text:
        return loadDelimitedText(bytes, options);
    case FileKind::LegacyWorksheet: {
        bool decrypted = false;
        return decryptIfEncrypted(bytes, options, decrypted) && loadLegacyStream(bytes, decrypted);
    }
    case FileKind::CompoundFile:
        if (!file.openMemory(std::move(bytes))) {
            error = file.lastError();
            return false;
        }
        return loadOpenedFile(options);
    default:
        error = xls::notCompoundFileError(bytes);
        return false;
    }
}

void ExcelWorkbook::takeSheets(std::vector<ExcelWorksheet> newSheets) {
    globals = {};
    worksheets.clear();
    sheets = std::move(newSheets);
}

ExcelWorksheet *ExcelWorkbook::sheet(int index) {
    if (index < 0 || std::size_t(index) >= sheets.size())
        return nullptr;
    return &sheets[std::size_t(index)];
}

const ExcelWorksheet *ExcelWorkbook::sheet(int index) const {
    return const_cast<ExcelWorkbook *>(this)->sheet(index);
}

bool ExcelWorkbook::loadZipOrXml(xls::ByteSpan bytes, bool xml) {
    std::vector<ExcelWorksheet> newSheets(1);
    GridBuilder builder(newSheets.front(), &progress);
    if (!xls::readZipOrXmlWorkbook(bytes, xml, builder, error))
        return false;
    builder.finish();
    takeSheets(std::move(newSheets));
    return true;
}

bool ExcelWorkbook::loadOpenedFile(const LoadOptions &options) {
    std::vector<std::uint8_t> stream;
    const bool haveStream = readWorkbookStream(stream);
    file.close(); // nothing reads the file once the stream is in memory
    bool decrypted = false;
    if (!haveStream || !decryptIfEncrypted(stream, options, decrypted))
        return false;
    if (xls::legacy::versionOf(stream) == xls::legacy::Version::Biff5)
        return loadLegacyStream(stream, decrypted);
    // Parsed aside and taken over only when the whole load succeeds.
    ZAreda::Workbook newGlobals;
    std::vector<ZAreda::Worksheet> newWorksheets;
    if (!parseStream(stream, decrypted, newGlobals, newWorksheets))
        return false;
    globals = std::move(newGlobals);
    // The cells hold copies of their texts: the shared strings are not kept
    // for as long as the workbook stays open.
    globals.sst = ZAreda::Workbook::SharedStringTable();
    worksheets = std::move(newWorksheets);
    buildSheets();
    return true;
}

bool ExcelWorkbook::loadLegacyStream(xls::ByteSpan stream, bool decrypted) {
    GridListBuilder builder(&progress);
    if (!xls::legacy::readLegacyStream(stream, decrypted, builder, error))
        return false;
    takeSheets(builder.take());
    return true;
}

bool ExcelWorkbook::decryptIfEncrypted(std::vector<std::uint8_t> &stream,
                                       const LoadOptions &options, bool &decrypted) {
    const std::optional<std::size_t> filePass = xls::crypto::findFilePass(stream);
    if (!filePass)
        return true;
    decrypted = xls::crypto::decryptStream(stream, *filePass, options.password,
                                           xls::codePageWindows1252, error);
    return decrypted;
}

bool ExcelWorkbook::readWorkbookStream(std::vector<std::uint8_t> &stream) {
    // Compound file names compare case-insensitively: Excel also opens
    // "WORKBOOK" and "WorkBook", and "BOOK" for an Excel 5.0/95 workbook.
    const xls::DirectoryNode *node =
        file.findChildIgnoringCase(file.rootNode(), workbookStreamName);
    if (!node)
        node = file.findChildIgnoringCase(file.rootNode(), biff5StreamName);
    if (!node) {
        if (file.findChildIgnoringCase(file.rootNode(), encryptedPackageName))
            return fail(ReadErrorCode::EncryptedOfficeOpenXml,
                        "an encrypted Excel 2007+ workbook (.xlsx): the compound file holds an "
                        "\"EncryptedPackage\" stream");
        return fail(ReadErrorCode::NoWorkbookStream,
                    "the compound file holds no \"Workbook\" or \"Book\" stream");
    }
    if (file.readStream(node, stream) != xls::CompoundFile::Success) {
        error = file.lastError();
        return false;
    }
    if (stream.empty())
        return fail(ReadErrorCode::NoWorkbookStream, "the workbook stream is empty");
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
    if (!bof.isBiff8())
        return fail(
            ReadErrorCode::CorruptWorkbookStream,
            "BIFF version " + hex16(bof.version) +
                " in the first BOF record, this reader needs BIFF5 (0x0500) or BIFF8 (0x0600)",
            0);
    if (bof.type != ZAreda::kGlobalsSubstream)
        return fail(ReadErrorCode::CorruptWorkbookStream,
                    "the first substream has type " + hex16(bof.type) +
                        ", not the workbook globals (0x0005)",
                    0);
    return true;
}

bool ExcelWorkbook::parseStream(xls::ByteSpan stream, bool decrypted, ZAreda::Workbook &newGlobals,
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
            if (newGlobals.filePass && !decrypted)
                return fail(ReadErrorCode::EncryptedWorkbook,
                            "the workbook is password-protected (FILEPASS record)", pos);
            if (newGlobals.truncated)
                return fail(ReadErrorCode::TruncatedWorkbookStream,
                            "the \"Workbook\" stream ends inside the workbook globals, " +
                                std::to_string(stream.size()) + " bytes long",
                            pos);
        } else if (bof.type == ZAreda::kWorksheetSubstream) {
            ZAreda::Worksheet &sheet = newWorksheets.emplace_back();
            GridBuilder grid(parsedSheets.emplace_back(), &progress);
            consumed = ZAreda::readWorksheetCells(from, sheet, newGlobals.sst, grid);
            grid.finish();
            if (progress.cancelled())
                return fail(ReadErrorCode::Cancelled, xls::cancelledError().text);
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
