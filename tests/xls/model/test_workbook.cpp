#include "support/WorkbookBuilder.h"
#include "xls/model/ExcelWorkbook.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>

using testwriters::BiffWriter;
using testwriters::formulaNumber;
using testwriters::formulaSpecial;
using testwriters::rkFromDouble;
using testwriters::rkFromInteger;
using xls::ReadErrorCode;

Q_DECLARE_METATYPE(ExcelCellType)
Q_DECLARE_METATYPE(ReadErrorCode)

namespace {

QByteArray toQByteArray(const std::vector<std::uint8_t> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

std::vector<std::uint8_t> toBytes(const QByteArray &bytes) {
    return {bytes.begin(), bytes.end()};
}

// The shared strings every cell row below may refer to.
enum SharedString : std::uint32_t { Anna, Juergen, Empty, WithNul };

WorkbookBuilder builderWithStrings() {
    WorkbookBuilder builder;
    builder.addString(u"Anna");
    builder.addString(u"J\u00fcrgen \u20ac", true);
    builder.addString(u"");
    builder.addString(std::u16string(u"Bert\0hidden", 11));
    return builder;
}

QString textOf(const ExcelCell &cell) {
    if (cell.type() == String)
        return QString::fromLatin1(cell.string());
    if (cell.type() == WString)
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(cell.wstring()));
    return {};
}

ExcelCellType typeAt(const ExcelWorksheet &sheet, std::uint32_t row, std::uint32_t column) {
    const ExcelCell *cell = sheet.findCell(row, column);
    return cell ? cell->type() : Undefined;
}

} // namespace

class TestWorkbook : public QObject {
    Q_OBJECT

private slots:
    void cellValues_data();
    void cellValues();
    void mulRkFillsItsColumns();
    void cellsOutsideRowBlocks();
    void laterRecordsReplaceEarlierOnes();
    void refusals_data();
    void refusals();
    void workbookStreamNameInAnyCase_data();
    void workbookStreamNameInAnyCase();
    void sheetsInStreamOrder();
    void otherSubstreamsAreSteppedOver();
    void gridGrowsToCellsOutsideDimensions_data();
    void gridGrowsToCellsOutsideDimensions();
    void hugeDimensionsCostOnlyTheCellsPresent();
    void failedLoadKeepsThePreviousWorkbook();
    void loadingTwiceLeavesOneSetOfSheets();
    void loadsFromAReadOnlyFile();
    void loadedWorkbookHoldsNoCopyOfTheFile_data();
    void loadedWorkbookHoldsNoCopyOfTheFile();
};

void TestWorkbook::cellValues_data() {
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<ExcelCellType>("type");
    QTest::addColumn<double>("number"); // Integer and Double cells
    QTest::addColumn<QString>("text");  // String and WString cells

    auto row = [](const char *name, const BiffWriter &records, ExcelCellType type,
                  double number = 0, const QString &text = {}) {
        QTest::newRow(name) << toQByteArray(records.bytes()) << type << number << text;
    };
    row("RK integer 42", BiffWriter().rk(0, 0, rkFromInteger(42)), Integer, 42);
    row("RK integer -7", BiffWriter().rk(0, 0, rkFromInteger(-7)), Integer, -7);
    row("RK double 0.5", BiffWriter().rk(0, 0, rkFromDouble(0.5)), Double, 0.5);
    row("RK double 1.0 x100", BiffWriter().rk(0, 0, rkFromDouble(1.0, true)), Double, 0.01);
    row("RK 1234 x100 is 12.34", BiffWriter().rk(0, 0, rkFromInteger(1234, true)), Double, 12.34);
    row("RK -150 x100 is -1.5", BiffWriter().rk(0, 0, rkFromInteger(-150, true)), Double, -1.5);
    row("RK 1500 x100 is 15", BiffWriter().rk(0, 0, rkFromInteger(1500, true)), Integer, 15);
    row("NUMBER 3.0 stays a double", BiffWriter().number(0, 0, 3.0), Double, 3.0);
    row("NUMBER 1234567", BiffWriter().number(0, 0, 1234567.0), Double, 1234567.0);
    row("BOOLERR true", BiffWriter().boolErr(0, 0, 1, false), Integer, 1);
    row("BOOLERR false", BiffWriter().boolErr(0, 0, 0, false), Integer, 0);
    row("BOOLERR #DIV/0!", BiffWriter().boolErr(0, 0, 0x07, true), Undefined);
    row("LABELSST 8-bit", BiffWriter().labelSst(0, 0, Anna), String, 0, "Anna");
    row("LABELSST 16-bit", BiffWriter().labelSst(0, 0, Juergen), WString, 0,
        QString::fromUtf8("Jürgen €"));
    row("LABELSST empty", BiffWriter().labelSst(0, 0, Empty), Undefined);
    row("LABELSST text ends at NUL", BiffWriter().labelSst(0, 0, WithNul), String, 0, "Bert");
    row("LABELSST index past the table", BiffWriter().labelSst(0, 0, 4), Undefined);
    row("LABELSST index 0xFFFFFFFF", BiffWriter().labelSst(0, 0, 0xFFFFFFFFu), Undefined);
    row("FORMULA number", BiffWriter().formula(0, 0, formulaNumber(2.5)), Double, 2.5);
    row("FORMULA string with STRING",
        BiffWriter().formula(0, 0, formulaSpecial(0)).string(u"Anna Weber", false), String, 0,
        "Anna Weber");
    row("FORMULA 16-bit string",
        BiffWriter().formula(0, 0, formulaSpecial(0)).string(u"\u0141ukasz", true), WString, 0,
        QString::fromUtf8("Łukasz"));
    row("FORMULA string without STRING", BiffWriter().formula(0, 0, formulaSpecial(0)), Undefined);
    row("FORMULA empty string", BiffWriter().formula(0, 0, formulaSpecial(3)), Undefined);
    row("FORMULA Boolean true", BiffWriter().formula(0, 0, formulaSpecial(1, 1)), Integer, 1);
    row("FORMULA error", BiffWriter().formula(0, 0, formulaSpecial(2, 0x07)), Undefined);
    // Some writers put a FORMULA under its BIFF3 or BIFF4 number into BIFF8 sheets.
    auto formula3 = [](const testwriters::ByteVector &result) {
        return testwriters::Bytes().u16(0).u16(0).u16(15).raw(result).u16(0).u32(0).u16(0);
    };
    row("FORMULA as 0x0206, number", BiffWriter().record(0x0206, formula3(formulaNumber(7.25))),
        Double, 7.25);
    row("FORMULA as 0x0206, string with STRING",
        BiffWriter().record(0x0206, formula3(formulaSpecial(0))).string(u"Clara Roth", false),
        String, 0, "Clara Roth");
    row("FORMULA as 0x0406, string with STRING",
        BiffWriter().record(0x0406, formula3(formulaSpecial(0))).string(u"Dora Lenz", false),
        String, 0, "Dora Lenz");
    row("LABEL",
        BiffWriter().record(
            0x0204, testwriters::Bytes().u16(0).u16(0).u16(15).u16(5).u8(0).narrow(u"Clara")),
        String, 0, "Clara");
    row("RSTRING 16-bit",
        BiffWriter().record(
            0x00D6,
            testwriters::Bytes().u16(0).u16(0).u16(15).u16(3).u8(1).wide(u"\u00d8ya").u16(0)),
        WString, 0, QString::fromUtf8("Øya"));
    row("BLANK", BiffWriter().blank(0, 0), Undefined);
    row("MULBLANK", BiffWriter().mulBlank(0, 0, 3), Undefined);
}

void TestWorkbook::cellValues() {
    QFETCH(QByteArray, records);
    QFETCH(ExcelCellType, type);
    QFETCH(double, number);
    QFETCH(QString, text);

    WorkbookBuilder builder = builderWithStrings();
    builder.addSheet(1, 1).raw(toBytes(records));
    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(builder.file()), workbook.lastError().describe().c_str());
    ExcelWorksheet *sheet = workbook.sheet(0);
    QVERIFY(sheet);
    QCOMPARE(typeAt(*sheet, 0, 0), type);
    const ExcelCell *cell = sheet->findCell(0, 0);
    if (type == Integer)
        QCOMPARE(cell->integerValue(), int(number));
    if (type == Double)
        QCOMPARE(cell->doubleValue(), number);
    if (type == String || type == WString)
        QCOMPARE(textOf(*cell), text);
}

void TestWorkbook::mulRkFillsItsColumns() {
    WorkbookBuilder builder;
    builder.addSheet(4, 5).mulRk(3, 1, {rkFromInteger(7), rkFromDouble(0.25), rkFromInteger(9)});
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QCOMPARE(sheet->findCell(3, 1)->integerValue(), 7);
    QCOMPARE(sheet->findCell(3, 2)->doubleValue(), 0.25);
    QCOMPARE(sheet->findCell(3, 3)->integerValue(), 9);
    QCOMPARE(typeAt(*sheet, 3, 4), Undefined);
    QCOMPARE(typeAt(*sheet, 3, 0), Undefined);
}

void TestWorkbook::cellsOutsideRowBlocks() {
    // Some writers leave out ROW and DBCELL records altogether.
    WorkbookBuilder builder = builderWithStrings();
    builder.addSheet(3, 2, false)
        .labelSst(0, 0, Anna)
        .rk(1, 1, rkFromInteger(2))
        .number(2, 0, 0.75);
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QCOMPARE(textOf(*sheet->findCell(0, 0)), QStringLiteral("Anna"));
    QCOMPARE(sheet->findCell(1, 1)->integerValue(), 2);
    QCOMPARE(sheet->findCell(2, 0)->doubleValue(), 0.75);
}

void TestWorkbook::laterRecordsReplaceEarlierOnes() {
    WorkbookBuilder builder = builderWithStrings();
    builder.addSheet(1, 3)
        .number(0, 0, 1.5)
        .labelSst(0, 0, Anna)
        .labelSst(0, 1, Anna)
        .labelSst(0, 1, Empty) // an empty text empties the cell again
        .rk(0, 2, rkFromInteger(1))
        .blank(0, 2); // formatting only: the value stays
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QCOMPARE(textOf(*sheet->findCell(0, 0)), QStringLiteral("Anna"));
    QCOMPARE(sheet->findCell(0, 1)->type(), Undefined);
    QCOMPARE(sheet->findCell(0, 2)->integerValue(), 1);
}

void TestWorkbook::refusals_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ReadErrorCode>("code");

    auto row = [](const char *name, const std::vector<std::uint8_t> &file, ReadErrorCode code) {
        QTest::newRow(name) << toQByteArray(file) << code;
    };
    auto sheetWithOneCell = [] {
        WorkbookBuilder builder;
        builder.addSheet(1, 1).rk(0, 0, rkFromInteger(1));
        return builder;
    };

    row("empty file", {}, ReadErrorCode::EmptyFile);
    row("CSV text with an unclosed quote", {'N', 'a', 'm', 'e', ',', '"', 'A', 'n', 'z', '\n'},
        ReadErrorCode::UnclosedQuote);
    row("PDF", {'%', 'P', 'D', 'F', '-', '1', '.', '4'}, ReadErrorCode::NotCompoundFile);
    row("a cut-off zip", {'P', 'K', 3, 4, 20, 0, 6, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        ReadErrorCode::CorruptZip);
    row("BIFF4 workbook globals only, without container",
        {0x09, 0x04, 6, 0, 0, 0, 0x00, 0x01, 0, 0, 0x0A, 0, 0, 0}, ReadErrorCode::NoWorksheet);
    row("Excel 95 Book stream with globals only",
        compoundFileWith(u"Book", BiffWriter().bof(0x0005, 0x0500).eof().bytes()),
        ReadErrorCode::NoWorksheet);
    row("BIFF5 globals only in a Workbook stream",
        compoundFileWith(u"Workbook", BiffWriter().bof(0x0005, 0x0500).eof().bytes()),
        ReadErrorCode::NoWorksheet);
    row("Excel 95 code page without converter",
        compoundFileWith(u"Book", BiffWriter()
                                      .bof(0x0005, 0x0500)
                                      .record(0x0042, testwriters::Bytes().u16(4242))
                                      .eof()
                                      .bof(0x0010, 0x0500)
                                      .eof()
                                      .bytes()),
        ReadErrorCode::UnknownCodePage);
    row("encrypted .xlsx (EncryptedPackage)", compoundFileWith(u"EncryptedPackage", {1, 2, 3}),
        ReadErrorCode::EncryptedOfficeOpenXml);
    row("no workbook stream", compoundFileWith(u"Data", sheetWithOneCell().stream()),
        ReadErrorCode::NoWorkbookStream);
    row("empty workbook stream", compoundFileWith(u"Workbook", {}),
        ReadErrorCode::NoWorkbookStream);
    row("stream not starting with BOF",
        compoundFileWith(u"Workbook", BiffWriter().eof().eof().bytes()),
        ReadErrorCode::CorruptWorkbookStream);
    row("stream of 3 bytes", compoundFileWith(u"Workbook", {0x09, 0x08, 0x10}),
        ReadErrorCode::TruncatedWorkbookStream);
    row("first substream a worksheet",
        compoundFileWith(u"Workbook", BiffWriter().bof(0x0010).eof().bytes()),
        ReadErrorCode::CorruptWorkbookStream);
    WorkbookBuilder encrypted = sheetWithOneCell();
    encrypted.globalsExtra().record(0x002F, {1, 0, 1, 0, 1, 0});
    row("FILEPASS cut short", encrypted.file(), ReadErrorCode::CorruptWorkbookStream);
    WorkbookBuilder xorProtected = sheetWithOneCell();
    xorProtected.globalsExtra().record(0x002F, testwriters::Bytes().u16(0).u16(0x1234).u16(0x5678));
    row("password-protected (XOR), not with the default password", xorProtected.file(),
        ReadErrorCode::EncryptedWorkbook);
    WorkbookBuilder unknownCipher = sheetWithOneCell();
    unknownCipher.globalsExtra().record(0x002F, testwriters::Bytes().u16(1).u16(9).u16(1));
    row("FILEPASS of an unknown RC4 version", unknownCipher.file(),
        ReadErrorCode::UnsupportedEncryption);
    row("globals only", compoundFileWith(u"Workbook", BiffWriter().bof(0x0005).eof().bytes()),
        ReadErrorCode::NoWorksheet);
    WorkbookBuilder chartOnly;
    chartOnly.addOtherSubstream(0x0020);
    row("a chart sheet only", chartOnly.file(), ReadErrorCode::NoWorksheet);
    std::vector<std::uint8_t> cutGlobals = BiffWriter().bof(0x0005).boundSheet(0, "A").bytes();
    row("stream ends in the globals", compoundFileWith(u"Workbook", cutGlobals),
        ReadErrorCode::TruncatedWorkbookStream);
    std::vector<std::uint8_t> cutSheet = sheetWithOneCell().stream();
    cutSheet.resize(cutSheet.size() - 4); // the sheet's EOF
    row("stream ends in the first sheet", compoundFileWith(u"Workbook", cutSheet),
        ReadErrorCode::TruncatedWorkbookStream);
}

void TestWorkbook::refusals() {
    QFETCH(QByteArray, file);
    QFETCH(ReadErrorCode, code);

    ExcelWorkbook workbook;
    QVERIFY(!workbook.loadMemory(toBytes(file)));
    QCOMPARE(workbook.lastError().code, code);
    QVERIFY2(!workbook.lastError().text.empty(), "a refusal without a reason");
    QCOMPARE(workbook.sheetCount(), 0);
    QVERIFY(!workbook.sheet(0));
    QVERIFY(!workbook.file.isOpen());
}

void TestWorkbook::workbookStreamNameInAnyCase_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Workbook") << "Workbook";
    QTest::newRow("WORKBOOK") << "WORKBOOK";
    QTest::newRow("WorkBook") << "WorkBook";
    QTest::newRow("workbook") << "workbook";
}

void TestWorkbook::workbookStreamNameInAnyCase() {
    QFETCH(QString, name);
    WorkbookBuilder builder;
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(5));
    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(builder.file(name.toStdU16String())),
             workbook.lastError().describe().c_str());
    QCOMPARE(workbook.sheet(0)->findCell(0, 0)->integerValue(), 5);
    QVERIFY2(!workbook.file.isOpen(), "the file stays open after the stream was read");
}

void TestWorkbook::sheetsInStreamOrder() {
    WorkbookBuilder builder;
    for (int i = 0; i < 3; ++i)
        builder.addSheet(1, 1).rk(0, 0, rkFromInteger(i + 10));
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    QCOMPARE(workbook.sheetCount(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(workbook.sheet(i)->findCell(0, 0)->integerValue(), i + 10);
    QVERIFY(!workbook.sheet(3));
    QVERIFY(!workbook.sheet(-1));
}

void TestWorkbook::otherSubstreamsAreSteppedOver() {
    // A chart sheet or a macro sheet between worksheets: the worksheets after
    // it are read as well, and the sheet indices count worksheets only.
    WorkbookBuilder builder;
    builder.addOtherSubstream(0x0020);
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(1));
    builder.addOtherSubstream(0x0040);
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(2));
    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(builder.file()), workbook.lastError().describe().c_str());
    QCOMPARE(workbook.sheetCount(), 2);
    QCOMPARE(workbook.sheet(0)->findCell(0, 0)->integerValue(), 1);
    QCOMPARE(workbook.sheet(1)->findCell(0, 0)->integerValue(), 2);
}

void TestWorkbook::gridGrowsToCellsOutsideDimensions_data() {
    QTest::addColumn<quint32>("dimensionRows");
    QTest::addColumn<quint32>("dimensionColumns");
    QTest::addColumn<bool>("dimensionsLast"); // DIMENSIONS after the row block
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");

    // The sheet's one cell is at row 9, column 2.
    QTest::newRow("dimensions as written") << 10u << 3u << false << 10u << 3u;
    QTest::newRow("no DIMENSIONS record") << 0u << 0u << false << 10u << 3u;
    QTest::newRow("DIMENSIONS smaller than the cells") << 2u << 1u << false << 10u << 3u;
    QTest::newRow("DIMENSIONS larger than the cells") << 40u << 7u << false << 40u << 7u;
    QTest::newRow("DIMENSIONS beyond BIFF8") << 0xFFFFFFFFu << 0xFFFFu << false << 65536u << 256u;
    QTest::newRow("DIMENSIONS after the cells, larger") << 40u << 7u << true << 40u << 7u;
    QTest::newRow("DIMENSIONS after the cells, smaller") << 2u << 1u << true << 10u << 3u;
}

void TestWorkbook::gridGrowsToCellsOutsideDimensions() {
    QFETCH(quint32, dimensionRows);
    QFETCH(quint32, dimensionColumns);
    QFETCH(bool, dimensionsLast);
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);

    WorkbookBuilder builder;
    if (dimensionsLast)
        builder.addSheet(0, 0)
            .rk(9, 2, rkFromInteger(3))
            .dbCell(0) // closes the row block, so that the sheet reads what follows
            .dimensions(0, dimensionRows, 0, std::uint16_t(dimensionColumns));
    else
        builder.addSheet(dimensionRows, dimensionColumns).rk(9, 2, rkFromInteger(3));
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QCOMPARE(sheet->rowCount(), rows);
    QCOMPARE(sheet->columnCount(), columns);
    QCOMPARE(sheet->findCell(9, 2)->integerValue(), 3);
}

void TestWorkbook::hugeDimensionsCostOnlyTheCellsPresent() {
    WorkbookBuilder builder;
    builder.addSheet(65536, 256).rk(65535, 255, rkFromInteger(1)).rk(0, 0, rkFromInteger(2));
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QCOMPARE(sheet->rowCount(), 65536u);
    QCOMPARE(sheet->columnCount(), 256u);
    int cells = 0;
    sheet->forEachValue([&](std::uint32_t, std::uint32_t, const ExcelCell &) { ++cells; });
    QCOMPARE(cells, 2);
    QCOMPARE(typeAt(*sheet, 65535, 0), Undefined);
}

void TestWorkbook::failedLoadKeepsThePreviousWorkbook() {
    WorkbookBuilder builder;
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(77));
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    QVERIFY(!workbook.loadMemory({'n', 'o', 0, 0}));
    QCOMPARE(workbook.lastError().code, ReadErrorCode::NotCompoundFile);
    QCOMPARE(workbook.sheetCount(), 1);
    QCOMPARE(workbook.sheet(0)->findCell(0, 0)->integerValue(), 77);
}

void TestWorkbook::loadingTwiceLeavesOneSetOfSheets() {
    WorkbookBuilder builder;
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(1));
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(2));
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(builder.file()));
    QVERIFY(workbook.loadMemory(builder.file()));
    QCOMPARE(workbook.sheetCount(), 2);
    QCOMPARE(workbook.worksheets.size(), std::size_t(2));
    QCOMPARE(workbook.globals.boundSheets.size(), std::size_t(2));
    QCOMPARE(workbook.sheet(1)->findCell(0, 0)->integerValue(), 2);
}

void TestWorkbook::loadsFromAReadOnlyFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schreibgeschützt.xls"));
    WorkbookBuilder builder;
    builder.addSheet(1, 1).rk(0, 0, rkFromInteger(4));
    QVERIFY(builder.writeTo(path));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    ExcelWorkbook workbook;
    QVERIFY2(workbook.load(QFile::encodeName(path).constData()),
             workbook.lastError().describe().c_str());
    QCOMPARE(workbook.sheet(0)->findCell(0, 0)->integerValue(), 4);
    QVERIFY(!workbook.load(QFile::encodeName(dir.filePath("missing.xls")).constData()));
    QCOMPARE(workbook.lastError().code, ReadErrorCode::FileNotOpened);
    QCOMPARE(workbook.sheet(0)->findCell(0, 0)->integerValue(), 4);
}

// The file's bytes and its shared strings are needed only while the sheets
// are read: a list kept open in the window must not hold them.
void TestWorkbook::loadedWorkbookHoldsNoCopyOfTheFile_data() {
    QTest::addColumn<bool>("inSharedStrings"); // else in records the reader skips
    QTest::newRow("skipped records") << false;
    QTest::newRow("shared strings") << true;
}

void TestWorkbook::loadedWorkbookHoldsNoCopyOfTheFile() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the sanitizer's allocator keeps no glibc heap statistics");
#endif
    QFETCH(bool, inSharedStrings);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.xls"));
    WorkbookBuilder builder;
    constexpr std::size_t pieces = 512;
    for (std::size_t i = 0; i < pieces; ++i)
        if (inSharedStrings)
            builder.addString(std::u16string(8000, char16_t(u'a' + i % 26)));
        else
            builder.globalsExtra().record(0x0999, testwriters::ByteVector(8000, 0x55));
    BiffWriter &cells = builder.addSheet(1, 2).rk(0, 0, rkFromInteger(5));
    if (inSharedStrings)
        cells.labelSst(0, 1, 1);
    QVERIFY(builder.writeTo(path));
    const std::size_t fileSize = std::size_t(QFileInfo(path).size());
    QVERIFY(fileSize > 4'000'000);

    ExcelWorkbook workbook;
    const std::size_t before = mallinfo2().uordblks;
    QVERIFY(workbook.load(QFile::encodeName(path).constData()));
    const std::size_t held = mallinfo2().uordblks - before;
    QCOMPARE(workbook.sheet(0)->findCell(0, 0)->integerValue(), 5);
    if (inSharedStrings)
        QCOMPARE(textOf(*workbook.sheet(0)->findCell(0, 1)), QString(8000, QLatin1Char('b')));
    QVERIFY2(
        held < fileSize / 8,
        qPrintable(
            QStringLiteral("%1 bytes held after loading a file of %2").arg(held).arg(fileSize)));
}

QTEST_APPLESS_MAIN(TestWorkbook)
#include "test_workbook.moc"
