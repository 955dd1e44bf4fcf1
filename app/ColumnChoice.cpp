#include "app/ColumnChoice.h"

#include "xls/common/CaptionWords.h"

#include <algorithm>
#include <span>

namespace {

bool containsAny(const QString &caption, std::span<const std::u16string_view> parts) {
    for (std::u16string_view part : parts)
        if (caption.contains(QStringView(part.data(), qsizetype(part.size())), Qt::CaseSensitive))
            return true;
    return false;
}

} // namespace

ColumnChoice chooseColumns(const QStringList &captions) {
    ColumnChoice choice;
    for (int column = 0; column < captions.size(); ++column) {
        const QString &caption = captions.at(column);
        if (containsAny(caption, xls::nameCaptionWords))
            choice.nameColumn = column;
        if (containsAny(caption, xls::quantityCaptionWords))
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
