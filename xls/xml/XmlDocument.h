#pragma once

#include "xls/xml/XmlParser.h"
#include "xls/zip/ZipArchive.h"

namespace xls {

// Parses a zip entry as it is inflated, piece by piece, so a large part is
// never held whole. False with `error` from the zip, the parser or the handler.
bool parseZipEntry(const ZipArchive &zip, const ZipEntry &entry, XmlHandler &handler,
                   InflateBudget &budget, ReadError &error);

// Parses a document held in memory.
bool parseXmlDocument(ByteSpan document, XmlHandler &handler, ReadError &error);

} // namespace xls
