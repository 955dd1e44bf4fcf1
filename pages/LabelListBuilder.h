#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelMap.h"

#include <QString>

// Which rows give labels and how.
struct LabelRows {
    // Row 0 holds the captions and gives no label.
    bool skipCaptionRow = false;
};

// What the rows said that the labels do not show.
struct LabelNotes {
    // Rows whose quantity cell holds something that is not a whole number
    // (2.5, abc); each was counted as 1.
    qsizetype rowsWithFractionalQuantity = 0;
};

// The labels of a name column and a quantity column: every row present in the
// name column, in ascending row order up to its highest row, with a non-empty
// name that starts with the filter text in any letter case (full case
// folding; an empty filter passes every name). Without a quantity column
// (null) every name gets one label. Row 0, the caption row, counts like any
// other unless rows.skipCaptionRow is set. Notes, when given, are filled.
LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn *quantities,
                       const QString &filter, LabelRows rows = {}, LabelNotes *notes = nullptr);

inline LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn &quantities,
                              const QString &filter) {
    return buildLabelMap(names, &quantities, filter);
}
