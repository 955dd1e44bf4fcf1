#include "pages/LabelListBuilder.h"

#include "pages/CaseFolding.h"
#include "pages/LabelQuantity.h"

#include <QList>

#include <algorithm>
#include <utility>

namespace {

constexpr int captionRow = 0;

// The rows of a column in ascending order; the hash has no order of its own.
QList<std::pair<int, const QString *>> rowsInOrder(const ImportedColumn &column, LabelRows rows) {
    const int firstRow = rows.skipCaptionRow ? captionRow + 1 : captionRow;
    QList<std::pair<int, const QString *>> ordered;
    ordered.reserve(column.size());
    for (auto cell = column.cbegin(); cell != column.cend(); ++cell)
        if (cell.key() >= firstRow && !cell.value().isEmpty())
            ordered.append({cell.key(), &cell.value()});
    std::sort(ordered.begin(), ordered.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    return ordered;
}

} // namespace

LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn *quantities,
                       const QString &filter, LabelRows rows, LabelNotes *notes) {
    LabelMap labels;
    if (filter.isEmpty())
        labels.reserve(names.size());
    const QString foldedFilter = foldCase(filter);
    LabelNotes noted;
    for (const auto &[row, name] : rowsInOrder(names, rows)) {
        const QString quantity = quantities ? quantities->value(row) : QString();
        if (!quantity.isEmpty() && !isWholeNumber(quantity))
            ++noted.rowsWithFractionalQuantity;
        labels.insert(*name, labelQuantity(quantity));
    }
    if (notes)
        *notes = noted;
    if (filter.isEmpty())
        return labels;
    LabelMap passed;
    for (const LabelEntry &entry : labels)
        if (entry.foldedName.startsWith(foldedFilter))
            passed.append(entry);
    return passed;
}
