#include "pages/ColumnLookup.h"

#include <QCoreApplication>

namespace {
// The context these texts are filed under in the translation.
struct ColumnLookupTexts {
    Q_DECLARE_TR_FUNCTIONS(ColumnLookup)
};

const QString numberedPrefix = QStringLiteral("Spalte ");

// The column a number names ("3" or "Spalte 3"), or noColumn.
int numberedColumn(const QString &wanted, qsizetype columnCount) {
    const QString digits = wanted.startsWith(numberedPrefix, Qt::CaseInsensitive)
                               ? wanted.mid(numberedPrefix.size())
                               : wanted;
    bool isNumber = false;
    const int number = digits.toInt(&isNumber, 10);
    return isNumber && number >= 1 && number <= columnCount ? number - 1 : ColumnLookup::noColumn;
}

// The columns whose caption is the wanted text with this letter case rule.
QList<int> captionedColumns(const QStringList &captions, const QString &wanted,
                            Qt::CaseSensitivity sensitivity) {
    QList<int> columns;
    for (int column = 0; column < captions.size(); ++column) {
        const QString caption = captions.at(column).trimmed();
        if (caption.compare(wanted, sensitivity) == 0 &&
            !isNumberedColumnName(caption, captions.size()))
            columns << column;
    }
    return columns;
}

} // namespace

QString numberedColumnName(int column) {
    return numberedPrefix + QString::number(column + 1);
}

bool isNumberedColumnName(const QString &caption, qsizetype columnCount) {
    return caption.startsWith(numberedPrefix, Qt::CaseInsensitive) &&
           numberedColumn(caption, columnCount) != ColumnLookup::noColumn;
}

ColumnLookup lookUpColumn(const QStringList &captions, const QString &written) {
    const QString wanted = written.trimmed();
    if (wanted.isEmpty())
        return {};
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        const QList<int> matches = captionedColumns(captions, wanted, sensitivity);
        if (matches.size() == 1)
            return {ColumnLookup::Outcome::Found, matches.first(), {}};
        if (matches.size() > 1)
            return {ColumnLookup::Outcome::Ambiguous, ColumnLookup::noColumn, matches};
    }
    if (const int column = numberedColumn(wanted, captions.size());
        column != ColumnLookup::noColumn)
        return {ColumnLookup::Outcome::Found, column, {}};
    return {};
}

QString columnLookupProblem(const ColumnLookup &lookup, const QString &quoted) {
    if (lookup.outcome != ColumnLookup::Outcome::Ambiguous)
        return ColumnLookupTexts::tr("keine Spalte %1").arg(quoted);
    QStringList numbers;
    for (int column : lookup.candidates)
        numbers << QString::number(column + 1);
    const QString last = numbers.takeLast();
    return ColumnLookupTexts::tr("%1 passt auf die Spalten %2 und %3; "
                                 "bitte die Spalte mit ihrer Nummer angeben")
        .arg(quoted, numbers.join(QStringLiteral(", ")), last);
}
