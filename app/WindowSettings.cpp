#include "app/WindowSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr int defaultLabelPointSize = 10;

bool isDirectory(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

// "Arial" is matched by a metric-compatible face where it is not installed.
WindowSettings::WindowSettings() : labelFont(QStringLiteral("Arial"), defaultLabelPointSize) {}

QString importStartFolder(const QString &lastFolder) {
    if (isDirectory(lastFolder))
        return lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (isDirectory(documents))
        return documents;
    return QDir::homePath();
}

QSize firstStartSize(const QSize &available, const QSize &formSize) {
    return QSize(available.width() * 2 / 3, available.height() * 2 / 3).expandedTo(formSize);
}
