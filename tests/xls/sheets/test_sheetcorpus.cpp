// Every real-world .xlsx, .xlsm and .ods file of ../shared/sheet-corpus loads
// or is refused with a reason, in bounded time, and ends the way the table
// says, so that a change in behaviour shows. Run with TAGOMAT_PRINT_CORPUS=1
// to print the table as the reader sees the corpus now.
#include "xls/model/ExcelWorkbook.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <map>

namespace {

using xls::ReadErrorCode;

constexpr qint64 timeLimitMs = 5000;

struct Outcome {
    QString result; // "cells" or the refusal's code number and first words
    int cells = 0;
};

// clang-format off
const std::map<QString, Outcome> expected = {
#include "sheet_corpus_outcomes.inc"
};
// clang-format on

QString corpusDir() {
    const QString dir = qEnvironmentVariable("TAGOMAT_SHEET_CORPUS");
    return !dir.isEmpty() && QDir(dir).exists() ? dir : QString();
}

Outcome load(const QString &path, QString &reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"unreadable"};
    const QByteArray bytes = file.readAll();
    ExcelWorkbook workbook;
    if (!workbook.loadMemory({bytes.begin(), bytes.end()})) {
        reason = QString::fromStdString(workbook.lastError().describe());
        return {QString::fromLatin1(xls::codeName(workbook.lastError().code))};
    }
    int cells = 0;
    workbook.sheet(0)->forEachValue(
        [&](std::uint32_t, std::uint32_t, const ExcelCell &) { ++cells; });
    return {"cells", cells};
}

} // namespace

class TestSheetCorpus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileEndsAsExpected_data();
    void everyFileEndsAsExpected();
};

void TestSheetCorpus::initTestCase() {
    if (corpusDir().isEmpty())
        QSKIP("the real-world sheet corpus folder is absent (TAGOMAT_SHEET_CORPUS)");
}

void TestSheetCorpus::everyFileEndsAsExpected_data() {
    QTest::addColumn<QString>("file");
    QStringList files;
    QDirIterator it(corpusDir(), {"*.xlsx", "*.xlsm", "*.ods"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(corpusDir()).relativeFilePath(it.next());
    files.sort();
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestSheetCorpus::everyFileEndsAsExpected() {
    QFETCH(QString, file);
    QElapsedTimer timer;
    timer.start();
    QString reason;
    const Outcome outcome = load(corpusDir() + QLatin1Char('/') + file, reason);
    const qint64 elapsed = timer.elapsed();
    if (qEnvironmentVariableIsSet("TAGOMAT_PRINT_CORPUS"))
        qInfo().noquote() << QStringLiteral("    {\"%1\", {\"%2\", %3}}, // %4")
                                 .arg(file, outcome.result)
                                 .arg(outcome.cells)
                                 .arg(reason.left(100));
    QVERIFY2(elapsed < timeLimitMs, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
    if (outcome.result != "cells")
        QVERIFY2(!reason.isEmpty(), "refused without a reason");
    const auto entry = expected.find(file);
    QVERIFY2(entry != expected.end(), qPrintable("no expected outcome for " + file));
    QCOMPARE(outcome.result, entry->second.result);
    QCOMPARE(outcome.cells, entry->second.cells);
}

QTEST_APPLESS_MAIN(TestSheetCorpus)
#include "test_sheetcorpus.moc"
