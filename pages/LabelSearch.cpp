#include "pages/LabelSearch.h"

bool highlightsName(const QString &name, const QString &searchText) {
    return !searchText.isEmpty() && name.contains(searchText, Qt::CaseInsensitive);
}

std::optional<std::int64_t> firstCopyMatching(const LabelMap &labels, const QString &text) {
    std::int64_t copiesBefore = 0;
    for (const LabelEntry &entry : labels) {
        const std::int64_t copies = copiesOf(entry);
        if (copies > 0 && entry.name.contains(text, Qt::CaseInsensitive))
            return copiesBefore;
        copiesBefore += copies;
    }
    return std::nullopt;
}
