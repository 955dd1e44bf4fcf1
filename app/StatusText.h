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
    qsizetype searchMatches = 0; // label entries the search text finds
    qsizetype currentMatch = 0;  // one-based; 0 before the first step to one
    qsizetype rowsWithFractionalQuantity = 0;
    qsizetype namesWithoutCopies = 0;
};

// The status line in German: the names and labels of the list, then each
// thing the user should know (the search's matches, quantities counted as 1, names
// without a label), one sentence each.
QString labelListStatus(const LabelListFacts &facts);
