#pragma once

#include "xls/common/ReadError.h"

#include <QString>

// Why a workbook could not be imported, in German for the message box, with
// what the user can do about it. Empty for ReadErrorCode::None.
QString importFailureReason(xls::ReadErrorCode code);
