#pragma once

#include "import/ImportedTable.h"
#include "pages/LabelDesign.h"
#include "pages/LabelListBuilder.h"
#include "pages/LabelMap.h"
#include "pages/LabelTemplate.h"

#include <QString>

// What makes the labels of an imported table: the label text, the quantity
// column (or none) and whether the caption row gives a label.
struct LabelChoice {
    static constexpr int noColumn = -1;
    LabelTemplate text;
    int quantityColumn = noColumn;
    bool skipCaptions = false;
    bool mergeEqual = true;
    // What each label's code encodes.
    CodeContent code;
    // The column whose value picks a label's colour.
    int categoryColumn = noColumn;
    // Up to two keys the labels are sorted by; none keeps the list's order.
    QList<SortKey> sortKeys;
    friend bool operator==(const LabelChoice &, const LabelChoice &) = default;
};

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
    // The labels a choice makes of the table, with their code texts and
    // categories, in the order of its sort keys: what the window shows and
    // the command line prints.
    LabelSource(const ImportedTable &table, const LabelChoice &choice);

    // The labels whose name (first line) starts with the filter text in any
    // letter case, in the order of the sheet; an empty filter keeps them all.
    LabelMap filtered(const QString &filter) const;
    // What the rows said about all labels, before filtering.
    const LabelNotes &notes() const { return noted; }
    // The choice the labels were made with; default for a name column alone.
    const LabelChoice &choice() const { return madeWith; }

private:
    LabelChoice madeWith;
    LabelNotes noted;
    LabelMap all;
};
