#include "import/QBaseImporter.h"

#include <algorithm>

QBaseImporter::QBaseImporter(QObject *parent) : QObject(parent) {}

void QBaseImporter::importFile(const QString &) {}

bool QBaseImporter::canImport(const QString &) const {
    return true;
}

QString QBaseImporter::fileInfo(const QString &key) const {
    return info.value(key);
}

ImportedColumn QBaseImporter::columnData(int column) const {
    return table.value(column);
}

QStringList QBaseImporter::headerRow() const {
    return captionsOf(table);
}
