#include "pages/LabelMap.h"

void LabelMap::insert(const QString &name, int quantity) {
    // One hash lookup: operator[] adds the name when it is new.
    const qsizetype namesBefore = positions.size();
    qsizetype &position = positions[name];
    if (positions.size() != namesBefore) {
        position = entries.size();
        entries.append({name, quantity});
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

int LabelMap::value(const QString &name) const {
    const auto known = positions.constFind(name);
    return known == positions.cend() ? 0 : entries.at(*known).quantity;
}
