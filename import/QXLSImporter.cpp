#include "import/QXLSImporter.h"

#include "import/CellText.h"
#include "import/TableFiller.h"
#include "xls/model/ExcelWorkbook.h"
#include "xls/model/FileFormat.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <memory>
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
    TableFiller filler; // fills the table from the rows read while the reading goes on
    workbook->handRowsTo(sheetIndex, &filler);
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
        table = filler.finish(*sheet); // every column from 0 to columns - 1, empty ones too
    info.insert(QStringLiteral("ROWS"), QString::number(rows, 10));
    info.insert(QStringLiteral("COLUMNS"), QString::number(columns, 10));
    info.insert(QStringLiteral("NAME"), fileName.split(QLatin1Char('/')).last());
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
