// OpenDocument spreadsheets (OpenDocument 1.2/1.3, part 3: table:table).
#include "xls/ods/OdsReader.h"

#include "xls/xml/XmlDocument.h"

#include <charconv>
#include <cstring>

namespace xls {

namespace {

constexpr std::string_view kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kTextNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kCalcExtNs =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";
constexpr std::string_view kSpreadsheetMime = "application/vnd.oasis.opendocument.spreadsheet";
constexpr std::string_view kMimetypePart = "mimetype";
constexpr std::string_view kContentPart = "content.xml";
constexpr std::uint64_t kMaxMimetypeLength = 256;
// A repeat count larger than the whole grid makes no difference; capping it
// keeps positions far from overflowing.
constexpr std::uint64_t kMaxRepeat = std::uint64_t(kXmlMaxRows) * kXmlMaxColumns;
// The most spaces a text:s may stand for before the cell text cap refuses it.
constexpr std::uint64_t kMaxSpaces = kMaxCellText + 1;

std::uint64_t countAttribute(const char *value, std::uint64_t limit) {
    std::uint64_t n = 0;
    if (!value || std::from_chars(value, value + std::strlen(value), n).ec != std::errc() || n == 0)
        return 1;
    return std::min(n, limit);
}

// OpenDocument 1.2, part 3, 3.3: the package's media type tells the kind of
// document; a template's type extends its document's with "-template".
bool isSpreadsheetMime(std::string_view type) {
    return type == kSpreadsheetMime || type == std::string(kSpreadsheetMime) + "-template";
}

PackageContent contentOfMime(std::string_view type) {
    constexpr std::string_view prefix = "application/vnd.oasis.opendocument.";
    if (type.substr(0, prefix.size()) != prefix)
        return PackageContent::OtherOpenDocument;
    const std::string_view kind = type.substr(prefix.size());
    const auto startsWith = [kind](std::string_view word) {
        return kind.substr(0, word.size()) == word;
    };
    if (startsWith("text"))
        return PackageContent::OpenDocumentText;
    if (startsWith("presentation"))
        return PackageContent::OpenDocumentPresentation;
    if (startsWith("graphics"))
        return PackageContent::OpenDocumentDrawing;
    return PackageContent::OtherOpenDocument;
}

} // namespace

bool isOpenDocumentSpreadsheet(const ZipArchive &zip) {
    return zip.find(kContentPart) != nullptr;
}

bool readOds(const ZipArchive &zip, CellSink &sheet, ReadError &error) {
    InflateBudget budget;
    if (const ZipEntry *mimetype = zip.find(kMimetypePart)) {
        std::string type;
        if (mimetype->size > kMaxMimetypeLength) {
            error = {ReadErrorCode::NoSpreadsheetPart,
                     "a mimetype entry of " + std::to_string(mimetype->size) + " bytes",
                     mimetype->headerOffset};
            return false;
        }
        if (!zip.readAll(*mimetype, type, budget, error))
            return false;
        if (!isSpreadsheetMime(type)) {
            const PackageContent content = contentOfMime(type);
            error = {ReadErrorCode::NotSpreadsheetPackage,
                     std::string(packageContentName(content)) + " of type \"" + type +
                         "\", not a spreadsheet",
                     mimetype->headerOffset, std::nullopt, content};
            return false;
        }
    }
    SheetBuilder builder(sheet);
    OdsTableHandler handler(builder);
    return parseZipEntry(zip, *zip.find(kContentPart), handler, budget, error, &sheet);
}

void OdsTableHandler::startElement(const XmlName &name, const XmlAttributes &attributes) {
    if (tableDone)
        return;
    if (name.is(kTableNs, "table")) {
        if (tables++ > 0)
            ++tableDepth;
        return;
    }
    if (tables == 0 || tableDepth > 0)
        return;
    if (inCell) {
        if (!coveredCell)
            startTextElement(name, attributes);
    } else if (name.is(kTableNs, "table-row")) {
        inRow = true;
        rowRepeat = countAttribute(attributes.find(kTableNs, "number-rows-repeated"), kMaxRepeat);
        column = 0;
        rowCells.clear();
    } else if (inRow &&
               (name.is(kTableNs, "table-cell") || name.is(kTableNs, "covered-table-cell"))) {
        startCell(attributes, name.local == "covered-table-cell");
    }
}

void OdsTableHandler::startCell(const XmlAttributes &attributes, bool covered) {
    inCell = true;
    coveredCell = covered;
    cellRepeat = countAttribute(attributes.find(kTableNs, "number-columns-repeated"), kMaxRepeat);
    cellValue = {};
    text.clear();
    paragraphs = paragraphDepth = annotationDepth = 0;
    if (covered)
        return;
    const char *ext = attributes.find(kCalcExtNs, "value-type");
    if (ext && std::string_view(ext) == "error")
        return; // an error value: no cell
    const char *type = attributes.find(kOfficeNs, "value-type");
    const std::string_view kind = type ? type : "string";
    std::optional<double> number;
    if (kind == "float" || kind == "percentage" || kind == "currency") {
        const char *v = attributes.find(kOfficeNs, "value");
        number = v ? parseXmlNumber(v) : std::nullopt;
    } else if (kind == "date") {
        const char *v = attributes.find(kOfficeNs, "date-value");
        number = v ? parseIsoDate(v) : std::nullopt;
    } else if (kind == "time") {
        const char *v = attributes.find(kOfficeNs, "time-value");
        number = v ? parseIsoDuration(v) : std::nullopt;
    } else if (kind == "boolean") {
        const char *v = attributes.find(kOfficeNs, "boolean-value");
        if (v) {
            cellValue.kind = Value::Boolean;
            cellValue.number = std::string_view(v) == "true" || std::string_view(v) == "1";
        }
        return;
    } else {
        cellValue.kind = Value::Text;
        return;
    }
    if (number) {
        cellValue.kind = Value::Number;
        cellValue.number = *number;
    }
}

void OdsTableHandler::startTextElement(const XmlName &name, const XmlAttributes &attributes) {
    if (annotationDepth > 0 || name.is(kOfficeNs, "annotation")) {
        ++annotationDepth;
        return;
    }
    if (cellValue.kind != Value::Text)
        return;
    if (paragraphDepth == 0) {
        if (name.is(kTextNs, "p") || name.is(kTextNs, "h")) {
            if (paragraphs++ > 0)
                appendText("\n");
            ++paragraphDepth;
        }
        return;
    }
    ++paragraphDepth;
    if (name.is(kTextNs, "s")) {
        const std::uint64_t spaces = countAttribute(attributes.find(kTextNs, "c"), kMaxSpaces);
        appendText(std::string(spaces, ' '));
    } else if (name.is(kTextNs, "tab")) {
        appendText("\t");
    } else if (name.is(kTextNs, "line-break")) {
        appendText("\n");
    }
}

void OdsTableHandler::appendText(std::string_view piece) {
    if (!text.append(piece))
        parser->stop(textTooLong(parser->offset()));
}

void OdsTableHandler::characters(std::string_view piece) {
    if (inCell && !coveredCell && paragraphDepth > 0 && annotationDepth == 0 &&
        cellValue.kind == Value::Text)
        appendText(piece);
}

void OdsTableHandler::endElement(const XmlName &name) {
    if (tableDone || tables == 0)
        return;
    if (name.is(kTableNs, "table")) {
        if (tableDepth > 0)
            --tableDepth;
        else
            tableDone = true;
        return;
    }
    if (tableDepth > 0)
        return;
    if (inCell) {
        if (name.is(kTableNs, "table-cell") || name.is(kTableNs, "covered-table-cell")) {
            endCell();
        } else if (annotationDepth > 0) {
            --annotationDepth;
        } else if (paragraphDepth > 0) {
            --paragraphDepth;
        }
    } else if (name.is(kTableNs, "table-row")) {
        endRow();
    }
}

void OdsTableHandler::endCell() {
    inCell = false;
    if (cellValue.kind == Value::Text) {
        if (text.empty()) {
            cellValue.kind = Value::None;
        } else if (auto wide = text.wide()) {
            cellValue.text = std::make_shared<const std::u16string>(std::move(*wide));
        } else {
            parser->stop(textTooLong(parser->offset()));
            return;
        }
    }
    if (cellValue.kind != Value::None) {
        builder.setOffset(parser->offset());
        if (!builder.checkPosition(row, column)) {
            parser->stop(builder.error());
            return;
        }
        rowCells.push_back({column, cellRepeat, std::move(cellValue)});
    }
    column += cellRepeat;
}

void OdsTableHandler::endRow() {
    inRow = false;
    const std::uint64_t first = row;
    row += rowRepeat;
    // Counted before any is made: repeats may stand for billions of cells.
    std::uint64_t perRow = 0;
    for (const RowCell &cell : rowCells)
        perRow += cell.repeat;
    if (!rowCells.empty() &&
        (perRow > kXmlMaxCells || rowRepeat > (kXmlMaxCells - builder.cellCount()) / perRow)) {
        parser->stop({ReadErrorCode::XmlLimit,
                      "a row repeated " + std::to_string(rowRepeat) + " times with " +
                          std::to_string(perRow) + " cells makes more than the " +
                          std::to_string(kXmlMaxCells) + " cells with a value allowed",
                      parser->offset()});
        return;
    }
    for (std::uint64_t r = first; r < row && !rowCells.empty(); ++r) {
        for (const RowCell &cell : rowCells) {
            for (std::uint64_t c = cell.column; c < cell.column + cell.repeat; ++c) {
                if (!builder.checkPosition(r, c)) {
                    parser->stop(builder.error());
                    return;
                }
                const auto rr = std::uint32_t(r), cc = std::uint32_t(c);
                const bool ok = cell.value.kind == Value::Number
                                    ? builder.setNumber(rr, cc, cell.value.number)
                                : cell.value.kind == Value::Boolean
                                    ? builder.setBoolean(rr, cc, cell.value.number != 0)
                                    : builder.setText(rr, cc, cell.value.text);
                if (!ok) {
                    parser->stop(builder.error());
                    return;
                }
            }
        }
    }
}

} // namespace xls
