#include "pages/LabelSource.h"

#include "pages/CaseFolding.h"
#include "pages/CodeText.h"
#include "pages/LabelSort.h"

LabelSource::LabelSource(const ImportedColumn &names, const ImportedColumn *quantities,
                         LabelRows rows)
    : all(buildLabelMap(names, quantities, QString(), rows, &noted)) {}

LabelSource::LabelSource(const ImportedTable &table, const LabelTemplate &labelText,
                         const ImportedColumn *quantities, LabelRows rows)
    : all(buildLabelMap(table, labelText, quantities, rows, &noted)) {}

namespace {
ImportedColumn quantitiesOf(const ImportedTable &table, const LabelChoice &choice) {
    return choice.quantityColumn == LabelChoice::noColumn ? ImportedColumn()
                                                          : table.value(choice.quantityColumn);
}
} // namespace

LabelSource::LabelSource(const ImportedTable &table, const LabelChoice &choice) : madeWith(choice) {
    const ImportedColumn quantities = quantitiesOf(table, choice);
    const RowDetails details(table, choice.code, choice.categoryColumn);
    all = buildLabelMap(table, choice.text,
                        choice.quantityColumn == LabelChoice::noColumn ? nullptr : &quantities,
                        LabelRows{choice.skipCaptions, choice.mergeEqual}, &noted,
                        details.isEmpty() ? nullptr : &details);
    all = sortedLabels(all, table, choice.sortKeys);
}

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
