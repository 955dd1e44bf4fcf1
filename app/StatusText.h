#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class LabelMap;

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
    // Rows merged into an equal label of an earlier row, and whether a
    // quantity column gave them their quantities.
    qsizetype rowsMerged = 0;
    bool quantityColumn = false;
    bool captionRowPrinted = false;
    // The file holds rows below the captions that give labels.
    bool rowsBelowCaptions = true;
};

// The status line in German: the names and labels of the list, then each
// thing the user should know (no names below the captions, the search's
// matches, the caption row printed, rows merged, quantities counted as 1, names
// without a label), one sentence each.
QString labelListStatus(const LabelListFacts &facts);

// The largest quantity above 1.000 and its label, and how many more there
// are, so that a mistyped quantity is seen before it prints: "Menge über
// 1.000: 2.147.483.647 bei «Anna»." Empty when there is none.
QString largeQuantityNote(const LabelMap &labels);

// Which pages printing offers when the page shown is not the first, as the
// print dialog opens with its range folded away: "Gedruckt werden die Seiten
// 2 bis 25 von 25." Empty on the first page.
QString printRangeNote(int currentPage, int pageCount);

// What keeps labels from printing as designed: the first problem, and how
// many more there are. Empty when there is none.
QString designProblemNote(const QStringList &problems);

// How many people of the list the reception desk printed a badge for: "112
// von 180 gedruckt." Empty before the first.
QString deskNote(qsizetype printed, qsizetype people);

// The status line with one more sentence; an empty one adds nothing.
QString withNote(const QString &status, const QString &note);
