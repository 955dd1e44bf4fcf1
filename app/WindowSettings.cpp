#include "app/WindowSettings.h"

#include "pages/PreviewZoom.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr int defaultLabelPointSize = 10;

const QString labelWidthKey = QStringLiteral("labels/widthMm");
const QString labelHeightKey = QStringLiteral("labels/heightMm");
const QString labelFontKey = QStringLiteral("labels/font");
const QString skipCaptionRowKey = QStringLiteral("labels/skipCaptionRow");
const QString lastFolderKey = QStringLiteral("import/lastFolder");
const QString geometryKey = QStringLiteral("window/geometry");
const QString splitterKey = QStringLiteral("window/splitter");
const QString zoomKey = QStringLiteral("window/zoomPercent");

// A stored whole number within its range, else the default.
int storedInt(const QSettings &settings, const QString &key, int low, int high, int fallback) {
    bool isNumber = false;
    const int value = settings.value(key).toInt(&isNumber);
    return isNumber && value >= low && value <= high ? value : fallback;
}

bool isDirectory(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

// "Arial" is matched by a metric-compatible face where it is not installed.
WindowSettings::WindowSettings() : labelFont(QStringLiteral("Arial"), defaultLabelPointSize) {}

WindowSettings WindowSettings::load(const QSettings &settings) {
    WindowSettings loaded;
    loaded.labelWidthMm = storedInt(settings, labelWidthKey, minimumLabelSizeMm,
                                    maximumLabelWidthMm, loaded.labelWidthMm);
    loaded.labelHeightMm = storedInt(settings, labelHeightKey, minimumLabelSizeMm,
                                     maximumLabelHeightMm, loaded.labelHeightMm);
    QFont font;
    if (font.fromString(settings.value(labelFontKey).toString()))
        loaded.labelFont = font;
    loaded.skipCaptionRow = settings.value(skipCaptionRowKey, false).toBool();
    loaded.lastFolder = settings.value(lastFolderKey).toString();
    loaded.windowGeometry = settings.value(geometryKey).toByteArray();
    loaded.splitterState = settings.value(splitterKey).toByteArray();
    const int zoom = storedInt(settings, zoomKey, 0, PreviewZoom::percentSteps().last(), 0);
    loaded.zoomPercent = zoom == 0 || PreviewZoom::percentSteps().contains(zoom) ? zoom : 0;
    return loaded;
}

void WindowSettings::save(QSettings &settings) const {
    settings.setValue(labelWidthKey, labelWidthMm);
    settings.setValue(labelHeightKey, labelHeightMm);
    settings.setValue(labelFontKey, labelFont.toString());
    settings.setValue(skipCaptionRowKey, skipCaptionRow);
    settings.setValue(lastFolderKey, lastFolder);
    settings.setValue(geometryKey, windowGeometry);
    settings.setValue(splitterKey, splitterState);
    settings.setValue(zoomKey, zoomPercent);
}

QString importStartFolder(const QString &lastFolder) {
    if (isDirectory(lastFolder))
        return lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (isDirectory(documents))
        return documents;
    return QDir::homePath();
}
