#include "pages/LabelSearch.h"

bool highlightsName(const QString &name, const QString &searchText) {
    return !searchText.isEmpty() && name.toLower().contains(searchText.toLower());
}

std::optional<std::int64_t> firstCopyMatching(const LabelMap &labels, const QString &text) {
    const QString lowerText = text.toLower();
    std::int64_t copiesBefore = 0;
    for (const LabelEntry &entry : labels) {
        const std::int64_t copies = copiesOf(entry);
        if (copies > 0 && entry.name.toLower().contains(lowerText))
            return copiesBefore;
        copiesBefore += copies;
    }
    return std::nullopt;
}
