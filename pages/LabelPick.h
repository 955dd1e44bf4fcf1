#pragma once

#include "pages/LabelMap.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Rows of a spreadsheet as a person writes them: numbers and spans separated
// by commas ("3,5-9"), counted as the spreadsheet counts them (its first row,
// the caption row, is 1).
class RowNumbers {
public:
    // None for a text that is not such a list: an empty item, a number below
    // 1 or too large, a span whose end lies before its start.
    static std::optional<RowNumbers> parse(const QString &text);
    // Whether a table row (counted from 0) is among the numbers.
    bool containsTableRow(int row) const;

private:
    QList<std::pair<int, int>> spans; // first and last spreadsheet row of each
};

// The labels any of whose lines contains the text in any letter case (full
// case folding, as the search), in list order with their quantities.
LabelMap labelsContaining(const LabelMap &labels, const QString &text);

// The labels given by the rows, in list order with their quantities. When
// equal rows were merged into one label, eachRow holds every row's own label,
// so that a row merged into an earlier one picks the label it was merged
// into; without it (rows not merged) a label is picked by its own row.
LabelMap labelsOfRows(const LabelMap &labels, const RowNumbers &rows,
                      const LabelMap *eachRow = nullptr);
