// Arbitrary bytes as a sheet part, read once in one and once in parts with a
// cut looked for from the smallest part on: both must keep the same cells, or
// fail with the same error. A handler as simple as a sheet's stands in for
// the formats' own: rows that may say their number (r), cells (c) that hold
// their text.
#include "support/writers/ZipWriter.h"
#include "xls/model/GridBuilder.h"
#include "xls/xlsx/XlsxNames.h"
#include "xls/xml/XmlDocument.h"
#include "xls/xml/XmlInParts.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// Parsers are fed slices of a few bytes, so that the threads meet in small parts.
constexpr std::size_t kSlice = 16;

bool isSheet(std::string_view ns) {
    return ns.empty() || ns == "urn:sheet" || xls::xlsx::isMain(ns);
}

class RowHandler : public xls::XmlHandler {
public:
    RowHandler(xls::CellSink &sink, bool fromCut)
        : sink(sink), mustBeNumbered(fromCut), paced(!fromCut) {}

    void startElement(const xls::XmlName &name, const xls::XmlAttributes &attributes) override {
        if (!isSheet(name.ns))
            return;
        if (name.local == "row") {
            // The first thread slowed, so that the second claims its cut in time.
            if (paced)
                std::this_thread::sleep_for(std::chrono::microseconds(20));
            startRow(attributes.find("r"));
        } else if (name.local == "c" && !inCell) {
            inCell = true;
            text.clear();
        }
    }
    void endElement(const xls::XmlName &name) override {
        if (!isSheet(name.ns) || name.local != "c" || !inCell)
            return;
        inCell = false;
        if (!text.empty())
            sink.setText(row, column, std::string_view(text));
        ++column;
    }
    void characters(std::string_view piece) override {
        if (inCell)
            text.append(piece.substr(0, 64 - std::min<std::size_t>(text.size(), 64)));
    }

private:
    void startRow(const char *r) {
        std::uint32_t number = 0;
        const bool numbered = r &&
                              std::from_chars(r, r + std::strlen(r), number).ec == std::errc() &&
                              number > 0 && number <= 1000;
        if (mustBeNumbered && !numbered) {
            parser->stop({xls::ReadErrorCode::CorruptXml, "a row without its number at a cut",
                          parser->offset()});
            return;
        }
        mustBeNumbered = false;
        row = numbered ? number - 1 : nextRow;
        nextRow = row + 1;
        column = 0;
    }

    xls::CellSink &sink;
    bool mustBeNumbered;
    bool paced;
    bool inCell = false;
    std::string text;
    std::uint32_t row = 0, nextRow = 0, column = 0;
};

std::string dump(bool read, const xls::ReadError &error, ExcelWorksheet &sheet) {
    if (!read)
        return "error " + error.describe();
    sheet.settle();
    std::string out;
    sheet.forEachValue([&out](std::uint32_t r, std::uint32_t c, const ExcelCell &cell) {
        out += std::to_string(r) + "," + std::to_string(c) + "," +
               std::string(cell.string(), std::size_t(cell.stringLength())) + "\n";
    });
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto image = testwriters::writeZip(
        {{"sheet.xml", std::string(reinterpret_cast<const char *>(data), size), false}});
    xls::ZipArchive zip;
    xls::ReadError error;
    if (!zip.open(image.bytes, error))
        __builtin_trap();
    const xls::ZipEntry &entry = *zip.find("sheet.xml");

    // Read in one, fed in the same slices: where the pieces end can change
    // which error expat finds first.
    ExcelWorksheet whole;
    GridBuilder wholeSink(whole);
    RowHandler handler(wholeSink, false);
    xls::XmlParser parser(handler);
    xls::InflateBudget budget;
    xls::ReadError wholeError;
    const bool fed = zip.read(
        entry,
        [&](xls::ByteSpan piece) {
            for (std::size_t done = 0; done < piece.size(); done += kSlice)
                if (!parser.feed(piece.subspan(done, std::min(kSlice, piece.size() - done)), false))
                    return false;
            return true;
        },
        budget, wholeError);
    const bool wholeRead = xls::endZipEntryParse(fed, parser, entry, wholeError);

    ExcelWorksheet cut;
    GridBuilder cutSink(cut);
    const xls::XmlCut anywhere{isSheet, "sheetData", "row", 64, 0, kSlice};
    xls::InflateBudget cutBudget;
    xls::ReadError cutError;
    const bool cutRead = xls::parseZipEntryInParts(
        zip, entry,
        [](xls::CellSink &sink, bool fromCut) {
            return std::unique_ptr<xls::XmlHandler>(std::make_unique<RowHandler>(sink, fromCut));
        },
        anywhere, cutBudget, cutError, cutSink);

    if (dump(wholeRead, wholeError, whole) != dump(cutRead, cutError, cut))
        __builtin_trap();
    return 0;
}
