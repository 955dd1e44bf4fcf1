#include "import/QXLSImporter.h"

#include "import/CellText.h"
#include "import/CellTextCache.h"
#include "xls/model/ExcelWorkbook.h"
#include "xls/model/FileFormat.h"

#include <QFile>
#include <QIODevice>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <memory>
#include <numeric>
#include <span>
#include <vector>

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
    const bool loaded = workbook->load(QFile::encodeName(fileName).constData(), loadOptions);
    forgetPassword();
    loadOptions.progress = {}; // the caller's progress belongs to this load alone
    if (!loaded)
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

namespace {

// How many cells each column holds at most, as the sheet counted them when
// they were written, so that every column's hash is sized once.
std::vector<std::uint32_t> cellsPerColumn(const ExcelWorksheet &sheet) {
    std::vector<std::uint32_t> counts(sheet.columnCount());
    const std::span<const std::uint32_t> stored = sheet.storedPerColumn();
    std::copy_n(stored.begin(), std::min(stored.size(), counts.size()), counts.begin());
    return counts;
}

// A list fills most of its grid. Its columns are filled one at a time, each
// cell found in its row, so that a worker's text cache holds one column's
// recurring values (first names, towns) and one hash is written at a time.
bool isDense(const ExcelWorksheet &sheet) {
    return std::uint64_t(sheet.rowCount()) * sheet.columnCount() <= 4 * sheet.storedCellCount();
}

void fillNextColumns(const ExcelWorksheet &sheet, const std::vector<std::uint32_t> &counts,
                     std::atomic<std::uint32_t> &next, std::vector<ImportedColumn> &columns) {
    const auto texts = std::make_unique<CellTextCache>(); // too large for a worker's stack
    for (std::uint32_t column; (column = next++) < counts.size();) {
        if (!counts[column])
            continue;
        ImportedColumn &cells = columns[column];
        cells.reserve(qsizetype(counts[column]));
        texts->startColumn();
        sheet.forEachValueInColumn(column, [&](std::uint32_t row, const ExcelCell &cell) {
            cells.emplace(int(row), texts->text(cell)); // moved in, not copied
        });
    }
}

// A sparse sheet (a few cells in a grid announced far larger) is walked whole
// by each worker, which takes the cells of every `stride`-th column from
// `first`: the cost follows the cells, however wide or long the grid.
void fillStridedColumns(const ExcelWorksheet &sheet, const std::vector<std::uint32_t> &counts,
                        std::uint32_t first, std::uint32_t stride,
                        std::vector<ImportedColumn> &columns) {
    std::vector<bool> mine(counts.size());
    for (std::uint32_t column = first; column < counts.size(); column += stride) {
        mine[column] = true;
        if (counts[column])
            columns[column].reserve(qsizetype(counts[column]));
    }
    const auto texts = std::make_unique<CellTextCache>();
    sheet.forEachValue([&](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
        if (mine[column])
            columns[column].emplace(int(row), texts->text(cell));
    });
}

} // namespace

void QXLSImporter::copyCells(const ExcelWorksheet &sheet) {
    // Columns are independent of each other: each worker fills its share of
    // them with a text cache of its own, so the workers share nothing but the
    // counter of the next column. No list of the cells is made on the way.
    const std::vector<std::uint32_t> counts = cellsPerColumn(sheet);
    const auto columnCount = std::uint32_t(counts.size());
    std::vector<ImportedColumn> columns(columnCount);
    const std::uint32_t workerCount = std::min<std::uint32_t>(
        columnCount, std::uint32_t(std::max(1, QThread::idealThreadCount())));
    std::vector<std::uint32_t> workers(workerCount);
    std::iota(workers.begin(), workers.end(), 0u);
    const bool dense = isDense(sheet);
    std::atomic<std::uint32_t> nextColumn{0};
    QtConcurrent::blockingMap(workers, [&](std::uint32_t first) {
        if (dense)
            fillNextColumns(sheet, counts, nextColumn, columns);
        else
            fillStridedColumns(sheet, counts, first, workerCount, columns);
    });
    table.reserve(qsizetype(columnCount));
    for (std::uint32_t column = 0; column < columnCount; ++column)
        table.insert(int(column), std::move(columns[column]));
}

bool QXLSImporter::isDelimitedText(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(xls::kSniffLength);
    return xls::sniffFileKind({reinterpret_cast<const std::uint8_t *>(head.constData()),
                               std::size_t(head.size())}) == xls::FileKind::Text;
}

DelimitedTextPreview QXLSImporter::previewDelimitedText(const QString &fileName,
                                                        const LoadOptions &options, int rows,
                                                        int columns) {
    DelimitedTextPreview preview;
    ExcelWorkbook workbook;
    preview.loaded = workbook.load(QFile::encodeName(fileName).constData(), options);
    if (workbook.textFormat) {
        preview.codePage = workbook.textFormat->encoding.codePage;
        preview.delimiter = workbook.textFormat->delimiter;
    }
    preview.errorCode = workbook.lastError().code;
    preview.errorLine = workbook.lastError().line;
    const ExcelWorksheet *sheet = preview.loaded ? workbook.sheet(0) : nullptr;
    if (!sheet)
        return preview;
    const auto shownRows = std::uint32_t(std::max(rows, 0));
    const auto shownColumns = std::uint32_t(std::max(columns, 0));
    preview.columnCount = int(std::min(sheet->columnCount(), shownColumns));
    preview.rows.resize(qsizetype(std::min(sheet->rowCount(), shownRows)));
    for (QStringList &row : preview.rows)
        row.resize(preview.columnCount);
    for (qsizetype row = 0; row < preview.rows.size(); ++row)
        for (int column = 0; column < preview.columnCount; ++column)
            if (const ExcelCell *cell = sheet->findCell(std::uint32_t(row), std::uint32_t(column)))
                preview.rows[row][column] = cellText(*cell);
    return preview;
}

void QXLSImporter::setLoadOptions(const LoadOptions &options) {
    forgetPassword();
    loadOptions = options;
}

void QXLSImporter::forgetPassword() {
    std::fill(loadOptions.password.begin(), loadOptions.password.end(), '\0');
    loadOptions.password.clear();
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
