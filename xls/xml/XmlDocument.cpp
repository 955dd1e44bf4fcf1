#include "xls/xml/XmlDocument.h"

#include <algorithm>

namespace xls {

namespace {

bool goesOn(CellSink *sheet, std::uint64_t done, std::uint64_t total, ReadError &error) {
    return !sheet || keepReading(*sheet, done, total, error);
}

} // namespace

bool parseZipEntry(const ZipArchive &zip, const ZipEntry &entry, XmlHandler &handler,
                   InflateBudget &budget, ReadError &error, CellSink *sheet) {
    XmlParser parser(handler);
    std::uint64_t parsed = 0;
    const bool read = zip.read(
        entry,
        [&](ByteSpan piece) {
            // A stored part comes whole: it is fed as a deflated one is.
            for (std::size_t done = 0; done < piece.size();) {
                const std::size_t n = std::min(piece.size() - done, kXmlPieceSize);
                if (!parser.feed(piece.subspan(done, n), false))
                    return false;
                done += n;
            }
            parsed += piece.size();
            return goesOn(sheet, parsed, entry.size, error);
        },
        budget, error);
    return endZipEntryParse(read, parser, entry, error);
}

bool endZipEntryParse(bool read, XmlParser &parser, const ZipEntry &entry, ReadError &error) {
    if (read && parser.feed({}, true))
        return true;
    if (!error) {
        error = parser.error();
        if (error.offset)
            error.text += " in \"" + entry.name + "\"";
    }
    return false;
}

bool parseXmlDocument(ByteSpan document, XmlHandler &handler, ReadError &error, CellSink *sheet) {
    XmlParser parser(handler);
    for (std::size_t parsed = 0;;) {
        const std::size_t n = std::min(document.size() - parsed, kXmlPieceSize);
        const bool last = n == document.size() - parsed;
        if (!parser.feed(document.subspan(parsed, n), last)) {
            error = parser.error();
            return false;
        }
        parsed += n;
        if (!goesOn(sheet, parsed, document.size(), error))
            return false;
        if (last)
            return true;
    }
}

} // namespace xls
