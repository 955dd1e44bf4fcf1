#pragma once

#include "pages/LabelMap.h"

#include <QString>

#include <cstdint>
#include <optional>

// Whether a label is highlighted for a search text: its name contains the
// text anywhere, in any letter case (full case folding). An empty text
// highlights nothing.
bool highlightsName(const QString &name, const QString &searchText);
// The same for texts already folded with foldCase().
bool highlightsFolded(const QString &foldedName, const QString &foldedSearch);

// The number of the first copy of the first name, in label order, that
// contains the text anywhere in any letter case (an empty text is contained
// in every name). Names that print no copy are not found: they
// appear on no page. Counts by arithmetic, one step per distinct name.
std::optional<std::int64_t> firstCopyMatching(const LabelMap &labels, const QString &text);

// The entries (counted from 0) the search text finds, as SearchMatches
// counts its matches.
QList<qsizetype> entriesMatching(const LabelMap &labels, const QString &text);

// The labels a search text finds: one match per label entry that prints a
// copy and contains the text, in label order, and which of them is current.
// Stepping wraps around at the ends. Before the first step none is current.
class SearchMatches {
public:
    SearchMatches() = default;
    // An empty text finds nothing.
    SearchMatches(const LabelMap &labels, const QString &text);

    qsizetype count() const { return firstCopies.size(); }
    // Zero-based index of the current match; -1 while none is.
    qsizetype current() const { return index; }
    // The number of the current match's first copy, if one is current.
    std::optional<std::int64_t> currentCopy() const;
    // Makes the next (or previous) match current, from the last (or first)
    // to the first (or last); from none, the first (or last). False when
    // there is no match.
    bool next();
    bool previous();

private:
    QList<std::int64_t> firstCopies;
    qsizetype index = -1;
};
