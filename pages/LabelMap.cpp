#include "pages/LabelMap.h"

#include "pages/CaseFolding.h"

LabelEntry LabelEntry::of(const QString &name, int quantity, const QStringList &moreLines) {
    LabelEntry entry;
    entry.name = name;
    entry.quantity = quantity;
    entry.foldedName = foldCase(name);
    entry.moreLines = moreLines;
    return entry;
}

bool LabelMap::insert(const QString &name, int quantity, const QStringList &moreLines) {
    return insert(LabelEntry::of(name, quantity, moreLines));
}

bool LabelMap::insert(LabelEntry entered) {
    // One hash lookup: operator[] adds the label when it is new.
    const qsizetype labelsBefore = positions.size();
    const int quantity = entered.quantity;
    qsizetype &position = positions[Key::of(entered)];
    if (positions.size() != labelsBefore) {
        position = entries.size();
        entries.append(std::move(entered));
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
    append(LabelEntry::of(name, quantity, moreLines));
}

void LabelMap::append(const LabelEntry &entry) {
    // An equal label entered before keeps its place in the look-up.
    const Key key = Key::of(entry);
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
    const auto known = positions.constFind({name, moreLines, {}, {}});
    return known == positions.cend() ? 0 : entries.at(*known).quantity;
}
