#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelMap.h"

#include <QString>

class LabelTemplate;

// The labels of a name column and a quantity column: every row present in the
// name column, in ascending row order up to its highest row, with a non-empty
// name that starts with the filter text in any letter case (an empty filter
// passes every name). Row 0, the caption row, counts like any other.
LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn &quantities,
                       const QString &filter);

// The labels a template makes of a table: every row with a value in a column
// the template reads, in ascending row order, whose label has a line. Rows
// whose labels are equal in all lines are one label, as equal names are.
LabelMap buildLabelMap(const ImportedTable &table, const LabelTemplate &labelText,
                       const ImportedColumn &quantities);
