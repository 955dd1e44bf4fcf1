#pragma once

#include "pages/LabelMap.h"

#include <QString>

#include <cstdint>

// Walks the label sequence: the entries of a LabelMap in order, each repeated
// by its quantity, copies numbered from 0. Placing the cursor skips whole
// entries by arithmetic, so a quantity of a million costs one step, not a
// million. The map must outlive the cursor and stay unchanged meanwhile.
class LabelCursor {
public:
    // At copy number firstCopy, or at the end when the sequence is shorter.
    LabelCursor(const LabelMap &labels, std::int64_t firstCopy);

    bool atEnd() const { return entry >= labels.size(); }
    // The name of the copy under the cursor; only when not at the end.
    const QString &name() const { return labels.at(entry).name; }
    // The lines under the name, usually none; only when not at the end.
    const QStringList &moreLines() const { return labels.at(entry).moreLines; }
    const LabelEntry &current() const { return labels.at(entry); }
    // Which entry of the map the copy belongs to, counted from 0.
    qsizetype entryIndex() const { return entry; }
    std::int64_t copyNumber() const { return copy; }
    void next();

private:
    // Moves on to the next entry that prints at least one copy.
    void enterNextPrintingEntry();

    const LabelMap &labels;
    qsizetype entry = -1;
    std::int64_t copiesLeftInEntry = 0; // counting the one under the cursor
    std::int64_t copy = 0;
};
