#include "import/QXLSImporter.h"
#include "support/TestPaths.h"
#include "support/WorkbookBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testwriters::formulaSpecial;
using testwriters::rkFromInteger;
using xls::ReadErrorCode;

Q_DECLARE_METATYPE(ReadErrorCode)

namespace {

// The CSV source of a fixture workbook as rows of cell texts.
QList<QStringList> readCsv(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty())
            rows << QString::fromUtf8(line).split(QLatin1Char(','));
    return rows;
}

int cellCount(const QXLSImporter &importer) {
    int cells = 0;
    for (int column = 0; column < importer.headerRow().size(); ++column)
        cells += int(importer.columnData(column).size());
    return cells;
}

} // namespace

class TestXlsImporter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fixtureWorkbooks_data();
    void fixtureWorkbooks();
    void cellTexts_data();
    void cellTexts();
    void everyColumnWhole_data();
    void everyColumnWhole();
    void onlyTheFirstSheet();
    void emptyFirstSheetIsNotAFailure();
    void refusedFilesLeaveAnEmptyTable_data();
    void refusedFilesLeaveAnEmptyTable();
    void nameFromThePath_data();
    void nameFromThePath();
    void pathOutsideLatin1();

private:
    QString write(const WorkbookBuilder &builder, const QString &name = "mappe.xls");
    QTemporaryDir dir;
};

void TestXlsImporter::init() {
    QVERIFY(dir.isValid());
}

QString TestXlsImporter::write(const WorkbookBuilder &builder, const QString &name) {
    const QString path = dir.filePath(name);
    if (!builder.writeTo(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestXlsImporter::fixtureWorkbooks_data() {
    QTest::addColumn<QString>("workbook");
    QTest::addColumn<QString>("csv");
    for (const char *list : {"namensliste", "teilnehmer"})
        for (const char *writer : {"libreoffice", "gnumeric", "xlwt"})
            QTest::newRow(qPrintable(QString("%1 by %2").arg(list, writer)))
                << QString("workbooks/%1-%2.xls").arg(list, writer)
                << QString("workbooks/%1.csv").arg(list);
}

void TestXlsImporter::fixtureWorkbooks() {
    QFETCH(QString, workbook);
    QFETCH(QString, csv);

    const QList<QStringList> expected = readCsv(testpaths::dataFile(csv));
    QVERIFY2(!expected.isEmpty(), qPrintable("cannot read " + csv));
    QXLSImporter importer(nullptr);
    importer.importFile(testpaths::dataFile(workbook));
    QVERIFY2(importer.errorCode() == ReadErrorCode::None, qPrintable(importer.errorString()));
    QCOMPARE(importer.fileInfo("ROWS"), QString::number(expected.size()));
    QCOMPARE(importer.fileInfo("COLUMNS"), QString::number(expected.first().size()));
    QCOMPARE(importer.fileInfo("NAME"), workbook.section('/', -1));
    QCOMPARE(importer.headerRow(), expected.first());
    for (int row = 0; row < expected.size(); ++row)
        for (int column = 0; column < expected.at(row).size(); ++column)
            QCOMPARE(importer.columnData(column).value(row), expected.at(row).at(column));
}

void TestXlsImporter::cellTexts_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text"); // null: the cell has no entry

    // Column by column, the cells written in cellTexts().
    const QStringList texts = {"12", "2.5",        "3",   "1234567", "0.1",  "12.34",
                               "-7", "1",          "0",   {},        "Anna", "Jürgen €",
                               {},   "Anna Weber", "4.5", {},        {},     "M\u00fcller"};
    for (int column = 0; column < texts.size(); ++column)
        QTest::newRow(qPrintable(QString::number(column)))
            << column << (texts.at(column).isNull() ? QString() : texts.at(column));
}

void TestXlsImporter::cellTexts() {
    QFETCH(int, column);
    QFETCH(QString, text);

    WorkbookBuilder builder;
    const std::uint32_t anna = builder.addString(u"Anna");
    const std::uint32_t juergen = builder.addString(u"J\u00fcrgen \u20ac", true);
    const std::uint32_t empty = builder.addString(u"");
    const std::uint32_t mueller = builder.addString(u"M\u00fcller"); // 8-bit, read as Latin-1
    builder.addSheet(1, 18)
        .rk(0, 0, rkFromInteger(12))
        .number(0, 1, 2.5)
        .number(0, 2, 3.0)
        .number(0, 3, 1234567.0)
        .number(0, 4, 0.1)
        .rk(0, 5, rkFromInteger(1234, true))
        .rk(0, 6, rkFromInteger(-7))
        .boolErr(0, 7, 1, false)
        .boolErr(0, 8, 0, false)
        .boolErr(0, 9, 0x07, true)
        .labelSst(0, 10, anna)
        .labelSst(0, 11, juergen)
        .labelSst(0, 12, empty)
        .formula(0, 13, formulaSpecial(0))
        .string(u"Anna Weber", false)
        .formula(0, 14, testwriters::formulaNumber(4.5))
        .formula(0, 15, formulaSpecial(2, 0x07))
        .blank(0, 16)
        .labelSst(0, 17, mueller);

    QXLSImporter importer(nullptr);
    importer.importFile(write(builder));
    QVERIFY2(importer.errorCode() == ReadErrorCode::None, qPrintable(importer.errorString()));
    const ImportedColumn cells = importer.columnData(column);
    QCOMPARE(cells.contains(0), !text.isNull());
    QCOMPARE(cells.value(0), text);
}

void TestXlsImporter::everyColumnWhole_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("columns"); // the columns that hold cells
    QTest::addColumn<int>("width");          // as the sheet announces it

    // A sheet that fills its grid is imported column by column, a sparse one
    // by walking its cells: both ways give every column whole.
    QTest::newRow("one column of 256") << 300 << QList<int>{0} << 256;
    QTest::newRow("more columns than cores")
        << 200 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 256;
    QTest::newRow("columns far apart") << 50 << QList<int>{1, 120, 255} << 256;
    QTest::newRow("a full list") << 120 << QList<int>{0, 1, 2, 3, 4, 5, 6} << 7;
    QTest::newRow("a list with a gap") << 120 << QList<int>{0, 1, 3, 4} << 5;
}

// Columns are imported side by side: each must still come out whole, with the
// texts of its own cells, repeated values (a shared text) included.
void TestXlsImporter::everyColumnWhole() {
    QFETCH(int, rows);
    QFETCH(QList<int>, columns);
    QFETCH(int, width);

    WorkbookBuilder builder;
    const QStringList nameTexts = {"Anna", "Bj\u00f6rn", "Zo\u00eb", "\u0141ukasz"};
    std::vector<std::uint32_t> names;
    for (const QString &name : nameTexts) // 8-bit unless the name begins outside Latin-1
        names.push_back(builder.addString(name.toStdU16String(), name.at(0).unicode() > 0xFF));
    testwriters::BiffWriter &cells = builder.addSheet(std::uint32_t(rows), std::uint16_t(width));
    ImportedTable expected;
    for (int row = 0; row < rows; ++row)
        for (int column : columns) {
            ImportedColumn &texts = expected[column];
            switch ((row + column) % 3) {
            case 0:
                cells.rk(std::uint16_t(row), std::uint16_t(column), rkFromInteger(row * column));
                texts.insert(row, QString::number(row * column));
                break;
            case 1:
                cells.labelSst(std::uint16_t(row), std::uint16_t(column), names[row % 4]);
                texts.insert(row, nameTexts[row % 4]);
                break;
            default:
                cells.number(std::uint16_t(row), std::uint16_t(column), row / 8.0 + column);
                texts.insert(row, QString::number(row / 8.0 + column, 'g', 6));
            }
        }

    QXLSImporter importer(nullptr);
    importer.importFile(write(builder));
    QVERIFY2(importer.errorCode() == ReadErrorCode::None, qPrintable(importer.errorString()));
    QCOMPARE(importer.fileInfo("COLUMNS"), QString::number(width));
    for (int column = 0; column < width; ++column)
        QCOMPARE(importer.columnData(column), expected.value(column));
}

void TestXlsImporter::onlyTheFirstSheet() {
    WorkbookBuilder builder;
    builder.addSheet(10, 3).rk(9, 2, rkFromInteger(1));
    builder.addSheet(2, 2).rk(0, 0, rkFromInteger(2)).rk(1, 1, rkFromInteger(3));
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(4));
    QXLSImporter importer(nullptr);
    importer.importFile(write(builder));
    QCOMPARE(importer.fileInfo("ROWS"), QStringLiteral("10"));
    QCOMPARE(importer.fileInfo("COLUMNS"), QStringLiteral("3"));
    QCOMPARE(cellCount(importer), 1);
    QCOMPARE(importer.columnData(2).value(9), QStringLiteral("1"));
    // Rows 0 to 8 hold nothing; columns 0 and 1 exist, empty.
    QCOMPARE(importer.headerRow(), (QStringList{QString(), QString(), QString()}));

    importer.importSheet(write(builder, "zweite.xls"), 1);
    QCOMPARE(importer.columnData(1).value(1), QStringLiteral("3"));
}

void TestXlsImporter::emptyFirstSheetIsNotAFailure() {
    WorkbookBuilder builder;
    builder.addSheet(0, 0);
    QXLSImporter importer(nullptr);
    importer.importFile(write(builder));
    QCOMPARE(importer.errorCode(), ReadErrorCode::None);
    QVERIFY(importer.errorString().isEmpty());
    QCOMPARE(importer.fileInfo("ROWS"), QStringLiteral("0"));
    QCOMPARE(importer.fileInfo("COLUMNS"), QStringLiteral("0"));
    QVERIFY(importer.headerRow().isEmpty());
}

void TestXlsImporter::refusedFilesLeaveAnEmptyTable_data() {
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<ReadErrorCode>("code");

    QTest::newRow("missing file") << QByteArray() << ReadErrorCode::FileNotOpened;
    QTest::newRow("PDF renamed .xls") << QByteArray("%PDF-1.4\n") << ReadErrorCode::NotCompoundFile;
    QTest::newRow("text with an unclosed quote")
        << QByteArray("Name;Anzahl\n\"Anna;2\n") << ReadErrorCode::UnclosedQuote;
    QTest::newRow("a cut-off zip renamed .xls")
        << QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) << ReadErrorCode::CorruptZip;
}

void TestXlsImporter::refusedFilesLeaveAnEmptyTable() {
    QFETCH(QByteArray, content);
    QFETCH(ReadErrorCode, code);

    const QString path = dir.filePath("kaputt.xls");
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QXLSImporter importer(nullptr);
    importer.importFile(path);
    QCOMPARE(importer.errorCode(), code);
    QVERIFY(!importer.errorString().isEmpty());
    QVERIFY(importer.headerRow().isEmpty());
    QVERIFY(importer.columnData(0).isEmpty());
    QCOMPARE(importer.fileInfo("ROWS"), QStringLiteral("0"));
    QCOMPARE(importer.fileInfo("COLUMNS"), QStringLiteral("0"));
    QCOMPARE(importer.fileInfo("NAME"), QStringLiteral("kaputt.xls"));
}

void TestXlsImporter::nameFromThePath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("directories") << "C:/Daten/Namen.xls"
                                 << "Namen.xls";
    QTest::newRow("backslashes only") << "C:\\Daten\\Namen.xls"
                                      << "C:\\Daten\\Namen.xls";
    QTest::newRow("ends in a slash") << "/tmp/Daten/"
                                     << "";
    QTest::newRow("bare name") << "Namen.xls"
                               << "Namen.xls";
}

void TestXlsImporter::nameFromThePath() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QXLSImporter importer(nullptr);
    importer.importFile(path);
    QCOMPARE(importer.fileInfo("NAME"), name);
}

void TestXlsImporter::pathOutsideLatin1() {
    WorkbookBuilder builder;
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(8));
    QXLSImporter importer(nullptr);
    importer.importFile(write(builder, QString::fromUtf8("Teilnehmer-€-名簿.xls")));
    QVERIFY2(importer.errorCode() == ReadErrorCode::None, qPrintable(importer.errorString()));
    QCOMPARE(importer.columnData(0).value(0), QStringLiteral("8"));
    QCOMPARE(importer.fileInfo("NAME"), QString::fromUtf8("Teilnehmer-€-名簿.xls"));
}

QTEST_GUILESS_MAIN(TestXlsImporter)
#include "test_xlsimporter.moc"
