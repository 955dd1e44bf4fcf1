// xlsdump as its users run it: the program itself, its output, its exit status.
#include "support/WorkbookBuilder.h"

#include "TagomatVersion.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using testwriters::rkFromInteger;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run xlsdump(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral(XLSDUMP_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestXlsdump : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cellsRowByRowWithEscapedTexts();
    void summaryAndOtherSheets_data();
    void summaryAndOtherSheets();
    void delimitedText_data();
    void delimitedText();
    void refusedFileDoesNotStopTheOthers();
    void olderAndEncryptedWorkbooks_data();
    void olderAndEncryptedWorkbooks();
    void commandLines_data();
    void commandLines();

private:
    QTemporaryDir dir;
    QString names; // two sheets
    QString broken;
    QString csv;
};

void TestXlsdump::initTestCase() {
    QVERIFY(dir.isValid());
    WorkbookBuilder builder;
    const std::uint32_t caption = builder.addString(u"Name");
    const std::uint32_t awkward = builder.addString(u"a\tb\nc\rd\\e");
    const std::uint32_t euro = builder.addString(u"J\u00fcrgen \u20ac", true);
    builder.addSheet(3, 3)
        .labelSst(0, 0, caption)
        .rk(0, 2, rkFromInteger(3))
        .labelSst(1, 0, awkward)
        .number(1, 1, 1234567.0)
        .labelSst(2, 2, euro);
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(42));
    names = dir.filePath(QStringLiteral("namen.xls"));
    QVERIFY(builder.writeTo(names));

    broken = dir.filePath(QStringLiteral("liste.xls"));
    QFile pdf(broken);
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n");

    // Windows-1252 with semicolons, under a name that says .xls.
    csv = dir.filePath(QStringLiteral("export.xls"));
    QFile text(csv);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("Name;Anzahl\nJ\xFCrgen, \x80;\"2\tx\"\n");
}

// A delimited text shows how it was read, then the same lines as a workbook.
void TestXlsdump::delimitedText_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::newRow("detected") << QStringList{}
                              << QString::fromUtf8(
                                     "ENCODING Windows-1252\nDELIMITER ;\n"
                                     "ROWS 2\nCOLUMNS 2\n"
                                     "0\t0\tstring\tName\n0\t1\tstring\tAnzahl\n"
                                     "1\t0\twstring\tJürgen, €\n1\t1\tstring\t2\\tx\n");
    QTest::newRow("summary") << QStringList{"--summary"}
                             << "ENCODING Windows-1252\nDELIMITER ;\nROWS 2\nCOLUMNS 2\nCELLS 4\n";
    QTest::newRow("delimiter and encoding given")
        << QStringList{"--delimiter", ",", "--encoding", "latin-1"}
        << QString::fromUtf8("ENCODING code page 28591\nDELIMITER ,\nROWS 2\nCOLUMNS 2\n"
                             "0\t0\tstring\tName;Anzahl\n1\t0\tstring\tJürgen\n"
                             "1\t1\tstring\t \u0080;\"2\\tx\"\n");
    QTest::newRow("tab as delimiter")
        << QStringList{"--delimiter", "tab", "--encoding", "cp1252"}
        << QString::fromUtf8("ENCODING Windows-1252\nDELIMITER \\t\nROWS 2\nCOLUMNS 2\n"
                             "0\t0\tstring\tName;Anzahl\n1\t0\twstring\tJürgen, €;\"2\n"
                             "1\t1\tstring\tx\"\n");
}

void TestXlsdump::delimitedText() {
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    const Run run = xlsdump(options << csv);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, output);
}

void TestXlsdump::cellsRowByRowWithEscapedTexts() {
    const Run run = xlsdump({names});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, QString::fromUtf8("ROWS 3\n"
                                        "COLUMNS 3\n"
                                        "0\t0\tstring\tName\n"
                                        "0\t2\tinteger\t3\n"
                                        "1\t0\tstring\ta\\tb\\nc\\rd\\\\e\n"
                                        "1\t1\tdouble\t1234567\n"
                                        "2\t2\twstring\tJürgen €\n"));
}

void TestXlsdump::summaryAndOtherSheets_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::newRow("summary") << QStringList{"--summary"} << "ROWS 3\nCOLUMNS 3\nCELLS 5\n";
    QTest::newRow("second sheet") << QStringList{"--sheet", "1"}
                                  << "ROWS 1\nCOLUMNS 1\n0\t0\tinteger\t42\n";
    QTest::newRow("summary of the second sheet")
        << QStringList{"--sheet", "1", "--summary"} << "ROWS 1\nCOLUMNS 1\nCELLS 1\n";
}

void TestXlsdump::summaryAndOtherSheets() {
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    const Run run = xlsdump(options << names);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, output);
}

void TestXlsdump::refusedFileDoesNotStopTheOthers() {
    const Run run = xlsdump({"--summary", broken, names, "--sheet", "1"});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, "FILE " + names + "\nROWS 1\nCOLUMNS 1\nCELLS 1\n");
    QVERIFY2(run.err.startsWith("xlsdump: " + broken + ": not a compound file: a PDF"),
             qPrintable(run.err));

    const Run noSuchSheet = xlsdump({"--sheet", "2", names});
    QCOMPARE(noSuchSheet.exitCode, 1);
    QVERIFY2(noSuchSheet.err.startsWith("xlsdump: " + names + ": "), qPrintable(noSuchSheet.err));
}

void TestXlsdump::olderAndEncryptedWorkbooks_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file"); // in the corpus
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("shows"); // the start of standard output, or of standard error

    QTest::newRow("Excel 5.0/95")
        << QStringList{} << "poi/testEXCEL_5.xls" << 0
        << "ROWS 22\nCOLUMNS 5\n0\t0\tstring\tSample Excel Worksheet - Numbers and their "
           "Squares\n3\t1\tstring\tNumber\n";
    QTest::newRow("Excel 4.0") << QStringList{} << "poi/testEXCEL_4.xls" << 0
                               << "ROWS 163\nCOLUMNS 14\n0\t0\tstring\tTable 10 -- "
                                  "Examination Coverage:";
    QTest::newRow("Excel 2.1") << QStringList{} << "exceldatareader/as3xls_BIFF2.xls" << 0
                               << "ROWS 10\nCOLUMNS 5\n0\t0\tinteger\t1\n0\t1\tstring\tHi\n";
    QTest::newRow("default password") << QStringList{} << "phpspreadsheet/pwtest3.xls" << 0
                                      << "ROWS 1\nCOLUMNS 1\n0\t0\tstring\tx\n";
    QTest::newRow("--password") << QStringList{"--password", "password"} << "poi/password.xls" << 0
                                << "ROWS 5\nCOLUMNS 4\n4\t3\tstring\tA ZIP bomb";
    QTest::newRow("wrong --password") << QStringList{"--password", "Passwort"} << "poi/password.xls"
                                      << 1 << "the password does not open the workbook";
    QTest::newRow("no password") << QStringList{} << "poi/password.xls" << 1
                                 << "the workbook is password-protected";
}

void TestXlsdump::olderAndEncryptedWorkbooks() {
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(int, exitCode);
    QFETCH(QString, shows);
    const QString corpus = qEnvironmentVariable("TAGOMAT_XLS_CORPUS");
    if (corpus.isEmpty() || !QFile::exists(corpus + "/" + file))
        QSKIP("the real-world corpus folder is absent (TAGOMAT_XLS_CORPUS)");
    const QString path = corpus + "/" + file;
    const Run run = xlsdump(options << path);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0)
        QVERIFY2(run.out.startsWith(shows), qPrintable(run.out.left(300)));
    else
        QVERIFY2(run.err.startsWith("xlsdump: " + path + ": " + shows), qPrintable(run.err));
}

void TestXlsdump::commandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("shownOn"); // "out", "err"
    QTest::addColumn<QString>("shown");
    const QString usage = "Usage: xlsdump [--summary] [--sheet N] [--password P] "
                          "[--delimiter C]\n               [--encoding E] FILE...";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "out" << usage;
    QTest::newRow("version, alone on its line")
        << QStringList{"--version"} << 0 << "out"
        << QStringLiteral("xlsdump %1\n").arg(QLatin1String(tagomatVersion));
    QTest::newRow("version with an unknown option")
        << QStringList{"--version", "--csv"} << 2 << "err" << usage;
    QTest::newRow("no file") << QStringList{} << 2 << "err" << usage;
    QTest::newRow("unknown option") << QStringList{"--csv", "a.xls"} << 2 << "err" << usage;
    QTest::newRow("sheet without a number")
        << QStringList{"--sheet", "x", "a.xls"} << 2 << "err" << usage;
    QTest::newRow("negative sheet") << QStringList{"--sheet", "-1", "a.xls"} << 2 << "err" << usage;
    QTest::newRow("delimiter of two characters")
        << QStringList{"--delimiter", ";;", "a.csv"} << 2 << "err" << usage;
    QTest::newRow("quote as delimiter")
        << QStringList{"--delimiter", "\"", "a.csv"} << 2 << "err" << usage;
    QTest::newRow("delimiter missing")
        << QStringList{"a.csv", "--delimiter"} << 2 << "err" << usage;
    QTest::newRow("unknown encoding")
        << QStringList{"--encoding", "klingon", "a.csv"} << 2 << "err" << usage;
    QTest::newRow("code page without converter")
        << QStringList{"--encoding", "4242", "a.csv"} << 2 << "err" << usage;
    QTest::newRow("password without a value")
        << QStringList{"a.xls", "--password"} << 2 << "err" << usage;
}

void TestXlsdump::commandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, shownOn);
    QFETCH(QString, shown);
    const Run run = xlsdump(arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString &text = shownOn == "out" ? run.out : run.err;
    if (shown.endsWith(u'\n'))
        QCOMPARE(text, shown); // a whole output
    else
        QVERIFY2(text.contains(shown), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestXlsdump)
#include "test_xlsdump.moc"
