#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where a column a person names lies among the captions (row 0).
struct ColumnLookup {
    enum class Outcome { Found, Ambiguous, Absent };
    static constexpr int noColumn = -1;

    Outcome outcome = Outcome::Absent;
    int column = noColumn; // when found
    // When ambiguous: the columns that matched alike, counted from 0.
    QList<int> candidates;

    bool found() const { return outcome == Outcome::Found; }
};

// The one way a column is named, on the command line and in a label text:
// by its caption as written (without surrounding spaces), else by its caption
// in any letter case, else by its number counted from 1, written "3" or
// "Spalte 3". Two columns matching at the same stage make the name ambiguous.
// A caption of the numbered form ("Spalte 2") is no caption to match, so
// "Spalte n" always means column n.
ColumnLookup lookUpColumn(const QStringList &captions, const QString &written);

// "Spalte 3" for the third column (counted from 0 here).
QString numberedColumnName(int column);
// Whether a caption reads as the number of one of the columns ("Spalte 2").
bool isNumberedColumnName(const QString &caption, qsizetype columnCount);

// Why a name finds no column, in German, the name quoted as the caller writes
// it: "keine Spalte «Firma»", or "«Name» passt auf die Spalten 1 und 3; ...".
QString columnLookupProblem(const ColumnLookup &lookup, const QString &quoted);
