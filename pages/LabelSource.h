#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelListBuilder.h"
#include "pages/LabelMap.h"
#include "pages/LabelTemplate.h"

#include <QString>

// The labels of a table and one quantity column before filtering. Built once
// per import, label text and column choice, so that a keystroke in the filter
// line only picks labels instead of reading the columns again. Filtering after
// merging the rows gives what filtering the rows would: all rows of a label
// pass or fail together.
class LabelSource {
public:
    // One name column, one line per label. Without a quantity column (null)
    // every label is printed once.
    LabelSource(const ImportedColumn &names, const ImportedColumn *quantities, LabelRows rows);
    LabelSource(const ImportedColumn &names, const ImportedColumn &quantities)
        : LabelSource(names, &quantities, LabelRows()) {}
    // The labels the template makes of the table.
    LabelSource(const ImportedTable &table, const LabelTemplate &labelText,
                const ImportedColumn *quantities, LabelRows rows);

    // The labels whose name (first line) starts with the filter text in any
    // letter case, in the order of the sheet; an empty filter keeps them all.
    LabelMap filtered(const QString &filter) const;
    // What the rows said about all labels, before filtering.
    const LabelNotes &notes() const { return noted; }

private:
    LabelNotes noted;
    LabelMap all;
};
