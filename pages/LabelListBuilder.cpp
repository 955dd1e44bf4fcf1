#include "pages/LabelListBuilder.h"

#include "pages/CaseFolding.h"
#include "pages/LabelQuantity.h"
#include "pages/LabelTemplate.h"

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
        if (cell.key() >= firstRow && !isBlank(cell.value()))
            ordered.append({cell.key(), &cell.value()});
    std::sort(ordered.begin(), ordered.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    return ordered;
}

// The rows that have a value in any of the columns, ascending, each once.
QList<int> rowsWithValues(const ImportedTable &table, const QList<int> &columns, int firstRow) {
    QList<int> rows;
    for (int column : columns) {
        const ImportedColumn cells = table.value(column);
        rows.reserve(rows.size() + cells.size());
        for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
            if (cell.key() >= firstRow && !isBlank(cell.value()))
                rows.append(cell.key());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Enters one row's label as the rows ask and notes what the reader should know.
void enterRow(LabelMap &labels, int row, const QString &name, const QStringList &moreLines,
              const QString &quantity, LabelRows rows, LabelNotes &noted) {
    // The caption row's quantity is a caption, not a slip worth a note.
    if (row != captionRow && !quantity.isEmpty() && !isWholeNumber(quantity))
        ++noted.rowsWithFractionalQuantity;
    if (row == captionRow)
        noted.captionRowPrinted = true;
    else
        ++noted.rowsBelowCaptions;
    if (!rows.mergeEqual) {
        // Each row its own entry, which remembers its row.
        LabelEntry entry;
        entry.name = name;
        entry.quantity = labelQuantity(quantity);
        entry.foldedName = foldCase(name);
        entry.moreLines = moreLines;
        entry.row = row;
        labels.append(entry);
    } else if (labels.insert(name, labelQuantity(quantity), moreLines))
        ++noted.rowsMerged;
}

} // namespace

LabelMap buildLabelMap(const ImportedColumn &names, const ImportedColumn *quantities,
                       const QString &filter, LabelRows rows, LabelNotes *notes) {
    LabelMap labels;
    if (filter.isEmpty())
        labels.reserve(names.size());
    const QString foldedFilter = foldCase(filter);
    LabelNotes noted;
    for (const auto &[row, name] : rowsInOrder(names, rows))
        enterRow(labels, row, *name, {}, quantities ? quantities->value(row) : QString(), rows,
                 noted);
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

LabelMap buildLabelMap(const ImportedTable &table, const LabelTemplate &labelText,
                       const ImportedColumn *quantities, LabelRows rows, LabelNotes *notes) {
    // One column alone reads it as the name column, at the name column's cost.
    if (const std::optional<int> column = labelText.soleColumn())
        return buildLabelMap(table.value(*column), quantities, QString(), rows, notes);
    LabelMap labels;
    LabelNotes noted;
    const QList<int> rowsWithLabels = rowsWithValues(table, labelText.columns(), captionRow + 1);
    labels.reserve(rowsWithLabels.size());
    for (int row : rowsWithLabels) {
        QStringList lines = labelText.labelLines(table, row);
        if (lines.isEmpty())
            continue;
        const QString name = lines.takeFirst();
        enterRow(labels, row, name, lines, quantities ? quantities->value(row) : QString(), rows,
                 noted);
    }
    if (notes)
        *notes = noted;
    return labels;
}
