#pragma once

#include <QString>

// Full Unicode case folding (ICU's default folding), so that texts compare
// in any letter case: "Straße" and "STRASSE" both fold to "strasse", "İlker"
// folds to "i̇lker" and so contains "i". Qt's toCaseFolded() maps one letter
// to one letter and misses both.
QString foldCase(const QString &text);
