#include "pages/LabelSource.h"

#include "pages/LabelListBuilder.h"

LabelSource::LabelSource(const ImportedColumn &names, const ImportedColumn &quantities)
    : all(buildLabelMap(names, quantities, QString())) {}

LabelSource::LabelSource(const ImportedTable &table, const LabelTemplate &labelText,
                         const ImportedColumn &quantities)
    : all(buildLabelMap(table, labelText, quantities)) {}

LabelMap LabelSource::filtered(const QString &filter) const {
    if (filter.isEmpty())
        return all;
    LabelMap labels;
    for (const LabelEntry &entry : all)
        if (entry.name.startsWith(filter, Qt::CaseInsensitive))
            labels.insert(entry.name, entry.quantity, entry.moreLines);
    return labels;
}
