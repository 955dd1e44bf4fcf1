#include "pages/LabelMap.h"

void LabelMap::insert(const QString &name, int quantity, const QStringList &moreLines) {
    // One hash lookup: operator[] adds the label when it is new.
    const qsizetype labelsBefore = positions.size();
    qsizetype &position = positions[{name, moreLines}];
    if (positions.size() != labelsBefore) {
        position = entries.size();
        entries.append({name, quantity, moreLines});
        copies += copiesOf(entries.last());
        return;
    }
    LabelEntry &entry = entries[position];
    copies -= copiesOf(entry);
    entry.quantity = quantity;
    copies += copiesOf(entry);
}

void LabelMap::clear() {
    entries.clear();
    positions.clear();
    copies = 0;
}

void LabelMap::reserve(qsizetype names) {
    entries.reserve(names);
    positions.reserve(names);
}

int LabelMap::value(const QString &name, const QStringList &moreLines) const {
    const auto known = positions.constFind({name, moreLines});
    return known == positions.cend() ? 0 : entries.at(*known).quantity;
}
