// Reads the worksheets of an Excel 2.x to 5.0/95 record stream (BIFF2, 3, 4
// and 5/7) into sheets of typed cells.
#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/CellSink.h"
#include "xls/common/ReadError.h"

namespace xls::legacy {

enum class Version { None, Biff2, Biff3, Biff4, Biff5 };

// The version its first record names: a BOF of BIFF2, 3 or 4, or a BIFF5/8
// BOF with version 0x0500. None for anything else (BIFF8 among it).
Version versionOf(ByteSpan stream);

// Reads every worksheet substream of `stream` in order (a BIFF2-4 worksheet
// file is one; a BIFF4 "W" workbook and a BIFF5 workbook hold several),
// with 16,384 x 256 grid limits. Byte strings are decoded in the code page a
// CODEPAGE record names, Windows-1252 without one. A FILEPASS record is an
// error unless `decrypted` says the stream was decrypted already. False with
// `error` set when the stream cannot be read; what `sheets` received is then
// to be dropped.
bool readLegacyStream(ByteSpan stream, bool decrypted, WorkbookSink &sheets, ReadError &error);

} // namespace xls::legacy
