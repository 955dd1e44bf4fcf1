#include "app/Settings.h"

#include "pages/LabelJob.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/LabelTextKey.h"
#include "pages/PreviewZoom.h"

#include <QSettings>

namespace {

// Raised when keys move; a file without it was written before the groups.
const QString layoutKey = QStringLiteral("layoutVersion");
constexpr int currentLayout = 2;

const QString labelWidthKey = QStringLiteral("window/labelWidthMm");
const QString labelHeightKey = QStringLiteral("window/labelHeightMm");
const QString labelFontKey = QStringLiteral("window/labelFont");
const QString skipCaptionRowKey = QStringLiteral("window/skipCaptionRow");
const QString mergeEqualLabelsKey = QStringLiteral("window/mergeEqualLabels");
const QString lastFolderKey = QStringLiteral("window/lastFolder");
const QString geometryKey = QStringLiteral("window/geometry");
const QString splitterKey = QStringLiteral("window/splitter");
const QString zoomKey = QStringLiteral("window/zoomPercent");

const QString chosenMakerKey = QStringLiteral("sheets/chosenMaker");
const QString chosenCodeKey = QStringLiteral("sheets/chosenCode");
const QString framesKey = QStringLiteral("sheets/framesOnPaper");
const QString rollTurnedKey = QStringLiteral("sheets/rollTurned");
const QString tapeLengthKey = QStringLiteral("sheets/tapeLengthMm");
const QString ownSheetsKey = QStringLiteral("sheets/ownSheets");
const QString importedSheetsKey = QStringLiteral("sheets/importedSheets");
const QString printerOffsetsKey = QStringLiteral("sheets/printerOffsets");

const QString designKey = QStringLiteral("design/file");

// Where versions before the groups kept a value. The window's geometry,
// splitter and zoom and the label texts kept their keys.
struct MovedKey {
    QString before;
    QString now;
};
const MovedKey movedKeys[] = {
    {QStringLiteral("labels/widthMm"), labelWidthKey},
    {QStringLiteral("labels/heightMm"), labelHeightKey},
    {QStringLiteral("labels/font"), labelFontKey},
    {QStringLiteral("labels/skipCaptionRow"), skipCaptionRowKey},
    {QStringLiteral("import/lastFolder"), lastFolderKey},
    {QStringLiteral("labelSheets/chosenMaker"), chosenMakerKey},
    {QStringLiteral("labelSheets/chosenCode"), chosenCodeKey},
    {QStringLiteral("labelSheets/framesOnPaper"), framesKey},
    {QStringLiteral("labelSheets/ownSheets"), ownSheetsKey},
    {QStringLiteral("labelSheets/importedSheets"), importedSheetsKey},
    {QStringLiteral("labelSheets/printerOffsets"), printerOffsetsKey},
};

// A stored whole number within its range, else the default.
int storedInt(const QSettings &settings, const QString &key, int low, int high, int fallback) {
    bool isNumber = false;
    const int value = settings.value(key).toInt(&isNumber);
    return isNumber && value >= low && value <= high ? value : fallback;
}

// A stored printer correction in mm; one a spin box could not show (beyond
// the range, not a number) reads as none.
double storedOffset(double mm) {
    return isPrinterOffset(mm) ? mm : 0;
}

QList<LabelSheet> storedSheets(const QSettings &settings, const QString &key) {
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

QString Settings::organisationName() {
    return QStringLiteral("Tagomat");
}

QString Settings::applicationName() {
    return QStringLiteral("Tagomat");
}

// Named here rather than taken from the application, so that the file is the
// same whoever opens it first.
Settings::Settings() : store(std::make_unique<QSettings>(organisationName(), applicationName())) {
    carryOverOldKeys();
}

Settings::~Settings() = default;

// Once per file: each old key's value goes to its new key, unless a newer
// run already wrote that one, and the old key goes.
void Settings::carryOverOldKeys() {
    if (store->value(layoutKey).toInt() >= currentLayout)
        return;
    for (const MovedKey &key : movedKeys) {
        if (!store->contains(key.before))
            continue;
        if (!store->contains(key.now))
            store->setValue(key.now, store->value(key.before));
        store->remove(key.before);
    }
    store->setValue(layoutKey, currentLayout);
}

WindowSettings Settings::window() const {
    WindowSettings loaded;
    loaded.labelWidthMm = storedInt(*store, labelWidthKey, minimumLabelSizeMm, maximumLabelWidthMm,
                                    loaded.labelWidthMm);
    loaded.labelHeightMm = storedInt(*store, labelHeightKey, minimumLabelSizeMm,
                                     maximumLabelHeightMm, loaded.labelHeightMm);
    const QString fontText = store->value(labelFontKey).toString();
    QFont font;
    if (!fontText.isEmpty() && font.fromString(fontText))
        loaded.labelFont = font;
    loaded.skipCaptionRow = store->value(skipCaptionRowKey, false).toBool();
    loaded.mergeEqualLabels = store->value(mergeEqualLabelsKey, true).toBool();
    loaded.lastFolder = store->value(lastFolderKey).toString();
    loaded.windowGeometry = store->value(geometryKey).toByteArray();
    loaded.splitterState = store->value(splitterKey).toByteArray();
    const int zoom = storedInt(*store, zoomKey, 0, PreviewZoom::percentSteps().last(), 0);
    loaded.zoomPercent = zoom == 0 || PreviewZoom::percentSteps().contains(zoom) ? zoom : 0;
    return loaded;
}

void Settings::setWindow(const WindowSettings &window) {
    store->setValue(labelWidthKey, window.labelWidthMm);
    store->setValue(labelHeightKey, window.labelHeightMm);
    store->setValue(labelFontKey, window.labelFont.toString());
    store->setValue(skipCaptionRowKey, window.skipCaptionRow);
    store->setValue(mergeEqualLabelsKey, window.mergeEqualLabels);
    store->setValue(lastFolderKey, window.lastFolder);
    store->setValue(geometryKey, window.windowGeometry);
    store->setValue(splitterKey, window.splitterState);
    store->setValue(zoomKey, window.zoomPercent);
}

SheetSettings Settings::sheets() const {
    SheetSettings loaded;
    loaded.chosenMaker = store->value(chosenMakerKey).toString();
    loaded.chosenCode = store->value(chosenCodeKey).toString();
    loaded.framesOnPaper = store->value(framesKey, false).toBool();
    loaded.rollTurned = store->value(rollTurnedKey, false).toBool();
    const double tapeLength = store->value(tapeLengthKey, defaultTapeLengthMm).toDouble();
    if (tapeLength >= minimumTapeLengthMm && tapeLength <= maximumTapeLengthMm)
        loaded.tapeLengthMm = tapeLength;
    loaded.ownSheets = storedSheets(*store, ownSheetsKey);
    loaded.importedSheets = storedSheets(*store, importedSheetsKey);
    const QVariantMap offsets = store->value(printerOffsetsKey).toMap();
    for (auto offset = offsets.begin(); offset != offsets.end(); ++offset) {
        const QPointF mm = offset.value().toPointF();
        loaded.printerOffsets.insert(offset.key(),
                                     QPointF(storedOffset(mm.x()), storedOffset(mm.y())));
    }
    return loaded;
}

void Settings::setSheets(const SheetSettings &sheets) {
    store->setValue(chosenMakerKey, sheets.chosenMaker);
    store->setValue(chosenCodeKey, sheets.chosenCode);
    store->setValue(framesKey, sheets.framesOnPaper);
    store->setValue(rollTurnedKey, sheets.rollTurned);
    store->setValue(tapeLengthKey, sheets.tapeLengthMm);
    store->setValue(ownSheetsKey, sheetLines(sheets.ownSheets));
    store->setValue(importedSheetsKey, sheetLines(sheets.importedSheets));
    QVariantMap offsets;
    for (auto offset = sheets.printerOffsets.begin(); offset != sheets.printerOffsets.end();
         ++offset)
        offsets.insert(offset.key(), offset.value());
    store->setValue(printerOffsetsKey, offsets);
}

namespace {
// The lines apart, beside the key that held them joined, so that a line may hold a "|".
QString linesKey(const QStringList &captions) {
    return labelTextSettingsKey(captions) + QStringLiteral("/lines");
}
} // namespace

QStringList Settings::labelLines(const QStringList &captions) const {
    if (store->contains(linesKey(captions)))
        return store->value(linesKey(captions)).toStringList();
    const QString joined = store->value(labelTextSettingsKey(captions)).toString();
    return joined.isEmpty() ? QStringList() : joined.split(QLatin1Char('|'));
}

void Settings::setLabelLines(const QStringList &captions, const QStringList &lines) {
    store->remove(labelTextSettingsKey(captions));
    store->setValue(linesKey(captions), lines);
}

void Settings::forgetLabelText(const QStringList &captions) {
    store->remove(labelTextSettingsKey(captions));
    store->remove(linesKey(captions));
}

SavedDesign Settings::design() const {
    QString reason;
    return readDesign(store->value(designKey).toByteArray(), &reason).value_or(SavedDesign());
}

void Settings::setDesign(const SavedDesign &design) {
    store->setValue(designKey, writeDesign(design));
}
