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
