#include "pages/LabelPick.h"

#include "pages/CaseFolding.h"

#include <QSet>

namespace {
std::optional<int> rowNumber(const QString &text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= 1 ? std::optional<int>(number) : std::nullopt;
}
} // namespace

std::optional<RowNumbers> RowNumbers::parse(const QString &text) {
    RowNumbers numbers;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        const std::optional<int> first = rowNumber(dash < 0 ? item : item.left(dash));
        const std::optional<int> last = dash < 0 ? first : rowNumber(item.mid(dash + 1));
        if (!first || !last || *last < *first)
            return std::nullopt;
        numbers.spans.append({*first, *last});
    }
    return numbers;
}

bool RowNumbers::containsTableRow(int row) const {
    // Table row 0 is the spreadsheet's row 1.
    const qint64 number = qint64(row) + 1;
    for (const auto &[first, last] : spans)
        if (number >= first && number <= last)
            return true;
    return false;
}

LabelMap labelsContaining(const LabelMap &labels, const QString &text) {
    const QString folded = foldCase(text);
    LabelMap found;
    for (const LabelEntry &entry : labels) {
        bool contains = entry.foldedName.contains(folded);
        for (qsizetype line = 0; !contains && line < entry.moreLines.size(); ++line)
            contains = foldCase(entry.moreLines.at(line)).contains(folded);
        if (contains)
            found.append(entry);
    }
    return found;
}

LabelMap labelsOfRows(const LabelMap &labels, const RowNumbers &rows, const LabelMap *eachRow) {
    QSet<LabelMap::Key> merged;
    if (eachRow)
        for (const LabelEntry &entry : *eachRow)
            if (rows.containsTableRow(entry.row))
                merged.insert(LabelMap::Key::of(entry));
    LabelMap found;
    for (const LabelEntry &entry : labels)
        if (rows.containsTableRow(entry.row) || merged.contains(LabelMap::Key::of(entry)))
            found.append(entry);
    return found;
}
