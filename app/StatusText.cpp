#include "app/StatusText.h"

#include "pages/LabelMap.h"
#include "pages/PrintRange.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

// The context these texts are filed under in the translation.
struct StatusTexts {
    Q_DECLARE_TR_FUNCTIONS(StatusText)
};

// Digits grouped as the texts' language does: 2.226.634 in German, 2,226,634
// in English.
QString number(std::int64_t value) {
    return QLocale(StatusTexts::tr("de_DE", "the locale the status line writes numbers in"))
        .toString(qlonglong(value));
}

QString counted(std::int64_t value, const char *one, const char *many) {
    return number(value) + QLatin1Char(' ') + StatusTexts::tr(value == 1 ? one : many);
}

// Quantities above this are named in the status line.
constexpr int largeQuantity = 1000;

// Rows that became one label with an earlier row: said, so nobody vanishes unseen.
QString mergedRows(const LabelListFacts &facts) {
    QString sentence =
        facts.rowsMerged == 1
            ? StatusTexts::tr("1 Zeile gleicht einem Label weiter oben und wurde mit ihm "
                              "zusammengefasst.")
            : StatusTexts::tr("%1 Zeilen gleichen einem Label weiter oben und wurden mit ihm "
                              "zusammengefasst.")
                  .arg(number(facts.rowsMerged));
    if (facts.quantityColumn)
        sentence +=
            QLatin1Char(' ') + StatusTexts::tr("Es zählt die Anzahl der letzten gleichen Zeile.");
    return sentence;
}

// "Treffer 3 von 12." while a search text finds names, else that it finds none.
QString searchSentence(const LabelListFacts &facts) {
    if (facts.searchMatches == 0)
        return StatusTexts::tr("Die Suche nach „%1“ findet keinen Namen.").arg(facts.search);
    if (facts.currentMatch == 0)
        return StatusTexts::tr("%1 Treffer.").arg(number(facts.searchMatches));
    return StatusTexts::tr("Treffer %1 von %2.")
        .arg(number(facts.currentMatch), number(facts.searchMatches));
}

} // namespace

QString labelListStatus(const LabelListFacts &facts) {
    if (!facts.imported)
        return StatusTexts::tr("Keine Namensliste importiert: Datei › Öffnen... öffnet eine.");
    QStringList sentences;
    if (facts.names == 0 && !facts.filter.isEmpty())
        sentences << StatusTexts::tr("Kein Name beginnt mit „%1“.").arg(facts.filter);
    else
        sentences << counted(facts.names, QT_TRANSLATE_NOOP("StatusText", "Name"),
                             QT_TRANSLATE_NOOP("StatusText", "Namen")) +
                         QStringLiteral(", ") +
                         counted(facts.labels, QT_TRANSLATE_NOOP("StatusText", "Label."),
                                 QT_TRANSLATE_NOOP("StatusText", "Labels."));
    if (!facts.rowsBelowCaptions)
        sentences << StatusTexts::tr("Die Datei enthält keine Namen unter der Kopfzeile.");
    if (!facts.search.isEmpty())
        sentences << searchSentence(facts);
    if (facts.captionRowPrinted)
        sentences << StatusTexts::tr(
            "Die Kopfzeile wird als Label gedruckt („Kopfzeile nicht drucken“ "
            "lässt sie weg).");
    if (facts.rowsMerged > 0)
        sentences << mergedRows(facts);
    if (facts.rowsWithFractionalQuantity > 0)
        sentences << (facts.rowsWithFractionalQuantity == 1
                          ? StatusTexts::tr(
                                "1 Zeile mit einer Anzahl, die keine ganze Zahl ist, wurde als "
                                "1 gezählt.")
                          : StatusTexts::tr(
                                "%1 Zeilen mit einer Anzahl, die keine ganze Zahl ist, wurden "
                                "als 1 gezählt.")
                                .arg(number(facts.rowsWithFractionalQuantity)));
    if (facts.namesWithoutCopies > 0)
        sentences << (facts.namesWithoutCopies == 1
                          ? StatusTexts::tr("1 Name mit einer Anzahl unter 1 erhält kein Label.")
                          : StatusTexts::tr(
                                "%1 Namen mit einer Anzahl unter 1 erhalten kein Label.")
                                .arg(number(facts.namesWithoutCopies)));
    return sentences.join(QLatin1Char(' '));
}

QString largeQuantityNote(const LabelMap &labels) {
    const LabelEntry *largest = nullptr;
    qsizetype large = 0;
    for (const LabelEntry &entry : labels) {
        if (entry.quantity <= largeQuantity)
            continue;
        ++large;
        if (!largest || entry.quantity > largest->quantity)
            largest = &entry;
    }
    if (!largest)
        return {};
    QString note = StatusTexts::tr("Menge über %1: %2 bei «%3»")
                       .arg(number(largeQuantity), number(largest->quantity), largest->name);
    if (large > 1)
        note += QLatin1Char(' ') +
                (large == 2 ? StatusTexts::tr("und bei 1 weiteren Namen")
                            : StatusTexts::tr("und bei %1 weiteren Namen").arg(number(large - 1)));
    return note + QLatin1Char('.');
}

QString printRangeNote(int currentPage, int pageCount) {
    if (currentPage <= 0)
        return {};
    const PageSpan pages = presetPrintRange(currentPage, pageCount - 1);
    return (pages.first == pages.last ? StatusTexts::tr("Gedruckt wird die %1.")
                                      : StatusTexts::tr("Gedruckt werden die %1."))
        .arg(printRangeText(pages, pageCount));
}

QString designProblemNote(const QStringList &problems) {
    if (problems.isEmpty())
        return {};
    if (problems.size() == 1)
        return problems.first();
    return problems.first() + QLatin1Char(' ') +
           StatusTexts::tr("Dazu %1 weitere Abweichungen von der Gestaltung.")
               .arg(number(problems.size() - 1));
}

QString deskNote(qsizetype printed, qsizetype people) {
    if (printed <= 0)
        return {};
    return StatusTexts::tr("%1 von %2 gedruckt.").arg(number(printed), number(people));
}

QString withNote(const QString &status, const QString &note) {
    return note.isEmpty() ? status : status + QLatin1Char(' ') + note;
}
