#include "pages/LabelCursor.h"

LabelCursor::LabelCursor(const LabelMap &labels, std::int64_t firstCopy) : labels(labels) {
    enterNextPrintingEntry();
    if (firstCopy <= 0)
        return;
    std::int64_t toSkip = firstCopy;
    while (!atEnd() && toSkip >= copiesLeftInEntry) {
        toSkip -= copiesLeftInEntry;
        copy += copiesLeftInEntry;
        enterNextPrintingEntry();
    }
    if (!atEnd()) {
        copiesLeftInEntry -= toSkip;
        copy += toSkip;
    }
}

void LabelCursor::next() {
    if (atEnd())
        return;
    ++copy;
    if (--copiesLeftInEntry == 0)
        enterNextPrintingEntry();
}

void LabelCursor::enterNextPrintingEntry() {
    ++entry;
    while (entry < labels.size() && copiesOf(labels.at(entry)) == 0)
        ++entry;
    copiesLeftInEntry = entry < labels.size() ? copiesOf(labels.at(entry)) : 0;
}
