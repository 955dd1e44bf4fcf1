#include "import/QXLSImporter.h"

#include "xls/model/ExcelWorkbook.h"

// Interim: the workbook reader is being connected; every file is refused.
QXLSImporter::QXLSImporter(QObject *parent) : QBaseImporter(parent) {}

QXLSImporter::~QXLSImporter() = default;

bool QXLSImporter::canImport(const QString &) const {
    return true;
}

void QXLSImporter::importFile(const QString &fileName) {
    error = {xls::ReadErrorCode::FileNotOpened, "the workbook reader is not connected yet", {}};
    info.insert(QStringLiteral("ROWS"), QStringLiteral("0"));
    info.insert(QStringLiteral("COLUMNS"), QStringLiteral("0"));
    info.insert(QStringLiteral("NAME"), fileName.split(QLatin1Char('/')).last());
}

QString QXLSImporter::errorString() const {
    return QString::fromStdString(error.describe());
}

xls::ReadErrorCode QXLSImporter::errorCode() const {
    return error.code;
}
