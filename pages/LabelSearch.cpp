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
