#include "app/ColumnChoice.h"

#include <algorithm>

namespace {

bool containsAny(const QString &caption, std::initializer_list<QLatin1String> parts) {
    for (QLatin1String part : parts)
        if (caption.contains(part, Qt::CaseSensitive))
            return true;
    return false;
}

} // namespace

ColumnChoice chooseColumns(const QStringList &captions) {
    ColumnChoice choice;
    for (int column = 0; column < captions.size(); ++column) {
        const QString &caption = captions.at(column);
        if (containsAny(caption, {QLatin1String("name"), QLatin1String("Name")}))
            choice.nameColumn = column;
        // "Anz" covers "Anzahl".
        if (containsAny(caption, {QLatin1String("Anz"), QLatin1String("Menge")}))
            choice.quantityColumn = column;
    }
    return choice;
}

QStringList choosableCaptions(const QStringList &captions, const ImportedTable &table) {
    qsizetype filled = 0;
    for (auto column = table.cbegin(); column != table.cend(); ++column)
        if (!column.value().isEmpty())
            filled = std::max<qsizetype>(filled, column.key() + 1);
    return captions.first(std::min(filled, captions.size()));
}
