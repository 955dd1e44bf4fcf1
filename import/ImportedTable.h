#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

// One column of an imported sheet: row index -> cell text. Rows without a
// value have no entry, so the keys need not be contiguous.
using ImportedColumn = QHash<int, QString>;

// The imported sheet: column index -> column. After an import every column
// from 0 to the column count - 1 has an entry, possibly empty.
using ImportedTable = QHash<int, ImportedColumn>;

// Facts about the imported file under the keys "NAME", "ROWS" and "COLUMNS".
using FileInfo = QHash<QString, QString>;

// The captions of a table: row 0 of each column, in column order.
inline QStringList captionsOf(const ImportedTable &table) {
    QList<int> columns = table.keys();
    std::sort(columns.begin(), columns.end());
    QStringList captions;
    captions.reserve(columns.size());
    for (int column : columns)
        captions << table.value(column).value(0);
    return captions;
}
