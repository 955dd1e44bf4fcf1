#pragma once

#include <QString>

class ExcelCell;

// The text of a cell as it is imported, the same for every file format:
// integers in decimal, doubles that are whole and within 32 bits as that
// integer, other doubles as QString::number(d, 'g', 6) writes them, 8-bit
// text as Latin-1, 16-bit text as UTF-16. A null string for a cell without a
// value.
QString cellText(const ExcelCell &cell);
