#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelListBuilder.h"
#include "pages/LabelMap.h"

#include <QString>

// The labels of one name column and one quantity column before filtering.
// Built once per import and column choice, so that a keystroke in the filter
// line only picks names instead of reading the columns again. Filtering after
// merging the rows gives what filtering the rows would: all rows of a name
// pass or fail together.
class LabelSource {
public:
    // Without a quantity column (null) every name gets one label.
    LabelSource(const ImportedColumn &names, const ImportedColumn *quantities, LabelRows rows);
    LabelSource(const ImportedColumn &names, const ImportedColumn &quantities)
        : LabelSource(names, &quantities, LabelRows()) {}

    // The labels whose name starts with the filter text in any letter case,
    // in the order of the sheet; an empty filter keeps them all.
    LabelMap filtered(const QString &filter) const;
    // What the rows said about all labels, before filtering.
    const LabelNotes &notes() const { return noted; }

private:
    LabelNotes noted;
    LabelMap all;
};
