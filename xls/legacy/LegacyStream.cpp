#include "xls/legacy/LegacyStream.h"

#include "xls/biff/BiffConstants.h"
#include "xls/biff/RKValue.h"
#include "xls/biff/RecordFrame.h"
#include "xls/common/CodePage.h"
#include "xls/legacy/LegacyRecords.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace xls::legacy {
namespace {

using ZAreda::frameRecord;
using ZAreda::hasRecordHeader;
using ZAreda::recordCodeAt;
using ZAreda::RecordPayload;

// Substreams nest one level in practice (a chart on a sheet); deeper is damage.
constexpr int kMaxSubstreamDepth = 8;

bool isBofCode(std::uint16_t code) {
    return code == Code::BofBiff2 || code == Code::BofBiff3 || code == Code::BofBiff4 ||
           code == Code::BofBiff5;
}

// A formula's STRING record may follow after the shared, array or table
// formula that belongs to it; any other record ends the wait.
bool keepsPendingString(std::uint16_t code) {
    switch (code) {
    case Code::Formula2:
    case Code::Formula3:
    case Code::Formula4:
    case Code::String2:
    case Code::String:
    case Code::ShrFmla:
    case Code::ShrFmla2:
    case Code::Array2:
    case Code::Array:
    case Code::Table2:
    case Code::Table:
        return true;
    default:
        return false;
    }
}

// Reads one worksheet substream's cells into a grid.
class SheetReader {
public:
    SheetReader(Version version, std::unique_ptr<CodePageDecoder> &decoder, CellSink &sheet)
        : version(version), decoder(decoder), sheet(sheet) {}

    CellSink &sink() { return sheet; }

    // One record of the sheet; the payload is joined with its CONTINUE records.
    void read(std::uint16_t code, ByteSpan data) {
        ByteCursor cursor(data);
        switch (code) {
        case Code::Dimensions2:
        case Code::Dimensions:
            readDimensions(cursor);
            break;
        case Code::Integer2:
            if (const auto at = biff2Cell(cursor); at && cursor.has(sizeof(std::uint16_t)))
                sheet.setInteger(at->row, at->column, cursor.u16());
            break;
        case Code::Number2:
            if (const auto at = biff2Cell(cursor); at && cursor.has(sizeof(double)))
                sheet.setDouble(at->row, at->column, cursor.f64());
            break;
        case Code::Label2:
            if (const auto at = biff2Cell(cursor))
                setText(*at, byteString(cursor, cursor.u8()));
            break;
        case Code::BoolErr2:
            if (const auto at = biff2Cell(cursor))
                setBoolErr(*at, cursor);
            break;
        case Code::Formula2:
            if (version == Version::Biff2)
                readFormula(biff2Cell(cursor), cursor);
            else
                readFormula(cellAt(cursor), cursor);
            break;
        case Code::Formula3:
        case Code::Formula4:
            readFormula(cellAt(cursor), cursor);
            break;
        case Code::String2:
            takeString(byteString(cursor, cursor.u8()));
            break;
        case Code::String:
            takeString(byteString(cursor, cursor.u16()));
            break;
        case Code::Number:
            if (const auto at = cellAt(cursor); at && cursor.has(sizeof(double)))
                sheet.setDouble(at->row, at->column, cursor.f64());
            break;
        case Code::Label:
        case Code::RString:
            if (const auto at = cellAt(cursor))
                setText(*at, byteString(cursor, cursor.u16()));
            break;
        case Code::BoolErr:
            if (const auto at = cellAt(cursor))
                setBoolErr(*at, cursor);
            break;
        case Code::RK:
            if (const auto at = cellAt(cursor); at && cursor.has(sizeof(std::uint32_t)))
                ZAreda::putRk(sheet, at->row, at->column, cursor.u32());
            break;
        case Code::MulRK:
            readMulRK(cursor);
            break;
        default:
            break;
        }
        if (!keepsPendingString(code))
            pendingString.reset();
    }

private:
    struct Position {
        std::uint16_t row = 0;
        std::uint16_t column = 0;
    };

    void readDimensions(ByteCursor &cursor) {
        cursor.u16(); // first row
        const std::uint16_t lastRowPlus1 = cursor.u16();
        cursor.u16(); // first column
        const std::uint16_t lastColumnPlus1 = cursor.u16();
        if (cursor.ok())
            sheet.announceSize(lastRowPlus1, lastColumnPlus1);
    }

    // A cell record's position; the sheet reaches to it whatever its value.
    std::optional<Position> at(std::uint16_t row, std::uint16_t column, bool ok) {
        if (!ok)
            return std::nullopt;
        lastCell = {row, column};
        if (!sheet.reach(row, column))
            return std::nullopt;
        return lastCell;
    }
    // The cell a BIFF2 cell record names (u16 row, u16 column, 3 attribute bytes).
    std::optional<Position> biff2Cell(ByteCursor &cursor) {
        const std::uint16_t row = cursor.u16();
        const std::uint16_t column = cursor.u16();
        cursor.skip(kBiff2CellHeaderSize - kRowColumnSize);
        return at(row, column, cursor.ok());
    }
    // The cell a BIFF3-5 cell record names (u16 row, u16 column, u16 XF index).
    std::optional<Position> cellAt(ByteCursor &cursor) {
        const std::uint16_t row = cursor.u16();
        const std::uint16_t column = cursor.u16();
        cursor.skip(kCellHeaderSize - kRowColumnSize);
        return at(row, column, cursor.ok());
    }

    // `length` bytes of text, cut to what the record holds.
    std::optional<std::u16string> byteString(ByteCursor &cursor, std::size_t length) {
        if (!cursor.ok())
            return std::nullopt;
        return decoder->decode(cursor.bytes(std::min(length, cursor.remaining())));
    }

    void setText(Position cell, const std::optional<std::u16string> &text) {
        if (text)
            putText(sheet, cell.row, cell.column, *text);
    }

    void setBoolErr(Position cell, ByteCursor &cursor) {
        const std::uint8_t value = cursor.u8();
        const std::uint8_t isError = cursor.u8();
        if (cursor.ok() && isError == 0)
            sheet.setInteger(cell.row, cell.column, value != 0 ? 1 : 0);
    }

    // The cached result; a string result arrives in the STRING record after it.
    void readFormula(std::optional<Position> cell, ByteCursor &cursor) {
        pendingString.reset();
        if (!cell || !cursor.has(kFormulaResultSize))
            return;
        const ByteSpan result = cursor.bytes(kFormulaResultSize);
        if (loadU16(result.data() + kResultMarkerOffset) != kResultNotNumber) {
            sheet.setDouble(cell->row, cell->column, loadF64(result.data()));
            return;
        }
        if (result[0] == kResultBoolean)
            sheet.setInteger(cell->row, cell->column, result[kResultValueByte] != 0 ? 1 : 0);
        else if (result[0] == kResultString)
            pendingString = lastCell;
        // Errors and empty strings are no cell.
    }

    void takeString(const std::optional<std::u16string> &text) {
        if (pendingString && text)
            putText(sheet, pendingString->row, pendingString->column, *text);
        pendingString.reset();
    }

    void readMulRK(ByteCursor &cursor) {
        const std::uint16_t row = cursor.u16();
        const std::uint16_t firstColumn = cursor.u16();
        if (!cursor.ok() || cursor.remaining() < 2)
            return;
        const std::size_t entries = (cursor.remaining() - 2) / kMulRKEntrySize;
        for (std::size_t k = 0; k < entries; ++k) {
            cursor.u16(); // XF index
            const std::uint32_t rk = cursor.u32();
            ZAreda::putRk(sheet, row, std::uint32_t(firstColumn) + std::uint32_t(k), rk);
        }
    }

    Version version;
    std::unique_ptr<CodePageDecoder> &decoder; // the stream's; a CODEPAGE record replaces it
    CellSink &sheet;
    Position lastCell;
    std::optional<Position> pendingString;
};

class StreamReader {
public:
    StreamReader(ByteSpan stream, Version version, bool decrypted, ReadError &error)
        : stream(ZAreda::addressable(stream)), version(version), decrypted(decrypted),
          error(error) {}

    bool read(WorkbookSink &sheets) {
        std::size_t pos = 0;
        while (hasRecordHeader(stream, pos) && isBofCode(recordCodeAt(stream, pos))) {
            const std::size_t next = readSubstream(pos, sheets);
            if (error)
                return false;
            pos = next;
        }
        if (sheetCount == 0)
            return fail(ReadErrorCode::NoWorksheet, "the workbook holds no worksheet", pos);
        // Read to its end, past whatever follows the last sheet.
        return keepReading(*lastSheet, stream.size(), stream.size(), error);
    }

private:
    // Reads the substream whose BOF is at `pos`; returns where the next begins.
    std::size_t readSubstream(std::size_t pos, WorkbookSink &sheets) {
        const RecordPayload bof(stream.subspan(pos));
        const std::uint16_t type = substreamType(bof);
        const std::size_t begin = pos + bof.recordSize();
        if (type == kGlobals)
            return walk(begin, nullptr, nullptr);
        // An Excel 4.0 workbook bundles its sheets inside the globals, each
        // after a SHEETHDR record.
        if (type == kBiff4WorkbookGlobals)
            return walk(begin, nullptr, &sheets);
        if (type != kWorksheet || sheetCount >= kMaxWorksheets)
            return skipSubstream(pos);
        ++sheetCount;
        CellSink &sheet = sheets.addSheet();
        lastSheet = &sheet;
        sheet.setLimits(kMaxRows, kMaxColumns);
        SheetReader reader(version, decoder, sheet);
        return walk(begin, &reader, nullptr);
    }

    static std::uint16_t substreamType(const RecordPayload &bof) {
        ByteCursor fields(bof.data());
        fields.u16(); // version
        return fields.u16();
    }

    // Reads records from `pos` to the EOF that closes the substream; a BOF in
    // between opens a substream of its own (a chart) that is stepped over,
    // unless it is a worksheet bundled into the globals (`bundled`).
    std::size_t walk(std::size_t pos, SheetReader *sheet, WorkbookSink *bundled) {
        while (hasRecordHeader(stream, pos)) {
            const std::uint16_t code = recordCodeAt(stream, pos);
            if (code == Code::Eof)
                return pos + ZAreda::kRecordHeaderSize;
            if (isBofCode(code)) {
                const bool isBundledSheet =
                    bundled && substreamType(RecordPayload(stream.subspan(pos))) == kWorksheet;
                pos = isBundledSheet ? readSubstream(pos, *bundled) : skipSubstream(pos);
                if (error)
                    return stream.size();
                continue;
            }
            const RecordPayload payload(stream.subspan(pos));
            if (!global(code, payload, pos))
                return stream.size();
            if (sheet)
                sheet->read(code, payload.data());
            pos += payload.recordSize();
            if (sheet && !keepReading(sheet->sink(), pos, stream.size(), error))
                return stream.size();
        }
        return stream.size();
    }

    // The records that concern the whole stream: CODEPAGE and FILEPASS.
    bool global(std::uint16_t code, const RecordPayload &payload, std::size_t pos) {
        if (code == Code::FilePass && !decrypted)
            return fail(ReadErrorCode::EncryptedWorkbook,
                        "the workbook is password-protected (FILEPASS record)", pos);
        if (code != Code::CodePage)
            return true;
        ByteCursor cursor(payload.data());
        const std::uint16_t number = cursor.u16();
        if (!cursor.ok())
            return true;
        auto replacement = std::make_unique<CodePageDecoder>(number);
        if (!replacement->valid())
            return fail(ReadErrorCode::UnknownCodePage,
                        "code page " + std::to_string(number) +
                            " in the CODEPAGE record has no converter on this system",
                        pos);
        decoder = std::move(replacement);
        return true;
    }

    // Steps over the substream whose BOF is at `pos`, nested ones included.
    std::size_t skipSubstream(std::size_t pos) {
        int depth = 0;
        while (hasRecordHeader(stream, pos)) {
            const std::uint16_t code = recordCodeAt(stream, pos);
            if (isBofCode(code) && ++depth > kMaxSubstreamDepth)
                return stream.size();
            pos += frameRecord(stream.subspan(pos)).recordSize;
            if (code == Code::Eof && --depth == 0)
                return pos;
        }
        return stream.size();
    }

    bool fail(ReadErrorCode code, std::string text, std::size_t offset) {
        error = {code, std::move(text), offset};
        return false;
    }

    ByteSpan stream;
    Version version;
    bool decrypted;
    ReadError &error;
    std::size_t sheetCount = 0;
    CellSink *lastSheet = nullptr; // the one whose sink reports the end
    std::unique_ptr<CodePageDecoder> decoder = std::make_unique<CodePageDecoder>(kDefaultCodePage);
};

} // namespace

Version versionOf(ByteSpan stream) {
    if (!hasRecordHeader(stream, 0))
        return Version::None;
    switch (recordCodeAt(stream, 0)) {
    case Code::BofBiff2:
        return Version::Biff2;
    case Code::BofBiff3:
        return Version::Biff3;
    case Code::BofBiff4:
        return Version::Biff4;
    case Code::BofBiff5: {
        ByteCursor cursor(stream);
        cursor.skip(ZAreda::kRecordHeaderSize);
        return cursor.u16() == kBiff5Version && cursor.ok() ? Version::Biff5 : Version::None;
    }
    default:
        return Version::None;
    }
}

bool readLegacyStream(ByteSpan stream, bool decrypted, WorkbookSink &sheets, ReadError &error) {
    const Version version = versionOf(stream);
    if (version == Version::None) {
        error = {ReadErrorCode::CorruptWorkbookStream,
                 "the stream does not begin with a BOF record of BIFF2 to BIFF5", 0};
        return false;
    }
    return StreamReader(stream, version, decrypted, error).read(sheets);
}

} // namespace xls::legacy
