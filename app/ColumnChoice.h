#pragma once

#include "import/ImportedTable.h"

#include <QStringList>

// Which sheet columns hold the names and the quantities.
struct ColumnChoice {
    // No quantity column: every name gets one label.
    static constexpr int noColumn = -1;

    int nameColumn = 0;
    int quantityColumn = noColumn;
    friend bool operator==(const ColumnChoice &, const ColumnChoice &) = default;
};

// Chooses the columns by their captions, case-sensitively: the last caption
// containing "name" or "Name" gives the name column, the last containing
// "Anz" or "Menge" the quantity column. Without a name caption the names are
// in column 0; without a quantity caption there is no quantity column (a
// column of names or numbers taken as quantities would print nonsense). One
// caption may choose its column for both.
ColumnChoice chooseColumns(const QStringList &captions);

// The captions the column choices offer, position k for sheet column k, up
// to the last column that holds a value: a workbook may state more columns
// than it fills (Gnumeric writes 256), and those blank ones are left off.
QStringList choosableCaptions(const QStringList &captions, const ImportedTable &table);
