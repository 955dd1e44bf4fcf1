#include "pages/LabelSelection.h"

#include <algorithm>

void LabelSelection::click(qsizetype entry, Click how) {
    if (entry < 0)
        return;
    const bool adds = how == Click::Toggle || how == Click::AddRange;
    if ((how == Click::Range || how == Click::AddRange) && anchor >= 0) {
        if (!adds)
            chosen.clear();
        for (qsizetype each = std::min(anchor, entry); each <= std::max(anchor, entry); ++each)
            chosen.insert(each);
        // The range keeps its start, so that the next Shift+click moves its end.
        return;
    }
    if (how == Click::Toggle && chosen.contains(entry)) {
        chosen.remove(entry);
    } else {
        if (!adds)
            chosen.clear();
        chosen.insert(entry);
    }
    anchor = entry;
}

void LabelSelection::select(const QList<qsizetype> &entries) {
    chosen = QSet<qsizetype>(entries.begin(), entries.end());
    anchor = entries.isEmpty() ? -1 : entries.first();
}

void LabelSelection::clear() {
    chosen.clear();
    anchor = -1;
}

LabelMap LabelSelection::picked(const LabelMap &labels) const {
    LabelMap labelsPicked;
    for (qsizetype entry = 0; entry < labels.size(); ++entry)
        if (chosen.contains(entry))
            labelsPicked.append(labels.at(entry));
    return labelsPicked;
}
