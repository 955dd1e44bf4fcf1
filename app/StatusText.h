#pragma once

#include <QString>

#include <cstdint>

// What the status line under the preview reports about the label list.
struct LabelListFacts {
    bool imported = false;
    qsizetype names = 0; // after the filter
    std::int64_t labels = 0;
    QString filter;
    QString search;
    bool searchFound = true;
    qsizetype rowsWithFractionalQuantity = 0;
    qsizetype namesWithoutCopies = 0;
    // Rows merged into an equal label of an earlier row, and whether a
    // quantity column gave them their quantities.
    qsizetype rowsMerged = 0;
    bool quantityColumn = false;
    bool captionRowPrinted = false;
    // The file holds rows below the captions that give labels.
    bool rowsBelowCaptions = true;
};

// The status line in German: the names and labels of the list, then each
// thing the user should know (no names below the captions, nothing found,
// the caption row printed, rows merged, quantities counted as 1, names
// without a label), one sentence each.
QString labelListStatus(const LabelListFacts &facts);
