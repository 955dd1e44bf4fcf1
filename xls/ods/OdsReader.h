#pragma once

#include "xls/common/CellSink.h"
#include "xls/common/ReadError.h"
#include "xls/xml/SheetBuilder.h"
#include "xls/xml/XmlParser.h"
#include "xls/zip/ZipArchive.h"

#include <memory>
#include <vector>

namespace xls {

// Whether a zip package is an OpenDocument spreadsheet: a mimetype entry
// saying so, or a content.xml without one.
bool isOpenDocumentSpreadsheet(const ZipArchive &zip);

// Reads the first table of an .ods package's content.xml into `sheet`.
bool readOds(const ZipArchive &zip, CellSink &sheet, ReadError &error);

// The first table of an OpenDocument spreadsheet body, in content.xml or in a
// flat .fods document: repeated rows and columns expanded, covered cells
// without a value, paragraphs joined with a line feed.
class OdsTableHandler : public XmlHandler {
public:
    explicit OdsTableHandler(SheetBuilder &builder) : builder(builder) {}

    void startElement(const XmlName &name, const XmlAttributes &attributes) override;
    void endElement(const XmlName &name) override;
    void characters(std::string_view text) override;

private:
    struct Value {
        enum Kind { None, Number, Boolean, Text } kind = None;
        double number = 0;
        std::shared_ptr<const std::u16string> text;
    };
    struct RowCell {
        std::uint64_t column;
        std::uint64_t repeat;
        Value value;
    };

    void startCell(const XmlAttributes &attributes, bool covered);
    void endCell();
    void endRow();
    void startTextElement(const XmlName &name, const XmlAttributes &attributes);
    void appendText(std::string_view text);

    SheetBuilder &builder;
    int tables = 0;         // first table started
    int tableDepth = 0;     // nesting of table:table inside the first one
    bool tableDone = false; // the first table has ended
    bool inRow = false, inCell = false, coveredCell = false;
    int paragraphDepth = 0, paragraphs = 0, annotationDepth = 0;
    std::uint64_t row = 0, rowRepeat = 1, column = 0, cellRepeat = 1;
    Value cellValue;
    TextCollector text;
    std::vector<RowCell> rowCells;
};

} // namespace xls
