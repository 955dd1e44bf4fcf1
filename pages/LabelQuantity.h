#pragma once

#include <QString>

// The quantity a cell text asks for: its base-10 integer value, or 1 when the
// text is empty, not an integer (2.5, abc) or the integer 0. Negative values
// are kept; such a name prints no label.
int labelQuantity(const QString &text);

// Whether a cell text is a base-10 integer (within int), as a quantity should be.
bool isWholeNumber(const QString &text);
