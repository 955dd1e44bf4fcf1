#include "xls/xml/XmlDocument.h"

namespace xls {

bool parseZipEntry(const ZipArchive &zip, const ZipEntry &entry, XmlHandler &handler,
                   InflateBudget &budget, ReadError &error) {
    XmlParser parser(handler);
    const bool read = zip.read(
        entry, [&parser](ByteSpan piece) { return parser.feed(piece, false); }, budget, error);
    if (read && parser.feed({}, true))
        return true;
    if (!error) {
        error = parser.error();
        if (error.offset)
            error.text += " in \"" + entry.name + "\"";
    }
    return false;
}

bool parseXmlDocument(ByteSpan document, XmlHandler &handler, ReadError &error) {
    XmlParser parser(handler);
    if (parser.feed(document, true))
        return true;
    error = parser.error();
    return false;
}

} // namespace xls
