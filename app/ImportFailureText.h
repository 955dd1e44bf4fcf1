#pragma once

#include "xls/common/ReadError.h"

#include <QString>

#include <cstdint>
#include <optional>

// Why a workbook could not be imported, in German for the message box, with
// what the user can do about it; `line` is where in a text file it was found.
// Empty for ReadErrorCode::None.
QString importFailureReason(xls::ReadErrorCode code, std::optional<std::uint64_t> line = {});
// The same for a whole error, naming what a refused package holds instead.
QString importFailureReason(const xls::ReadError &error);

// Where the reader gave up, in German for the message box's details and the
// command line ("Stelle: Byte 1234; Fehlerkennung: CorruptChain"); the
// reader's English text is left to logs and tools. Empty for no error.
QString importFailureDetail(const xls::ReadError &error);
