#pragma once

#include <QStringList>

// Which sheet columns hold the names and the quantities.
struct ColumnChoice {
    int nameColumn = 0;
    int quantityColumn = 0;
    friend bool operator==(const ColumnChoice &, const ColumnChoice &) = default;
};

// Chooses the columns by their captions, case-sensitively: the last caption
// containing "name" or "Name" gives the name column, the last containing
// "Anz" or "Menge" the quantity column; column 0 where none matches. One
// caption may choose its column for both.
ColumnChoice chooseColumns(const QStringList &captions);
