// A large sheet part parsed on two cores at once.
#pragma once

#include "xls/common/CellSink.h"
#include "xls/xml/XmlParser.h"
#include "xls/zip/ZipArchive.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace xls {

// Where a sheet part may be cut: before the start tag of a record (a row)
// that is a child of the holder (the sheet data), itself a child of the root.
struct XmlCut {
    bool (*isSheetNamespace)(std::string_view ns);
    std::string_view holder;
    std::string_view record;
    // The cells all pieces may keep together, as one sheet may.
    std::uint64_t maxCells;
    // A part smaller than this is parsed in one.
    std::uint64_t splitFrom;
    // The most bytes a parser is fed at once: a cut can be agreed on
    // between any two slices, also of a part stored whole.
    std::size_t slice;
};

// Makes the handler that writes one piece of the sheet into `sink`;
// `fromCut` for a piece that begins at a cut, whose handler stops its parser
// when it cannot take the sheet up there (a row that does not say its number).
using SheetHandlerMaker = std::function<std::unique_ptr<XmlHandler>(CellSink &sink, bool fromCut)>;

// Parses a zip entry as parseZipEntry() does, with the same cells and the
// same errors in the end. A part of at least `cut.splitFrom` bytes is read
// by two threads, each inflating it from its start. A second thread skims to
// the middle, claims the first record's start tag there as the cut and
// parses on from it; this thread parses up to that cut, then skims ahead and
// takes over the end of the second thread's share, cut again at a record
// where both would finish together. Each piece after a cut goes into a sink
// of the sheet's laterPart(), joined to `sheet` in order. A parser checks
// the cut it reaches: one that does not fall on a record's start tag (it lies
// in a comment or a CDATA section) is no cut, and the parser reads on. When
// a piece after a cut fails in any way, the part is parsed again in one.
bool parseZipEntryInParts(const ZipArchive &zip, const ZipEntry &entry,
                          const SheetHandlerMaker &makeHandler, const XmlCut &cut,
                          InflateBudget &budget, ReadError &error, CellSink &sheet);

} // namespace xls
