#include "pages/LabelMap.h"

#include "pages/CaseFolding.h"

void LabelMap::insert(const QString &name, int quantity) {
    // One hash lookup: operator[] adds the name when it is new.
    const qsizetype namesBefore = positions.size();
    qsizetype &position = positions[name];
    if (positions.size() != namesBefore) {
        position = entries.size();
        entries.append({name, quantity, foldCase(name)});
        copies += copiesOf(entries.last());
        withoutCopies += copiesOf(entries.last()) == 0 ? 1 : 0;
        return;
    }
    LabelEntry &entry = entries[position];
    copies -= copiesOf(entry);
    withoutCopies -= copiesOf(entry) == 0 ? 1 : 0;
    entry.quantity = quantity;
    copies += copiesOf(entry);
    withoutCopies += copiesOf(entry) == 0 ? 1 : 0;
}

void LabelMap::append(const LabelEntry &entry) {
    positions.insert(entry.name, entries.size());
    entries.append(entry);
    copies += copiesOf(entry);
    withoutCopies += copiesOf(entry) == 0 ? 1 : 0;
}

void LabelMap::clear() {
    entries.clear();
    positions.clear();
    copies = 0;
    withoutCopies = 0;
}

void LabelMap::reserve(qsizetype names) {
    entries.reserve(names);
    positions.reserve(names);
}

int LabelMap::value(const QString &name) const {
    const auto known = positions.constFind(name);
    return known == positions.cend() ? 0 : entries.at(*known).quantity;
}
