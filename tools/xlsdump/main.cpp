// xlsdump: prints what Tagomat would import from .xls files (see --help).
#include "DumpOptions.h"

#include "import/CellText.h"
#include "import/ProcessHeap.h"
#include "import/QXLSImporter.h"
#include "xls/model/ExcelWorkbook.h"

#include "TagomatVersion.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const char *typeName(ExcelCellType type) {
    switch (type) {
    case Integer:
        return "integer";
    case Double:
        return "double";
    case String:
        return "string";
    case WString:
        return "wstring";
    case Undefined:
        break;
    }
    return "undefined";
}

void print(const QString &line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

qsizetype importedCells(const QXLSImporter &importer, int columns) {
    qsizetype cells = 0;
    for (int column = 0; column < columns; ++column)
        cells += importer.columnData(column).size();
    return cells;
}

// Shows one file; false when it cannot be imported.
// How a delimited text was read, in the tool's line format.
void printTextFormat(const xls::csv::DelimitedTextFormat &format) {
    print(QStringLiteral("ENCODING ") +
          QString::fromStdString(xls::csv::encodingName(format.encoding)));
    print(QStringLiteral("DELIMITER ") + escapeCellText(QString(QChar(format.delimiter))));
}

bool dumpFile(QXLSImporter &importer, const QString &path, const DumpOptions &options) {
    LoadOptions loadOptions = options.load;
    loadOptions.password = options.password.toStdString();
    importer.setLoadOptions(loadOptions);
    importer.importSheet(path, options.sheet);
    if (importer.errorCode() != xls::ReadErrorCode::None) {
        std::fprintf(stderr, "xlsdump: %s: %s\n", qPrintable(path),
                     importer.errorString().toUtf8().constData());
        return false;
    }
    if (options.files.size() > 1)
        print(QStringLiteral("FILE ") + path);
    if (const auto &format = importer.loadedWorkbook()->textFormat)
        printTextFormat(*format);
    print(QStringLiteral("ROWS ") + importer.fileInfo(QStringLiteral("ROWS")));
    print(QStringLiteral("COLUMNS ") + importer.fileInfo(QStringLiteral("COLUMNS")));
    if (options.summary) {
        const int columns = importer.fileInfo(QStringLiteral("COLUMNS")).toInt();
        print(QStringLiteral("CELLS ") + QString::number(importedCells(importer, columns)));
        return true;
    }
    const ExcelWorksheet *sheet = importer.loadedWorkbook()->sheet(options.sheet);
    sheet->forEachValue([](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
        print(QString::number(row) + QLatin1Char('\t') + QString::number(column) +
              QLatin1Char('\t') + QLatin1String(typeName(cell.type())) + QLatin1Char('\t') +
              escapeCellText(cellText(cell)));
    });
    return true;
}

} // namespace

int main(int argc, char **argv) {
    tuneHeapForOneImport();
    QCoreApplication application(argc, argv);
    const DumpOptions options = parseDumpOptions(application.arguments().mid(1));
    if (options.help) {
        std::fputs(dumpUsage, stdout);
        return 0;
    }
    if (options.version && options.problem.isEmpty()) {
        std::printf("xlsdump %s\n", tagomatVersion);
        return 0;
    }
    if (!options.problem.isEmpty()) {
        std::fprintf(stderr, "xlsdump: %s\n%s", qPrintable(options.problem), dumpUsage);
        return 2;
    }
    bool allShown = true;
    std::unique_ptr<QXLSImporter> importer;
    for (const QString &path : options.files) {
        importer = std::make_unique<QXLSImporter>(nullptr);
        allShown = dumpFile(*importer, path, options) && allShown;
    }
    // The process ends here: handing the last sheet's half a million texts
    // back one by one would only cost time.
    std::fflush(stdout);
    std::_Exit(allShown ? 0 : 1);
}
