#pragma once

#include "pages/LabelSheet.h"

#include <QList>
#include <QString>
#include <QStringList>

// A list of label sheets that can be searched as a person types: by maker,
// product code or alias, description or size ("63,5 x 38,1"). Each sheet's
// search text is made once when it is added, so a keystroke only compares.
class LabelSheetCatalogue {
public:
    // The sheets compiled into the program (resources/labelsheets.tsv).
    static const LabelSheetCatalogue &builtIn();

    // Reads the tab-separated catalogue format: a sheet per line, '#' lines
    // and empty lines ignored. Lines that do not give a valid sheet are left
    // out, each with its line number and reason in *problems.
    static LabelSheetCatalogue fromTsv(const QString &text, QStringList *problems = nullptr);

    void add(const LabelSheet &sheet);
    const QList<LabelSheet> &sheets() const { return all; }
    qsizetype size() const { return all.size(); }

    // The sheet with this code or alias, case-insensitively; null if none.
    const LabelSheet *findCode(const QString &code) const;
    // Indexes of the sheets that contain every word of the query, in
    // catalogue order; all sheets for an empty query.
    QList<qsizetype> search(const QString &query) const;

private:
    QList<LabelSheet> all;
    QStringList searchTexts;
};

// One line of the catalogue format for a sheet; fromTsv reads it back.
QString toTsvLine(const LabelSheet &sheet);

// The search form of a text: lower case, decimal commas as points, and the
// spaces around a size's "x" removed, so "63,5 X 38,1" finds "63.5x38.1".
QString normalisedSearchText(const QString &text);
