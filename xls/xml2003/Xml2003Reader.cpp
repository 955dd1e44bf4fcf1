// XML Spreadsheet 2003 ("SpreadsheetML" of Office XP/2003) and the dispatch
// of XML documents by their root element.
#include "xls/xml2003/Xml2003Reader.h"

#include "xls/ods/OdsReader.h"
#include "xls/xml/SheetBuilder.h"
#include "xls/xml/XmlDocument.h"

#include <charconv>
#include <cstring>

namespace xls {

namespace {

constexpr std::string_view kSpreadsheetNs = "urn:schemas-microsoft-com:office:spreadsheet";
constexpr std::string_view kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";

bool is(const XmlName &name, std::string_view local) {
    return name.is(kSpreadsheetNs, local);
}

// ss:Index and ss:MergeAcross: a 1-based position or a count; 0 when absent or bad.
std::uint64_t numberAttribute(const XmlAttributes &attributes, std::string_view local) {
    const char *value = attributes.find(kSpreadsheetNs, local);
    std::uint64_t n = 0;
    if (!value || std::from_chars(value, value + std::strlen(value), n).ec != std::errc())
        return 0;
    return std::min<std::uint64_t>(n, std::uint64_t(kXmlMaxRows) * kXmlMaxColumns);
}

class Xml2003Handler : public XmlHandler {
public:
    explicit Xml2003Handler(SheetBuilder &builder) : builder(builder) {}

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        if (done)
            return;
        if (inData) {
            ++dataDepth; // formatted runs (html:B, html:Font) inside the text
            return;
        }
        if (commentDepth > 0) {
            ++commentDepth;
            return;
        }
        if (is(name, "Worksheet")) {
            inWorksheet = true;
        } else if (!inWorksheet) {
            return;
        } else if (is(name, "Row")) {
            const std::uint64_t index = numberAttribute(attributes, "Index");
            row = index > 0 ? index - 1 : nextRow;
            nextRow = row + 1;
            nextColumn = 0;
        } else if (is(name, "Cell")) {
            const std::uint64_t index = numberAttribute(attributes, "Index");
            column = index > 0 ? index - 1 : nextColumn;
            nextColumn = column + 1 + numberAttribute(attributes, "MergeAcross");
        } else if (is(name, "Comment")) {
            // A cell's note carries an ss:Data of its own: no part of the value.
            commentDepth = 1;
        } else if (is(name, "Data")) {
            const char *type = attributes.find(kSpreadsheetNs, "Type");
            dataType = type ? type : "String";
            inData = true;
            dataDepth = 0;
            text.clear();
        }
    }

    void endElement(const XmlName &name) override {
        if (done)
            return;
        if (inData) {
            if (dataDepth-- > 0)
                return;
            inData = false;
            endData();
        } else if (commentDepth > 0) {
            --commentDepth;
        } else if (is(name, "Worksheet") && inWorksheet) {
            done = true;
        }
    }

    void characters(std::string_view piece) override {
        if (inData && !text.append(piece))
            parser->stop(textTooLong(parser->offset()));
    }

private:
    void endData() {
        builder.setOffset(parser->offset());
        if (dataType == "Error" || text.empty())
            return;
        if (!builder.checkPosition(row, column)) {
            parser->stop(builder.error());
            return;
        }
        const auto r = std::uint32_t(row), c = std::uint32_t(column);
        bool ok = true;
        if (dataType == "Number") {
            if (auto number = parseXmlNumber(text.bytes()))
                ok = builder.setNumber(r, c, *number);
        } else if (dataType == "Boolean") {
            ok = builder.setBoolean(r, c, text.bytes() == "1");
        } else if (dataType == "DateTime") {
            if (auto date = parseIsoDate(text.bytes()))
                ok = builder.setNumber(r, c, *date);
        } else if (auto wide = text.wide()) {
            ok = builder.setText(r, c, std::make_shared<const std::u16string>(std::move(*wide)));
        } else {
            parser->stop(textTooLong(parser->offset()));
            return;
        }
        if (!ok)
            parser->stop(builder.error());
    }

    SheetBuilder &builder;
    bool inWorksheet = false, inData = false, done = false;
    int dataDepth = 0;
    int commentDepth = 0; // elements open inside a Comment
    std::string dataType;
    std::uint64_t row = 0, nextRow = 0, column = 0, nextColumn = 0;
    TextCollector text;
};

// Hands every event to the reader its root element calls for.
class RootDispatcher : public XmlHandler {
public:
    explicit RootDispatcher(SheetBuilder &builder) : builder(builder) {}

    void startElement(const XmlName &name, const XmlAttributes &attributes) override {
        if (!delegate) {
            if (is(name, "Workbook"))
                delegate = std::make_unique<Xml2003Handler>(builder);
            else if (name.is(kOfficeNs, "document"))
                delegate = std::make_unique<OdsTableHandler>(builder);
            else {
                parser->stop({ReadErrorCode::NoSpreadsheetPart,
                              "an XML document whose root element <" + name.qualified() +
                                  "> is neither an XML Spreadsheet 2003 nor an OpenDocument "
                                  "spreadsheet",
                              parser->offset()});
                return;
            }
            delegate->parser = parser;
        }
        delegate->startElement(name, attributes);
    }
    void endElement(const XmlName &name) override {
        if (delegate)
            delegate->endElement(name);
    }
    void characters(std::string_view text) override {
        if (delegate)
            delegate->characters(text);
    }

private:
    SheetBuilder &builder;
    std::unique_ptr<XmlHandler> delegate;
};

} // namespace

bool readXmlSpreadsheet(ByteSpan document, CellSink &sheet, ReadError &error) {
    SheetBuilder builder(sheet);
    RootDispatcher dispatcher(builder);
    return parseXmlDocument(document, dispatcher, error, &sheet);
}

} // namespace xls
