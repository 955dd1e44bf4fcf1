// A list of made-up guests, "Gast 0", "Gast 1" and on, one a row in one
// column, in each format the readers take; long enough, a load of it reports
// its progress more than once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// format is "xls", "xls95" (Excel 5.0/95), "xlsx", "ods", "fods", "xml" (XML
// 2003) or "csv".
std::vector<std::uint8_t> guestList(const std::string &format, int rows);
