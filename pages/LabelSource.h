#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelMap.h"

#include <QString>

// The labels of one name column and one quantity column before filtering.
// Built once per import and column choice, so that a keystroke in the filter
// line only picks names instead of reading the columns again. Filtering after
// merging the rows gives what filtering the rows would: all rows of a name
// pass or fail together.
class LabelSource {
public:
    LabelSource(const ImportedColumn &names, const ImportedColumn &quantities);

    // The labels whose name starts with the filter text in any letter case,
    // in the order of the sheet; an empty filter keeps them all.
    LabelMap filtered(const QString &filter) const;

private:
    LabelMap all;
};
