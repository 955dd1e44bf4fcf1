#include "app/SheetSettings.h"

#include "pages/LabelSheetCatalogue.h"

#include <QSettings>

namespace {
const QString group = QStringLiteral("labelSheets");
const QString chosenMakerKey = QStringLiteral("chosenMaker");
const QString chosenCodeKey = QStringLiteral("chosenCode");
const QString framesKey = QStringLiteral("framesOnPaper");
const QString ownKey = QStringLiteral("ownSheets");
const QString importedKey = QStringLiteral("importedSheets");
const QString offsetsKey = QStringLiteral("printerOffsets");

QList<LabelSheet> readSheets(const QSettings &settings, const QString &key) {
    return LabelSheetCatalogue::fromTsv(settings.value(key).toStringList().join(QLatin1Char('\n')))
        .sheets();
}

QStringList sheetLines(const QList<LabelSheet> &sheets) {
    QStringList lines;
    for (const LabelSheet &sheet : sheets)
        lines.append(toTsvLine(sheet));
    return lines;
}
} // namespace

SheetSettings SheetSettings::load(QSettings &settings) {
    SheetSettings loaded;
    settings.beginGroup(group);
    loaded.chosenMaker = settings.value(chosenMakerKey).toString();
    loaded.chosenCode = settings.value(chosenCodeKey).toString();
    loaded.framesOnPaper = settings.value(framesKey, false).toBool();
    loaded.ownSheets = readSheets(settings, ownKey);
    loaded.importedSheets = readSheets(settings, importedKey);
    const QVariantMap offsets = settings.value(offsetsKey).toMap();
    for (auto offset = offsets.begin(); offset != offsets.end(); ++offset)
        loaded.printerOffsets.insert(offset.key(), offset.value().toPointF());
    settings.endGroup();
    return loaded;
}

void SheetSettings::save(QSettings &settings) const {
    settings.beginGroup(group);
    settings.setValue(chosenMakerKey, chosenMaker);
    settings.setValue(chosenCodeKey, chosenCode);
    settings.setValue(framesKey, framesOnPaper);
    settings.setValue(ownKey, sheetLines(ownSheets));
    settings.setValue(importedKey, sheetLines(importedSheets));
    QVariantMap offsets;
    for (auto offset = printerOffsets.begin(); offset != printerOffsets.end(); ++offset)
        offsets.insert(offset.key(), offset.value());
    settings.setValue(offsetsKey, offsets);
    settings.endGroup();
}
