// Arbitrary bytes as the XML of a sheet, for each reader: an .xlsx worksheet
// part, an .ods content.xml, and a whole XML document (.fods or XML
// Spreadsheet 2003). The parts are stored uncompressed, so the fuzzer's
// bytes reach the XML readers unchanged.
#include "support/writers/ZipWriter.h"
#include "xls/model/GridBuilder.h"
#include "xls/model/SpreadsheetFormats.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void load(xls::ByteSpan bytes, bool xml) {
    ExcelWorksheet sheet;
    GridBuilder builder(sheet);
    xls::ReadError error;
    if (!xls::readZipOrXmlWorkbook(bytes, xml, builder, error) && error.text.empty())
        __builtin_trap();
}

void loadAsPart(std::vector<testwriters::ZipPart> parts, const std::string &name,
                const std::string &xml) {
    for (auto &part : parts) {
        part.deflate = false;
        if (part.name == name)
            part.data = xml;
    }
    const auto image = testwriters::writeZip(parts);
    load(image.bytes, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string xml(reinterpret_cast<const char *>(data), size);
    static const auto xlsx = testwriters::xlsxParts({""}, "<si><t>x</t></si>");
    static const auto ods = testwriters::odsParts("");
    loadAsPart(xlsx, "xl/worksheets/sheet1.xml", xml);
    loadAsPart(xlsx, "xl/sharedStrings.xml", xml);
    loadAsPart(ods, "content.xml", xml);
    load(xls::ByteSpan(data, size), true);
    return 0;
}
