#include "import/QXLSImporter.h"

#include "import/CellTextCache.h"
#include "xls/model/ExcelWorkbook.h"

#include <QFile>

QXLSImporter::QXLSImporter(QObject *parent) : QBaseImporter(parent) {}

QXLSImporter::~QXLSImporter() = default;

bool QXLSImporter::canImport(const QString &) const {
    return true;
}

void QXLSImporter::importFile(const QString &fileName) {
    importSheet(fileName, 0);
}

void QXLSImporter::importSheet(const QString &fileName, int sheetIndex) {
    if (!canImport(fileName))
        return;
    workbook = std::make_unique<ExcelWorkbook>();
    error = {};
    // The system's file-name encoding, so that any path the dialog returns is found.
    ExcelWorksheet *sheet = nullptr;
    if (!workbook->load(QFile::encodeName(fileName).constData(), loadOptions))
        error = workbook->lastError();
    else if (!(sheet = workbook->sheet(sheetIndex)))
        error = {xls::ReadErrorCode::NoWorksheet,
                 "the workbook has no worksheet " + std::to_string(sheetIndex),
                 {}};

    const std::uint32_t rows = sheet ? sheet->rowCount() : 0;
    const std::uint32_t columns = sheet ? sheet->columnCount() : 0;
    if (sheet)
        copyCells(*sheet); // every column from 0 to columns - 1, empty ones too
    info.insert(QStringLiteral("ROWS"), QString::number(rows, 10));
    info.insert(QStringLiteral("COLUMNS"), QString::number(columns, 10));
    info.insert(QStringLiteral("NAME"), fileName.split(QLatin1Char('/')).last());
}

void QXLSImporter::copyCells(const ExcelWorksheet &sheet) {
    std::vector<qsizetype> cellsOfColumn(sheet.columnCount());
    sheet.forEachValue(
        [&](std::uint32_t, std::uint32_t column, const ExcelCell &) { ++cellsOfColumn[column]; });
    // Column by column, so that only one column's hash is being filled at a
    // time: on a large sheet that keeps it in the cache.
    CellTextCache texts;
    for (std::uint32_t column = 0; column < sheet.columnCount(); ++column) {
        ImportedColumn cells;
        if (cellsOfColumn[column] > 0) {
            cells.reserve(cellsOfColumn[column]);
            sheet.forEachValueInColumn(column, [&](std::uint32_t row, const ExcelCell &cell) {
                cells.insert(int(row), texts.text(cell));
            });
        }
        table.insert(int(column), std::move(cells));
    }
}

void QXLSImporter::setLoadOptions(const LoadOptions &options) {
    loadOptions = options;
}

const ExcelWorkbook *QXLSImporter::loadedWorkbook() const {
    return workbook.get();
}

QString QXLSImporter::errorString() const {
    return QString::fromStdString(error.describe());
}

xls::ReadErrorCode QXLSImporter::errorCode() const {
    return error.code;
}
