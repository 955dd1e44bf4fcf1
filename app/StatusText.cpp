#include "app/StatusText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

QString text(const char *source) {
    return QCoreApplication::translate("StatusText", source);
}

// German digit grouping: 2.226.634.
QString number(std::int64_t value) {
    return QLocale(QLocale::German, QLocale::Germany).toString(qlonglong(value));
}

QString counted(std::int64_t value, const char *one, const char *many) {
    return number(value) + QLatin1Char(' ') + text(value == 1 ? one : many);
}

// "Treffer 3 von 12." while a search text finds names, else that it finds none.
QString searchSentence(const LabelListFacts &facts) {
    if (facts.searchMatches == 0)
        return text("Die Suche nach „%1“ findet keinen Namen.").arg(facts.search);
    if (facts.currentMatch == 0)
        return text("%1 Treffer.").arg(number(facts.searchMatches));
    return text("Treffer %1 von %2.").arg(number(facts.currentMatch), number(facts.searchMatches));
}

} // namespace

QString labelListStatus(const LabelListFacts &facts) {
    if (!facts.imported)
        return text("Keine Namensliste importiert: Datei › Öffnen... öffnet eine.");
    QStringList sentences;
    if (facts.names == 0 && !facts.filter.isEmpty())
        sentences << text("Kein Name beginnt mit „%1“.").arg(facts.filter);
    else
        sentences << counted(facts.names, "Name", "Namen") + QStringLiteral(", ") +
                         counted(facts.labels, "Label.", "Labels.");
    if (!facts.search.isEmpty())
        sentences << searchSentence(facts);
    if (facts.rowsWithFractionalQuantity > 0)
        sentences << (facts.rowsWithFractionalQuantity == 1
                          ? text("1 Zeile mit einer Anzahl, die keine ganze Zahl ist, wurde als "
                                 "1 gezählt.")
                          : text("%1 Zeilen mit einer Anzahl, die keine ganze Zahl ist, wurden "
                                 "als 1 gezählt.")
                                .arg(number(facts.rowsWithFractionalQuantity)));
    if (facts.namesWithoutCopies > 0)
        sentences << (facts.namesWithoutCopies == 1
                          ? text("1 Name mit einer Anzahl unter 1 erhält kein Label.")
                          : text("%1 Namen mit einer Anzahl unter 1 erhalten kein Label.")
                                .arg(number(facts.namesWithoutCopies)));
    return sentences.join(QLatin1Char(' '));
}
