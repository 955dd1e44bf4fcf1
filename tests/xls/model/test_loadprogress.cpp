// A load reports how far it has come and ends when its caller cancels, in
// every format, on lists generated here.
#include "support/GuestList.h"
#include "xls/model/ExcelWorkbook.h"

#include <QTest>

using xls::ReadErrorCode;

Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

// Enough rows for the XML and text readers to report more than once.
constexpr int kRows = 4000;

class TestLoadProgress : public QObject {
    Q_OBJECT

private slots:
    void everyFormat_data();
    void cancelEndsTheLoad_data() { everyFormat_data(); }
    void cancelEndsTheLoad();
    void reportsReachTheWhole_data() { everyFormat_data(); }
    void reportsReachTheWhole();
};

void TestLoadProgress::everyFormat_data() {
    QTest::addColumn<std::vector<std::uint8_t>>("file");
    QTest::addColumn<int>("rows");
    for (const char *format : {"xls", "xls95", "xlsx", "xlsx-shared", "ods", "fods", "xml", "csv",
                               "csv-1252", "csv-utf16"})
        QTest::newRow(format) << guestList(format, kRows) << kRows;
    // A sheet part past 4 MiB, read on two cores.
    QTest::newRow("xlsx on two cores") << guestList("xlsx-numbered", 80000) << 80000;
}

void TestLoadProgress::cancelEndsTheLoad() {
    QFETCH(std::vector<std::uint8_t>, file);
    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(file), workbook.lastError().describe().c_str());
    const std::uint64_t cellsBefore = workbook.sheet(0)->storedCellCount();
    int calls = 0;
    LoadOptions options;
    options.progress = [&calls](std::uint64_t, std::uint64_t) {
        return ++calls > 1;
    };
    QVERIFY(!workbook.loadMemory(file, options));
    QCOMPARE(workbook.lastError().code, ReadErrorCode::Cancelled);
    QCOMPARE(calls, 1); // nothing asked again after the no
    // The refused load leaves the workbook as it was.
    QCOMPARE(workbook.sheetCount(), 1);
    QCOMPARE(workbook.sheet(0)->storedCellCount(), cellsBefore);
}

void TestLoadProgress::reportsReachTheWhole() {
    QFETCH(std::vector<std::uint8_t>, file);
    QFETCH(int, rows);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> reports;
    LoadOptions options;
    options.progress = [&reports](std::uint64_t done, std::uint64_t total) {
        reports.emplace_back(done, total);
        return true;
    };
    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(file, options), workbook.lastError().describe().c_str());
    QCOMPARE(workbook.sheet(0)->rowCount(), std::uint32_t(rows));
    QVERIFY(!reports.empty());
    QVERIFY(reports.size() <= xls::LoadProgress::kSteps + 1);
    for (std::size_t k = 1; k < reports.size(); ++k)
        QVERIFY2(reports[k].first > reports[k - 1].first, "progress went back or stood still");
    QCOMPARE(reports.back().first, reports.back().second);
}

QTEST_GUILESS_MAIN(TestLoadProgress)
#include "test_loadprogress.moc"
