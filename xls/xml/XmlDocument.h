#pragma once

#include "xls/common/CellSink.h"
#include "xls/xml/XmlParser.h"
#include "xls/zip/ZipArchive.h"

namespace xls {

// The most bytes expat is fed at once, as many as the inflater hands over.
// Where a document's pieces end can change which error expat finds first in
// malformed XML, so every part is fed in pieces of this size.
constexpr std::size_t kXmlPieceSize = 64 * 1024;

// Parses a zip entry as it is inflated, piece by piece, so a large part is
// never held whole. False with `error` from the zip, the parser or the handler.
// `sheet`, when given, hears after each piece how far the parsing has come
// and may end it (ReadErrorCode::Cancelled).
bool parseZipEntry(const ZipArchive &zip, const ZipEntry &entry, XmlHandler &handler,
                   InflateBudget &budget, ReadError &error, CellSink *sheet = nullptr);

// The end of parsing a zip entry: the last feed once the entry was read
// whole; else the parser's error, naming the entry where it has an offset,
// unless reading the entry failed first.
bool endZipEntryParse(bool read, XmlParser &parser, const ZipEntry &entry, ReadError &error);
// Parses a document held in memory, likewise piece by piece.
bool parseXmlDocument(ByteSpan document, XmlHandler &handler, ReadError &error,
                      CellSink *sheet = nullptr);

} // namespace xls
