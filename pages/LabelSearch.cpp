#include "pages/LabelSearch.h"

#include "pages/CaseFolding.h"

bool highlightsName(const QString &name, const QString &searchText) {
    return highlightsFolded(foldCase(name), foldCase(searchText));
}

bool highlightsFolded(const QString &foldedName, const QString &foldedSearch) {
    return !foldedSearch.isEmpty() && foldedName.contains(foldedSearch);
}

std::optional<std::int64_t> firstCopyMatching(const LabelMap &labels, const QString &text) {
    const QString folded = foldCase(text);
    std::int64_t copiesBefore = 0;
    for (const LabelEntry &entry : labels) {
        const std::int64_t copies = copiesOf(entry);
        if (copies > 0 && entry.foldedName.contains(folded))
            return copiesBefore;
        copiesBefore += copies;
    }
    return std::nullopt;
}

QList<qsizetype> entriesMatching(const LabelMap &labels, const QString &text) {
    const QString folded = foldCase(text);
    QList<qsizetype> found;
    for (qsizetype entry = 0; entry < labels.size(); ++entry)
        if (copiesOf(labels.at(entry)) > 0 && highlightsFolded(labels.at(entry).foldedName, folded))
            found << entry;
    return found;
}

SearchMatches::SearchMatches(const LabelMap &labels, const QString &text) {
    const QString folded = foldCase(text);
    std::int64_t copiesBefore = 0;
    for (const LabelEntry &entry : labels) {
        const std::int64_t copies = copiesOf(entry);
        if (copies > 0 && highlightsFolded(entry.foldedName, folded))
            firstCopies.append(copiesBefore);
        copiesBefore += copies;
    }
}

std::optional<std::int64_t> SearchMatches::currentCopy() const {
    if (index < 0)
        return std::nullopt;
    return firstCopies.at(index);
}

bool SearchMatches::next() {
    if (firstCopies.isEmpty())
        return false;
    index = (index + 1) % count();
    return true;
}

bool SearchMatches::previous() {
    if (firstCopies.isEmpty())
        return false;
    index = index <= 0 ? count() - 1 : index - 1;
    return true;
}
