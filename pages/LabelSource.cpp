#include "pages/LabelSource.h"

#include "pages/CaseFolding.h"

LabelSource::LabelSource(const ImportedColumn &names, const ImportedColumn *quantities,
                         LabelRows rows)
    : all(buildLabelMap(names, quantities, QString(), rows, &noted)) {}

LabelMap LabelSource::filtered(const QString &filter) const {
    if (filter.isEmpty())
        return all;
    // Folded once per keystroke; the names were folded when the list was built.
    const QString foldedFilter = foldCase(filter);
    LabelMap labels;
    for (const LabelEntry &entry : all)
        if (entry.foldedName.startsWith(foldedFilter))
            labels.append(entry);
    return labels;
}
