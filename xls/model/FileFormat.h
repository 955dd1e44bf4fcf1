#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"

namespace xls {

// What the first bytes of a file look like: the one place that tells the
// formats apart, so that the workbook loader chooses the reader once and a
// file no reader takes is refused with a useful reason.
enum class FileKind {
    CompoundFile,
    Empty,
    Zip,             // .xlsx, .ods and other zip containers
    LegacyWorksheet, // BIFF2, BIFF3 or BIFF4 records without container
    BareBiffStream,  // BIFF5/8 records without container
    Gzip,
    Html,
    Xml,
    Rtf,
    Pdf,
    Image,
    Text, // plain text or CSV
    Unknown,
};

// How many of a file's first bytes tell its kind.
inline constexpr std::size_t kSniffLength = 512;

// Looks at the first bytes of a file (kSniffLength are plenty).
FileKind sniffFileKind(ByteSpan head);

// The error that refuses a file of that kind: EmptyFile, NotCompoundFile,
// OfficeOpenXml or LegacyWorksheet, with a text naming what the bytes look like.
ReadError notCompoundFileError(ByteSpan head);

} // namespace xls
