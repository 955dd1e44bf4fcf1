#pragma once

#include <QString>

class ExcelCell;

// The text of a cell as it is imported, the same for every file format:
// integers in decimal, whole doubles below 10^15 in magnitude as their digits
// (-0 as "0"), other doubles as printf's "%.15g" writes them, NaN as "nan", 8-bit
// text as Latin-1, 16-bit text as UTF-16. A null string for a cell without a
// value.
QString cellText(const ExcelCell &cell);
