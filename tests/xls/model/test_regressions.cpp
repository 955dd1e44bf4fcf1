// Inputs the fuzzer once crashed or hung on (tests/data/regressions, put
// there by scripts/fuzz): each must now load or be refused with a reason.
#include "support/TestPaths.h"
#include "xls/model/ExcelWorkbook.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

class TestRegressions : public QObject {
    Q_OBJECT

private slots:
    void eachInputLoadsOrIsRefused_data();
    void eachInputLoadsOrIsRefused();
};

void TestRegressions::eachInputLoadsOrIsRefused_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(testpaths::dataFile(QStringLiteral("regressions")));
    const QStringList files = folder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &file : files)
        if (file != QLatin1String("README.md"))
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    if (files.size() <= 1)
        QSKIP("no regression inputs yet");
}

void TestRegressions::eachInputLoadsOrIsRefused() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("cannot read " + path));
    const QByteArray bytes = file.readAll();

    QElapsedTimer timer;
    timer.start();
    ExcelWorkbook workbook;
    if (workbook.loadMemory({bytes.begin(), bytes.end()})) {
        const ExcelWorksheet *sheet = workbook.sheet(0);
        QVERIFY2(sheet, "loaded without a first sheet");
        bool insideGrid = true;
        bool textsHoldText = true;
        sheet->forEachValue([&](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
            insideGrid = insideGrid && row < sheet->rowCount() && column < sheet->columnCount();
            const bool text = cell.type() == String || cell.type() == WString;
            textsHoldText = textsHoldText && (!text || cell.stringLength() > 0);
        });
        QVERIFY2(insideGrid, "a value outside the sheet's rows and columns");
        QVERIFY2(textsHoldText, "an empty text stored as a cell");
    } else {
        QVERIFY(workbook.lastError().code != xls::ReadErrorCode::None);
        QVERIFY(!workbook.lastError().text.empty());
    }
    QVERIFY2(timer.elapsed() < 5000, "took longer than 5 s");
}

QTEST_APPLESS_MAIN(TestRegressions)
#include "test_regressions.moc"
