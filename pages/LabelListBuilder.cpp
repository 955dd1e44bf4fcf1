#include "pages/LabelListBuilder.h"

#include "pages/LabelQuantity.h"
#include "pages/LabelTemplate.h"

#include <QList>

#include <algorithm>
#include <utility>

namespace {

// The rows of a column in ascending order; the hash has no order of its own.
QList<std::pair<int, const QString *>> rowsInOrder(const ImportedColumn &column) {
    QList<std::pair<int, const QString *>> rows;
    rows.reserve(column.size());
    for (auto cell = column.cbegin(); cell != column.cend(); ++cell)
        if (cell.key() >= 0 && !cell.value().isEmpty())
            rows.append({cell.key(), &cell.value()});
    std::sort(rows.begin(), rows.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    return rows;
}

// The rows that have a value in any of the columns, ascending, each once.
QList<int> rowsWithValues(const ImportedTable &table, const QList<int> &columns) {
    QList<int> rows;
    for (int column : columns) {
        const ImportedColumn cells = table.value(column);
        rows.reserve(rows.size() + cells.size());
        for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
            if (cell.key() >= 0 && !cell.value().isEmpty())
                rows.append(cell.key());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn &quantities,
                       const QString &filter) {
    LabelMap labels;
    if (filter.isEmpty())
        labels.reserve(names.size());
    for (const auto &[row, name] : rowsInOrder(names)) {
        // Compared letter by letter in one case, without a lower-case copy per name.
        if (!filter.isEmpty() && !name->startsWith(filter, Qt::CaseInsensitive))
            continue;
        labels.insert(*name, labelQuantity(quantities.value(row)));
    }
    return labels;
}

LabelMap buildLabelMap(const ImportedTable &table, const LabelTemplate &labelText,
                       const ImportedColumn &quantities) {
    // One column alone reads it as the name column, at the name column's cost.
    if (const std::optional<int> column = labelText.soleColumn())
        return buildLabelMap(table.value(*column), quantities, QString());
    LabelMap labels;
    const QList<int> rows = rowsWithValues(table, labelText.columns());
    labels.reserve(rows.size());
    for (int row : rows) {
        QStringList lines = labelText.labelLines(table, row);
        if (lines.isEmpty())
            continue;
        const QString name = lines.takeFirst();
        labels.insert(name, labelQuantity(quantities.value(row)), lines);
    }
    return labels;
}
