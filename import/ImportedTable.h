#pragma once

#include <QHash>
#include <QString>

// One column of an imported sheet: row index -> cell text. Rows without a
// value have no entry, so the keys need not be contiguous.
using ImportedColumn = QHash<int, QString>;

// The imported sheet: column index -> column. After an import every column
// from 0 to the column count - 1 has an entry, possibly empty.
using ImportedTable = QHash<int, ImportedColumn>;

// Facts about the imported file under the keys "NAME", "ROWS" and "COLUMNS".
using FileInfo = QHash<QString, QString>;
