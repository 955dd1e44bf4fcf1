#pragma once

#include "xls/common/LoadProgress.h"

#include <string>

// What a caller may tell the loader beyond the file itself. Every field has a
// default that reads the file as found.
struct LoadOptions {
    // The password of an encrypted workbook; empty tries the default only.
    // Never kept after the load.
    std::string password;
    // Delimited text: the field delimiter, 0 to detect it.
    char csvDelimiter = 0;
    // Delimited text: a code page number (see xls/common/CodePage.h), 0 to
    // detect the encoding.
    unsigned csvCodePage = 0;
    // Told how far the reading has come, a few hundred times per load at
    // most; returning false ends the load with ReadErrorCode::Cancelled.
    xls::ProgressCallback progress;
};
