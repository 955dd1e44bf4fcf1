// The cells of an Office Open XML worksheet (ECMA-376 Part 1, 18.3 and 18.4).
#include "xls/xlsx/XlsxReader.h"

#include "xls/xlsx/SharedStrings.h"
#include "xls/xlsx/XlsxNames.h"
#include "xls/xlsx/XlsxPackage.h"
#include "xls/xml/SheetBuilder.h"
#include "xls/xml/XmlDocument.h"
#include "xls/xml/XmlInParts.h"
#include "xls/zip/Inflater.h"

#include <atomic>
#include <cctype>
#include <charconv>
#include <memory>
#include <utility>

namespace xls {

namespace {

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// ECMA-376 22.9.2.19 ST_Xstring: "_xHHHH_" stands for the UTF-16 unit HHHH.
constexpr std::size_t escapeLength = 7;

void decodeEscapes(std::u16string &text) {
    if (text.find(u"_x") == std::u16string::npos)
        return;
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == u'_' && escapeLength <= text.size() - i && text[i + 1] == u'x' &&
            text[i + 6] == u'_') {
            int value = 0;
            bool hex = true;
            for (std::size_t k = 2; k < 6 && hex; ++k) {
                const int digit = hexDigit(text[i + k]);
                hex = digit >= 0;
                value = value * 16 + digit;
            }
            if (hex) {
                text[out++] = char16_t(value);
                i += escapeLength;
                continue;
            }
        }
        text[out++] = text[i++];
    }
    text.resize(out);
}

// A text of kMaxCellText units written with an escape for each unit: the
// most raw bytes a text within the cap may take. The cap itself is checked
// on the decoded text.
constexpr std::size_t kMaxEscapedTextBytes = escapeLength * kMaxCellText;

// A cell text, decoded and checked against the cell length cap.
std::optional<std::u16string> finishText(const TextCollector &text) {
    std::u16string wide = utf8ToUtf16(text.bytes());
    decodeEscapes(wide);
    if (wide.size() > kMaxCellText)
        return std::nullopt;
    return wide;
}

// Texts of <t> elements that belong to the value: those of phonetic runs
// (<rPh>) are left out.
class RunText {
public:
    // Returns false when the text grows past the cap.
    bool start(std::string_view local) {
        if (local == "rPh")
            ++phonetic;
        else if (local == "t" && phonetic == 0)
            collecting = true;
        return true;
    }
    void end(std::string_view local) {
        if (local == "rPh")
            --phonetic;
        else if (local == "t")
            collecting = false;
    }
    bool characters(std::string_view piece) { return !collecting || text.append(piece); }
    void clear() {
        text.clear();
        collecting = false;
        phonetic = 0;
    }
    TextCollector text{kMaxEscapedTextBytes};

private:
    bool collecting = false;
    int phonetic = 0;
};

class SharedStringsHandler : public XmlHandler {
public:
    SharedStringsHandler(xlsx::SharedStringStore &strings, const std::atomic<bool> &stop)
        : strings(strings), stop(stop) {}

    void startElement(const XmlName &name, const XmlAttributes &) override {
        if (stop.load(std::memory_order_relaxed)) {
            parser->stop(
                {ReadErrorCode::Cancelled, "the sheet has ended the reading", parser->offset()});
            return;
        }
        if (!xlsx::isMain(name.ns))
            return;
        const std::string_view local = name.local;
        if (local == "si") {
            inItem = true;
            run.clear();
        } else if (inItem) {
            run.start(local);
        }
    }
    void endElement(const XmlName &name) override {
        if (!xlsx::isMain(name.ns))
            return;
        const std::string_view local = name.local;
        if (local != "si") {
            run.end(local);
            return;
        }
        inItem = false;
        xlsx::SharedText text;
        if (!run.text.empty()) {
            auto wide = finishText(run.text);
            if (!wide) {
                parser->stop(textTooLong(parser->offset()));
                return;
            }
            text = std::make_shared<const std::u16string>(std::move(*wide));
        }
        if (!strings.add(std::move(text)))
            parser->stop({ReadErrorCode::XmlLimit,
                          "more than " + std::to_string(kXmlMaxCells) + " shared strings",
                          parser->offset()});
    }
    void characters(std::string_view piece) override {
        if (inItem && !run.characters(piece))
            parser->stop(textTooLong(parser->offset()));
    }

private:
    xlsx::SharedStringStore &strings;
    const std::atomic<bool> &stop;
    bool inItem = false;
    RunText run;
};

// "B12" -> column 1, row 11; false for anything else.
bool parseReference(std::string_view ref, std::uint64_t &row, std::uint64_t &column) {
    std::size_t i = 0;
    std::uint64_t letters = 0;
    // Some writers use lower-case column letters.
    while (i < ref.size() && std::isalpha(static_cast<unsigned char>(ref[i])) && i < 4)
        letters = letters * 26 +
                  std::uint64_t(std::toupper(static_cast<unsigned char>(ref[i++])) - 'A' + 1);
    std::uint64_t number = 0;
    const auto result = std::from_chars(ref.data() + i, ref.data() + ref.size(), number);
    if (letters == 0 || result.ec != std::errc() || result.ptr != ref.data() + ref.size() ||
        number == 0)
        return false;
    row = number - 1;
    column = letters - 1;
    return true;
}

// A cell's t attribute (ECMA-376 Part 1, 18.18.11 ST_CellType), told once
// when the cell starts. A type not listed reads as a number, as "n" does.
enum class CellType { Number, SharedString, InlineString, FormulaString, Boolean, Error, Date };

constexpr std::pair<std::string_view, CellType> kCellTypes[] = {
    {"s", CellType::SharedString},    {"inlineStr", CellType::InlineString},
    {"str", CellType::FormulaString}, {"b", CellType::Boolean},
    {"e", CellType::Error},           {"d", CellType::Date}};

CellType typeOf(const char *t) {
    for (const auto &[name, type] : kCellTypes)
        if (t && name == t)
            return type;
    return CellType::Number;
}

// A sheet part of 4 MiB and more (some 100,000 cells) is read on two cores,
// cut before rows.
constexpr XmlCut kSheetCut{xlsx::isMain,           "sheetData",  "row", kXmlMaxCells,
                           std::uint64_t(4) << 20, kXmlPieceSize};

class WorksheetHandler : public XmlHandler {
public:
    // `fromCut`: the handler takes the sheet up at a row in its middle,
    // which must then say its number.
    WorksheetHandler(CellSink &sheet, const xlsx::SharedStringsBeside &strings, bool fromCut)
        : builder(sheet), strings(strings), firstRowNumbered(fromCut) {}

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        if (!xlsx::isMain(name.ns))
            return;
        const std::string_view local = name.local;
        if (inCell) {
            if (local == "v") {
                inValue = true;
            } else if (local == "is") {
                inInline = true;
                run.clear();
            } else if (inInline) {
                run.start(local);
            }
        } else if (local == "c") {
            startCell(attributes);
        } else if (local == "row") {
            startRow(attributes);
        } else if (local == "sheetData") {
            inSheetData = true;
        }
    }

    void endElement(const XmlName &name) override {
        if (!xlsx::isMain(name.ns))
            return;
        const std::string_view local = name.local;
        if (local == "c" && inCell) {
            builder.setOffset(parser->offset());
            endCell();
        } else if (local == "v") {
            inValue = false;
        } else if (local == "is") {
            inInline = false;
        } else if (inInline) {
            run.end(local);
        } else if (local == "sheetData") {
            inSheetData = false;
        }
    }

    void characters(std::string_view piece) override {
        const bool fits = inValue ? value.append(piece) : !inInline || run.characters(piece);
        if (!fits)
            parser->stop(textTooLong(parser->offset()));
    }

private:
    void startRow(const XmlAttributes &attributes) {
        std::uint64_t number = 0;
        const char *r = attributes.find("r");
        const bool numbered =
            r && std::from_chars(r, r + std::strlen(r), number).ec == std::errc() && number > 0;
        if (firstRowNumbered && !numbered) {
            parser->stop({ReadErrorCode::CorruptXml, "a row without its number, where a cut begins",
                          parser->offset()});
            return;
        }
        firstRowNumbered = false;
        if (numbered)
            row = number - 1;
        else
            row = nextRow;
        nextRow = row + 1;
        nextColumn = 0;
    }

    void startCell(const XmlAttributes &attributes) {
        if (!inSheetData)
            return;
        inCell = true;
        value.clear();
        run.clear();
        type = typeOf(attributes.find("t"));
        std::uint64_t refRow = 0;
        const char *r = attributes.find("r");
        if (r && parseReference(r, refRow, column)) {
            row = refRow;
            nextRow = std::max(nextRow, row + 1);
        } else {
            column = nextColumn;
        }
        nextColumn = column + 1;
    }

    void endCell() {
        inCell = inValue = inInline = false;
        if (type == CellType::InlineString) {
            setText(run.text);
        } else if (value.empty() || type == CellType::Error) {
            // no cached value, or an error: no cell
        } else if (type == CellType::SharedString) {
            std::size_t index = 0;
            const std::string &v = value.bytes();
            const xlsx::SharedText *text = nullptr;
            if (std::from_chars(v.data(), v.data() + v.size(), index).ec == std::errc())
                text = strings.wait(index);
            if (text)
                put(builder.setText(std::uint32_t(row), std::uint32_t(column), *text));
            else
                put(builder.checkPosition(row, column));
        } else if (type == CellType::FormulaString) {
            setText(value);
        } else if (type == CellType::Boolean) {
            if (inGrid())
                put(builder.setBoolean(std::uint32_t(row), std::uint32_t(column),
                                       value.bytes() == "1" || value.bytes() == "true"));
        } else if (type == CellType::Date) {
            setNumber(parseIsoDate(value.bytes()));
        } else {
            setNumber(parseXmlNumber(value.bytes()));
        }
    }

    bool inGrid() {
        if (builder.checkPosition(row, column))
            return true;
        parser->stop(builder.error());
        return false;
    }
    void put(bool ok) {
        if (!ok)
            parser->stop(builder.error());
    }
    void setNumber(std::optional<double> number) {
        if (number && inGrid())
            put(builder.setNumber(std::uint32_t(row), std::uint32_t(column), *number));
    }
    void setText(const TextCollector &text) {
        if (text.empty() || !inGrid())
            return;
        auto wide = finishText(text);
        if (!wide) {
            parser->stop(textTooLong(parser->offset()));
            return;
        }
        put(builder.setText(std::uint32_t(row), std::uint32_t(column),
                            std::make_shared<const std::u16string>(std::move(*wide))));
    }

    SheetBuilder builder;
    const xlsx::SharedStringsBeside &strings;
    bool firstRowNumbered; // the next row must say its number
    bool inSheetData = false, inCell = false, inValue = false, inInline = false;
    CellType type = CellType::Number;
    std::uint64_t row = 0, nextRow = 0, column = 0, nextColumn = 0;
    TextCollector value{kMaxEscapedTextBytes};
    RunText run;
};

} // namespace

bool isOfficeOpenXmlPackage(const ZipArchive &zip) {
    return zip.find(xlsx::kPackageRelationshipsPart) != nullptr;
}

bool readXlsx(const ZipArchive &zip, CellSink &sheet, ReadError &error) {
    xlsx::Package package{zip, {}};
    std::string workbookPart;
    xlsx::SheetParts parts;
    if (!xlsx::findWorkbookPart(package, workbookPart, error) ||
        !xlsx::checkWorkbookContentType(package, workbookPart, error) ||
        !xlsx::findFirstWorksheet(package, workbookPart, parts, error))
        return false;
    // The shared strings are read beside the sheet, each counting what it
    // inflates from the package's count so far; the two counts are added up
    // after.
    const ZipEntry *stringsEntry =
        parts.sharedStrings.empty() ? nullptr : zip.find(parts.sharedStrings);
    const std::uint64_t producedBefore = package.budget.produced;
    InflateBudget stringsBudget = package.budget;
    xlsx::SharedStringsBeside sharedStrings(
        kXmlMaxCells,
        [&](xlsx::SharedStringStore &store, const std::atomic<bool> &stop, ReadError &why) {
            if (!stringsEntry)
                return true;
            SharedStringsHandler handler(store, stop);
            return parseZipEntry(zip, *stringsEntry, handler, stringsBudget, why);
        });
    const SheetHandlerMaker makeHandler = [&](CellSink &sink, bool fromCut) {
        return std::unique_ptr<XmlHandler>(
            std::make_unique<WorksheetHandler>(sink, sharedStrings, fromCut));
    };
    const bool sheetRead = parseZipEntryInParts(zip, *zip.find(parts.worksheet), makeHandler,
                                                kSheetCut, package.budget, error, sheet);
    if (!sheetRead)
        sharedStrings.stopReading();
    // Strings that fail on their own fail the sheet, whose cells name them.
    ReadError stringsError;
    if (!sharedStrings.finish(stringsError) && stringsError.code != ReadErrorCode::Cancelled) {
        error = stringsError;
        return false;
    }
    if (!sheetRead)
        return false;
    package.budget.produced += stringsBudget.produced - producedBefore;
    return !stringsEntry || totalAllows(*stringsEntry, package.budget.produced, error);
}

} // namespace xls
