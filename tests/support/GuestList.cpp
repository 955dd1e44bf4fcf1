#include "support/GuestList.h"

#include "support/WorkbookBuilder.h"
#include "support/writers/ZipWriter.h"

namespace {

std::string repeated(int rows, const char *before, const char *after) {
    std::string out;
    for (int row = 0; row < rows; ++row)
        out += before + std::to_string(row) + after;
    return out;
}

std::vector<std::uint8_t> bytesOf(const std::string &text) {
    return {text.begin(), text.end()};
}

} // namespace

std::vector<std::uint8_t> guestList(const std::string &format, int rows) {
    if (format == "xls95") { // Excel 5.0/95: a "Book" stream of BIFF5 records
        using testwriters::Bytes;
        const auto bof = [](std::uint16_t type) {
            return Bytes().u16(0x0500).u16(type).u16(0).u16(0);
        };
        testwriters::BiffWriter stream;
        stream.record(0x0809, bof(0x0005)).eof().record(0x0809, bof(0x0010));
        for (int row = 0; row < rows; ++row) {
            const std::string number = std::to_string(row);
            const std::u16string text = u"Gast " + std::u16string(number.begin(), number.end());
            stream.record(0x0204, Bytes()
                                      .u16(std::uint16_t(row))
                                      .u16(0)
                                      .u16(15)
                                      .u16(std::uint16_t(text.size()))
                                      .narrow(text));
        }
        return compoundFileWith(u"Book", stream.eof().bytes());
    }
    if (format == "xls") {
        WorkbookBuilder builder;
        const std::uint32_t name = builder.addString(u"Gast");
        testwriters::BiffWriter &cells = builder.addSheet(std::uint32_t(rows), 1);
        for (int row = 0; row < rows; ++row)
            cells.labelSst(std::uint16_t(row), 0, name);
        return builder.file();
    }
    if (format == "xlsx")
        return testwriters::writeZip(
                   testwriters::xlsxParts({"<sheetData>" +
                                           repeated(rows, "<row><c t=\"inlineStr\"><is><t>Gast ",
                                                    "</t></is></c></row>") +
                                           "</sheetData>"}))
            .bytes;
    if (format == "xlsx-numbered") { // rows and cells that say where they lie
        std::string cells = "<sheetData>";
        for (int row = 1; row <= rows; ++row) {
            const std::string n = std::to_string(row);
            cells += "<row r=\"" + n + "\"><c r=\"A" + n + "\" t=\"inlineStr\"><is><t>Gast " +
                     std::to_string(row - 1) + "</t></is></c></row>";
        }
        return testwriters::writeZip(testwriters::xlsxParts({cells + "</sheetData>"})).bytes;
    }
    if (format == "xlsx-shared") { // each name a shared string
        std::string cells = "<sheetData>";
        for (int row = 0; row < rows; ++row)
            cells += "<row><c t=\"s\"><v>" + std::to_string(row) + "</v></c></row>";
        return testwriters::writeZip(
                   testwriters::xlsxParts({cells + "</sheetData>"},
                                          repeated(rows, "<si><t>Gast ", "</t></si>")))
            .bytes;
    }
    if (format == "xml")
        return bytesOf(
            "<?xml version=\"1.0\"?><Workbook "
            "xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
            "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"><Worksheet "
            "ss:Name=\"Liste\"><Table>" +
            repeated(rows, "<Row><Cell><Data ss:Type=\"String\">Gast ", "</Data></Cell></Row>") +
            "</Table></Worksheet></Workbook>");
    if (format == "csv")
        return bytesOf(repeated(rows, "Gast ", ";1\r\n"));
    if (format == "csv-1252") // not UTF-8: decoded before it is split
        return bytesOf(repeated(rows, "G\xE4st ", ";1\r\n"));
    if (format == "csv-utf16") { // little-endian with its byte order mark
        std::vector<std::uint8_t> bytes{0xFF, 0xFE};
        for (const char c : repeated(rows, "Gast ", ";1\r\n"))
            bytes.insert(bytes.end(), {std::uint8_t(c), 0});
        return bytes;
    }
    const std::string table = repeated(
        rows, "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>Gast ",
        "</text:p></table:table-cell></table:table-row>");
    if (format == "fods")
        return bytesOf(testwriters::fodsDocument(table));
    return testwriters::writeZip(testwriters::odsParts(table)).bytes;
}
