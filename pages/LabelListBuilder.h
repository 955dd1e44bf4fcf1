#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelMap.h"

#include <QString>

class LabelTemplate;
class RowDetails;

// Which rows give labels and how.
struct LabelRows {
    // Row 0 holds the captions and gives no label.
    bool skipCaptionRow = false;
    // Equal labels are one entry with the quantity of the last such row;
    // otherwise every row is an entry of its own with its own quantity.
    bool mergeEqual = true;
};

// What the rows said that the labels do not show.
struct LabelNotes {
    // Rows below the captions whose quantity cell holds something that is
    // not a whole number (2.5, abc); each was counted as 1.
    qsizetype rowsWithFractionalQuantity = 0;
    // Rows merged into an equal label of an earlier row.
    qsizetype rowsMerged = 0;
    // The caption row gave a label of its own.
    bool captionRowPrinted = false;
    // Rows below the captions that give a label.
    qsizetype rowsBelowCaptions = 0;
};

// The labels of a name column and a quantity column: every row present in the
// name column, in ascending row order up to its highest row, with a name that
// is not blank (empty or white space alone) and starts with the filter text in any letter case
// (full case folding; an empty filter passes every name). Without a quantity column (null) every
// name gets one label. Row 0, the caption row, counts like any other unless rows.skipCaptionRow is
// set. Notes, when given, are filled. Details, when given, give each label its code text and
// category; every label knows the row it came from.
LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn *quantities,
                       const QString &filter, LabelRows rows = {}, LabelNotes *notes = nullptr,
                       const RowDetails *details = nullptr);

inline LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn &quantities,
                              const QString &filter) {
    return buildLabelMap(names, &quantities, filter);
}

// The labels a template makes of a table: every row below the captions with a
// value in a column the template reads, in ascending row order, whose label
// has a line that is not blank, with the quantities and notes as above. The
// fields take their names from row 0, so it never gives a label; a template
// of one field alone reads its column as the name column does. Rows whose
// labels are equal in all lines, code text and category are one label, as
// equal names are.
LabelMap buildLabelMap(const ImportedTable &table, const LabelTemplate &labelText,
                       const ImportedColumn *quantities, LabelRows rows = {},
                       LabelNotes *notes = nullptr, const RowDetails *details = nullptr);
