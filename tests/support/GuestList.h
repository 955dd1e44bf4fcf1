// A list of made-up guests, "Gast 0", "Gast 1" and on, one a row in one
// column, in each format the readers take; long enough, a load of it reports
// its progress more than once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// format is "xls", "xls95" (Excel 5.0/95), "xlsx" (inline strings),
// "xlsx-numbered" (the same, rows and cells numbered), "xlsx-shared" (shared
// strings), "ods", "fods", "xml" (XML 2003), "csv" (UTF-8), "csv-1252"
// (Windows-1252) or "csv-utf16".
std::vector<std::uint8_t> guestList(const std::string &format, int rows);
