#include "pages/LabelMap.h"

#include "pages/CaseFolding.h"

bool LabelMap::insert(const QString &name, int quantity, const QStringList &moreLines) {
    // One hash lookup: operator[] adds the label when it is new.
    const qsizetype labelsBefore = positions.size();
    qsizetype &position = positions[{name, moreLines}];
    if (positions.size() != labelsBefore) {
        position = entries.size();
        entries.append({name, quantity, foldCase(name), moreLines});
        copies += copiesOf(entries.last());
        withoutCopies += copiesOf(entries.last()) == 0 ? 1 : 0;
        return false;
    }
    LabelEntry &entry = entries[position];
    copies -= copiesOf(entry);
    withoutCopies -= copiesOf(entry) == 0 ? 1 : 0;
    entry.quantity = quantity;
    copies += copiesOf(entry);
    withoutCopies += copiesOf(entry) == 0 ? 1 : 0;
    return true;
}

void LabelMap::appendRow(const QString &name, int quantity, const QStringList &moreLines) {
    append({name, quantity, foldCase(name), moreLines});
}

void LabelMap::append(const LabelEntry &entry) {
    // An equal label entered before keeps its place in the look-up.
    const Key key{entry.name, entry.moreLines};
    if (!positions.contains(key))
        positions.insert(key, entries.size());
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

int LabelMap::value(const QString &name, const QStringList &moreLines) const {
    const auto known = positions.constFind({name, moreLines});
    return known == positions.cend() ? 0 : entries.at(*known).quantity;
}
