#pragma once

#include "import/ImportedTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a label says: up to three lines, each built from literal text and
// fields, a field being a column of the imported table. A field is written
// «Caption», or «Spalte 3» for a column without a caption of its own. As one
// text (the command line's), lines are separated by "|" and "\|" is a bar of
// the text, e.g. "«Vorname» «Nachname»|«Firma» \| Gast".
class LabelTemplate {
public:
    static constexpr int maximumLines = 3;
    static constexpr QChar lineSeparator = u'|';
    static constexpr QChar separatorEscape = u'\\';
    static constexpr QChar fieldOpening = u'«';
    static constexpr QChar fieldClosing = u'»';

    // A piece of a line: literal text, or a field. A field whose caption the
    // table does not have keeps its caption and gives no text.
    struct Piece {
        QString text; // the literal text, or the caption a field was written with
        int column = noColumn;
        bool isField = false;
        friend bool operator==(const Piece &, const Piece &) = default;
    };
    using Line = QList<Piece>;
    static constexpr int noColumn = -1;

    LabelTemplate() = default;
    // One line of one column: what a label said before it could say more.
    static LabelTemplate ofColumn(int column);
    // Reads the text form; fields are looked up among the captions (row 0).
    static LabelTemplate parse(const QString &text, const QStringList &captions);
    // Reads lines given apart, each of which may hold any text, "|" too.
    static LabelTemplate fromLines(const QStringList &lineTexts, const QStringList &captions);
    // The lines of the text form: split at each "|" not written "\|".
    static QStringList splitLines(const QString &text);
    // The text form of lines given apart, their bars written "\|".
    static QString joinLines(const QStringList &lineTexts);

    // The text form, every field written with the name columnName gives it.
    QString text(const QStringList &captions) const;
    const QList<Line> &lines() const { return lineList; }
    bool isEmpty() const;
    // The column of a template that is one line of one column and nothing else.
    std::optional<int> soleColumn() const;
    // The columns the lines read, each once, ascending.
    QList<int> columns() const;
    // The captions of fields the table does not have, each once, in order.
    QStringList missingCaptions() const;
    // The number of lines written beyond maximumLines (they are not printed).
    int surplusLines() const { return surplusLineCount; }

    // The label of one row: its lines with their fields filled in. A field
    // without a value is left out together with the literal text that joins
    // it to its neighbours, so no double space or dangling comma remains;
    // text before the first or after the last field stays when any field of
    // the line has a value. Lines that come out blank are dropped.
    QStringList labelLines(const ImportedTable &table, int row) const;
    // The label of the first row under the captions that gives one, as an
    // example of what the template prints; empty when no row does.
    QStringList exampleLines(const ImportedTable &table) const;

    friend bool operator==(const LabelTemplate &, const LabelTemplate &) = default;

private:
    QList<Line> lineList;
    int surplusLineCount = 0;
};

// Whether a text is empty or white space alone (spaces, no-break spaces,
// ideographic spaces, line breaks): it prints nothing a reader can see.
bool isBlank(QStringView text);

// How a template writes a column: its caption without surrounding spaces, or
// "Spalte n" (counted from 1) when the caption is empty or another column has
// the same one, so that every column has a name of its own.
QString columnName(const QStringList &captions, int column);

// The column a field's name refers to, as lookUpColumn finds it; noColumn when
// none or more than one fit.
int columnOfName(const QStringList &captions, const QString &name);

// The field for a column, as a template writes it: «name».
QString fieldText(const QStringList &captions, int column);
