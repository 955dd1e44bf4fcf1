#pragma once

#include "import/ImportedTable.h"

#include <QList>
#include <QStringList>

// A table of rows, each row's cells from column 0; empty cells are left out.
inline ImportedTable tableOf(const QList<QStringList> &rows) {
    ImportedTable table;
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows.at(row).size(); ++column)
            if (!rows.at(row).at(column).isEmpty())
                table[column].insert(row, rows.at(row).at(column));
    return table;
}
