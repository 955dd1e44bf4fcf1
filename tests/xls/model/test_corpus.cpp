// Every real-world workbook of the corpus loads or is refused with a reason,
// in bounded time, and ends the way the table below says, so that a change
// in behaviour shows. Run with TAGOMAT_PRINT_CORPUS=1 to print the table as
// the reader sees the corpus now.
#include "support/TestPaths.h"
#include "xls/model/ExcelWorkbook.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <map>

namespace {

using xls::ReadErrorCode;

constexpr qint64 timeLimitMs = 5000;

// Loaded: the value cells of the first sheet; refused: the reason's code.
struct Outcome {
    const char *result; // "cells" or a ReadErrorCode name
    int cells = 0;
};

// clang-format off
const std::map<QString, Outcome> expected = {
#include "corpus_outcomes.inc"
};
// clang-format on

Outcome load(const QString &path, QString &reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"unreadable"};
    const QByteArray bytes = file.readAll();
    // The corpus's password-protected workbooks carry their password in their
    // names; the others are loaded as a user would, with Excel's default only.
    LoadOptions options;
    if (path.contains(QLatin1String("password"), Qt::CaseInsensitive))
        options.password = "password";
    ExcelWorkbook workbook;
    if (!workbook.loadMemory({bytes.begin(), bytes.end()}, options)) {
        reason = QString::fromStdString(workbook.lastError().describe());
        return {xls::codeName(workbook.lastError().code)};
    }
    int cells = 0;
    workbook.sheet(0)->forEachValue(
        [&](std::uint32_t, std::uint32_t, const ExcelCell &) { ++cells; });
    return {"cells", cells};
}

} // namespace

class TestCorpus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyFileEndsAsExpected_data();
    void everyFileEndsAsExpected();
};

void TestCorpus::initTestCase() {
    if (testpaths::corpusDir().isEmpty())
        QSKIP("the real-world corpus folder is absent (TAGOMAT_XLS_CORPUS)");
}

void TestCorpus::everyFileEndsAsExpected_data() {
    QTest::addColumn<QString>("file");
    const QStringList files = testpaths::corpusFiles();
    for (const QString &file : files)
        if (file.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
            QTest::newRow(qPrintable(file)) << file;
}

void TestCorpus::everyFileEndsAsExpected() {
    QFETCH(QString, file);

    QElapsedTimer timer;
    timer.start();
    QString reason;
    const Outcome outcome = load(testpaths::corpusDir() + QLatin1Char('/') + file, reason);
    const qint64 elapsed = timer.elapsed();
    if (qEnvironmentVariableIsSet("TAGOMAT_PRINT_CORPUS"))
        qInfo().noquote() << QStringLiteral("    {\"%1\", {\"%2\", %3}},")
                                 .arg(file, QLatin1String(outcome.result))
                                 .arg(outcome.cells);
    QVERIFY2(elapsed < timeLimitMs, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
    if (qstrcmp(outcome.result, "cells") != 0)
        QVERIFY2(!reason.isEmpty(), "refused without a reason");

    const auto entry = expected.find(file);
    QVERIFY2(entry != expected.end(), qPrintable("no expected outcome for " + file));
    QCOMPARE(outcome.result, entry->second.result);
    QCOMPARE(outcome.cells, entry->second.cells);
}

QTEST_APPLESS_MAIN(TestCorpus)
#include "test_corpus.moc"
