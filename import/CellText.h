#pragma once

#include <QString>

class ExcelCell;

// The text of a cell as it is imported: integers in decimal, doubles with six
// significant digits, 8-bit text as Latin-1, 16-bit text as UTF-16. A null
// string for a cell without a value.
QString cellText(const ExcelCell &cell);
