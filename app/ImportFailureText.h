#pragma once

#include "xls/common/ReadError.h"

#include <QString>

#include <cstdint>
#include <optional>

// Why a workbook could not be imported, in German for the message box, with
// what the user can do about it; `line` is where in a text file it was found.
// Empty for ReadErrorCode::None.
QString importFailureReason(xls::ReadErrorCode code, std::optional<std::uint64_t> line = {});
