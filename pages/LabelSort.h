#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelDesign.h"
#include "pages/LabelMap.h"

#include <QList>

// The labels in the order of the keys: each key compares the text its column
// holds in a label's row, in German collation (ä with a, ß with ss, numbers
// within a text by their value), ascending or descending; labels whose texts
// are equal in every key keep their order. Empty values come last either way.
// The caption row's own label, when it gives one, stays in front. Keys
// without a column are left out; no keys keeps the order.
LabelMap sortedLabels(const LabelMap &labels, const ImportedTable &table,
                      const QList<SortKey> &keys);
