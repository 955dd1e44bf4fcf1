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
    if (!workbook->load(QFile::encodeName(fileName).constData()))
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
    // Each column is sized once, then filled, then handed to the table.
    std::vector<qsizetype> cellsOfColumn(sheet.columnCount());
    sheet.forEachValue(
        [&](std::uint32_t, std::uint32_t column, const ExcelCell &) { ++cellsOfColumn[column]; });
    std::vector<ImportedColumn> columns(sheet.columnCount());
    for (std::size_t column = 0; column < columns.size(); ++column)
        columns[column].reserve(cellsOfColumn[column]);
    CellTextCache texts;
    sheet.forEachValue([&](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
        columns[column].insert(int(row), texts.text(cell));
    });
    for (std::size_t column = 0; column < columns.size(); ++column)
        table.insert(int(column), std::move(columns[column]));
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
