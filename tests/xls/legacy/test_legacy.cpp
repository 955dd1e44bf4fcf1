// Excel 2.x, 3.0, 4.0 and 5.0/95 workbooks written record by record: each
// version's BOF and cell records, the code page its byte strings are in, and
// the older grid limits, read through the same loader as BIFF8.
#include "support/WorkbookBuilder.h"
#include "support/writers/BiffWriter.h"
#include "xls/common/CodePage.h"
#include "xls/model/ExcelWorkbook.h"

#include <QTest>

using testwriters::BiffWriter;
using testwriters::Bytes;
using testwriters::ByteVector;

namespace {

// BOF codes and version fields of BIFF2 to BIFF5.
struct Version {
    int number;
    std::uint16_t bofCode;
    std::uint16_t bofVersion;
};
constexpr Version biff2{2, 0x0009, 0x0002};
constexpr Version biff3{3, 0x0209, 0x0300};
constexpr Version biff4{4, 0x0409, 0x0400};
constexpr Version biff5{5, 0x0809, 0x0500};

Version versionNumbered(int number) {
    for (const Version &v : {biff2, biff3, biff4, biff5})
        if (v.number == number)
            return v;
    return biff5;
}

Bytes bof(const Version &v, std::uint16_t type) {
    return Bytes().u16(v.bofVersion).u16(type).u16(0).u16(0);
}

// A whole file: a BIFF2-4 worksheet on its own, or a BIFF5 workbook (globals
// and one sheet) in a compound file's "Book" stream. `globals` go into the
// BIFF5 globals or, for BIFF2-4, before the cells.
ByteVector fileOf(int number, const ByteVector &cells, const ByteVector &globals = {}) {
    const Version v = versionNumbered(number);
    BiffWriter stream;
    if (number == 5) {
        stream.record(v.bofCode, bof(v, 0x0005)).raw(globals).eof();
        stream.record(v.bofCode, bof(v, 0x0010)).raw(cells).eof();
        return compoundFileWith(u"Book", stream.bytes());
    }
    stream.record(v.bofCode, bof(v, 0x0010)).raw(globals).raw(cells).eof();
    return stream.bytes();
}

// Cell headers: BIFF2 has three attribute bytes, later versions an XF index.
Bytes cell2(std::uint16_t row, std::uint16_t column) {
    return Bytes().u16(row).u16(column).u8(0).u8(0).u8(0);
}
Bytes cell(std::uint16_t row, std::uint16_t column) {
    return Bytes().u16(row).u16(column).u16(15);
}
Bytes number8(double value) {
    return Bytes().f64(value);
}
// FORMULA results: bytes 6-7 0xFFFF mark a kind in byte 0 and a value in byte 2.
Bytes special(std::uint8_t kind, std::uint8_t value = 0) {
    return Bytes().u8(kind).u8(0).u8(value).u8(0).u8(0).u8(0).u16(0xFFFF);
}
Bytes withBytes(Bytes bytes, const QByteArray &text) {
    for (char c : text)
        bytes.u8(std::uint8_t(c));
    return bytes;
}
// A string of 8-bit characters with a one- or two-byte length.
Bytes short8(Bytes head, const QByteArray &text) {
    return withBytes(head.u8(std::uint8_t(text.size())), text);
}
Bytes long8(Bytes head, const QByteArray &text) {
    return withBytes(head.u16(std::uint16_t(text.size())), text);
}
Bytes codePage(std::uint16_t number) {
    return Bytes().u16(number);
}

QString textOf(const ExcelCell &cell) {
    if (cell.type() == String)
        return QString::fromLatin1(cell.string());
    if (cell.type() == WString)
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(cell.wstring()),
                                  cell.stringLength());
    return {};
}

} // namespace

class TestLegacy : public QObject {
    Q_OBJECT

private slots:
    void cellRecords_data();
    void cellRecords();
    void codePages_data();
    void codePages();
    void workbookSheetsAndLimits_data();
    void workbookSheetsAndLimits();
};

void TestLegacy::cellRecords_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("records"); // the cell at row 1, column 2 among them
    QTest::addColumn<QByteArray>("globals");
    QTest::addColumn<ExcelCellType>("type");
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    auto row = [](const char *name, int version, const BiffWriter &records, ExcelCellType type,
                  double number = 0, const QString &text = {}, const BiffWriter &globals = {}) {
        const ByteVector &r = records.bytes();
        const ByteVector &g = globals.bytes();
        QTest::newRow(name) << version
                            << QByteArray(reinterpret_cast<const char *>(r.data()),
                                          qsizetype(r.size()))
                            << QByteArray(reinterpret_cast<const char *>(g.data()),
                                          qsizetype(g.size()))
                            << type << number << text;
    };
    const QString mueller = QString::fromUtf8("Müller");
    const QByteArray mueller1252("M\xFCller");

    row("BIFF2 INTEGER", 2, BiffWriter().record(0x0002, cell2(1, 2).u16(4711)), Integer, 4711);
    row("BIFF2 NUMBER", 2, BiffWriter().record(0x0003, cell2(1, 2).raw(number8(2.5))), Double, 2.5);
    row("BIFF2 LABEL in Windows-1252", 2,
        BiffWriter().record(0x0004, short8(cell2(1, 2), mueller1252)), String, 0, mueller);
    row("BIFF2 BOOLERR true", 2, BiffWriter().record(0x0005, cell2(1, 2).u8(1).u8(0)), Integer, 1);
    row("BIFF2 BOOLERR error", 2, BiffWriter().record(0x0005, cell2(1, 2).u8(7).u8(1)), Undefined);
    row("BIFF2 BLANK", 2, BiffWriter().record(0x0001, cell2(1, 2)), Undefined);
    row("BIFF2 FORMULA number", 2,
        BiffWriter().record(0x0006, cell2(1, 2).raw(number8(-3.75)).u8(0).u8(0)), Double, -3.75);
    row("BIFF2 FORMULA text with STRING", 2,
        BiffWriter()
            .record(0x0006, cell2(1, 2).raw(special(0)).u8(0).u8(0))
            .record(0x0007, short8(Bytes(), "Anna")),
        String, 0, "Anna");
    row("BIFF2 FORMULA error", 2,
        BiffWriter().record(0x0006, cell2(1, 2).raw(special(2, 7)).u8(0).u8(0)), Undefined);
    row("BIFF2 cut-short INTEGER", 2, BiffWriter().record(0x0002, cell2(1, 2).u8(1)), Undefined);

    row("BIFF3 NUMBER", 3, BiffWriter().record(0x0203, cell(1, 2).raw(number8(1e-3))), Double,
        1e-3);
    row("BIFF3 LABEL", 3, BiffWriter().record(0x0204, long8(cell(1, 2), mueller1252)), String, 0,
        mueller);
    row("BIFF3 RK integer", 3, BiffWriter().record(0x027E, cell(1, 2).u32(12 * 4 + 2)), Integer,
        12);
    row("BIFF3 BOOLERR false", 3, BiffWriter().record(0x0205, cell(1, 2).u8(0).u8(0)), Integer, 0);
    row("BIFF3 FORMULA text with STRING", 3,
        BiffWriter()
            .record(0x0206, cell(1, 2).raw(special(0)).u16(0).u16(0))
            .record(0x0207, long8(Bytes(), "Bernd")),
        String, 0, "Bernd");
    row("BIFF3 FORMULA Boolean", 3,
        BiffWriter().record(0x0206, cell(1, 2).raw(special(1, 1)).u16(0).u16(0)), Integer, 1);
    row("BIFF3 LABEL longer than its record", 3,
        BiffWriter().record(0x0204, withBytes(cell(1, 2).u16(200), "kurz")), String, 0, "kurz");

    row("BIFF4 FORMULA number", 4,
        BiffWriter().record(0x0406, cell(1, 2).raw(number8(99.5)).u16(0).u16(0)), Double, 99.5);
    row("BIFF4 RK x100", 4, BiffWriter().record(0x027E, cell(1, 2).u32(1234 * 4 + 3)), Double,
        12.34);
    row("BIFF4 LABEL in code page 850", 4, BiffWriter().record(0x0204, long8(cell(1, 2), "\x81")),
        String, 0, QString::fromUtf8("ü"), BiffWriter().record(0x0042, codePage(850)));

    row("BIFF5 LABEL", 5, BiffWriter().record(0x0204, long8(cell(1, 2), mueller1252)), String, 0,
        mueller);
    row("BIFF5 RSTRING", 5,
        BiffWriter().record(0x00D6, long8(cell(1, 2), "Clara").u8(1).u8(0).u8(0).u8(0)), String, 0,
        "Clara");
    row("BIFF5 MULRK second entry", 5,
        BiffWriter().record(
            0x00BD, Bytes().u16(1).u16(1).u16(15).u32(1 * 4 + 2).u16(15).u32(2 * 4 + 2).u16(2)),
        Integer, 2);
    row("BIFF5 FORMULA text after SHRFMLA", 5,
        BiffWriter()
            .record(0x0006, cell(1, 2).raw(special(0)).u16(0).u32(0).u16(0))
            .record(0x04BC, Bytes().u16(1).u16(1).u8(2).u8(2).u16(0).u16(0))
            .record(0x0207, long8(Bytes(), "Dora")),
        String, 0, "Dora");
    row("BIFF5 FORMULA text, STRING after another record", 5,
        BiffWriter()
            .record(0x0006, cell(1, 2).raw(special(0)).u16(0).u32(0).u16(0))
            .record(0x0203, cell(5, 5).raw(number8(1)))
            .record(0x0207, long8(Bytes(), "Dora")),
        Undefined);
    row("BIFF5 LABEL in Windows-1251", 5,
        BiffWriter().record(0x0204, long8(cell(1, 2), "\xCF\xF0\xE8")), WString, 0,
        QString::fromUtf8("При"), BiffWriter().record(0x0042, codePage(1251)));
    row("BIFF5 LABEL in Shift-JIS", 5,
        BiffWriter().record(0x0204, long8(cell(1, 2), "\x8A\xBF\x8E\x9A")), WString, 0,
        QString::fromUtf8("漢字"), BiffWriter().record(0x0042, codePage(932)));
    row("BIFF5 LABEL cut inside a Shift-JIS character", 5,
        BiffWriter().record(0x0204, long8(cell(1, 2), "\x8A\xBF\x8A")), WString, 0,
        QString::fromUtf8("漢\uFFFD"), BiffWriter().record(0x0042, codePage(932)));
    row("BIFF5 LABEL with a byte Shift-JIS lacks", 5,
        BiffWriter().record(0x0204, long8(cell(1, 2), "A\x80")), WString, 0,
        QString::fromUtf8("A\uFFFD"), BiffWriter().record(0x0042, codePage(932)));
}

void TestLegacy::cellRecords() {
    QFETCH(int, version);
    QFETCH(QByteArray, records);
    QFETCH(QByteArray, globals);
    QFETCH(ExcelCellType, type);
    QFETCH(double, number);
    QFETCH(QString, text);

    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(fileOf(version, ByteVector(records.begin(), records.end()),
                                        ByteVector(globals.begin(), globals.end()))),
             workbook.lastError().describe().c_str());
    QCOMPARE(workbook.sheetCount(), 1);
    const ExcelWorksheet *sheet = workbook.sheet(0);
    QCOMPARE(sheet->rowLimit(), 16384u);
    const ExcelCell *found = sheet->findCell(1, 2);
    QCOMPARE(found ? found->type() : Undefined, type);
    if (type == Integer)
        QCOMPARE(found->integerValue(), int(number));
    if (type == Double) // exactly: the RK x100 row must not be off in the last bit
        QVERIFY2(found->doubleValue() == number,
                 qPrintable(QString::number(found->doubleValue(), 'g', 17)));
    if (type == String || type == WString)
        QCOMPARE(textOf(*found), text);
}

void TestLegacy::codePages_data() {
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    // The texts were encoded with Python's own code page tables, so the
    // system's converter is checked against an independent answer.
    auto row = [](int codePage, const QByteArray &bytes, const char16_t *text) {
        QTest::addRow("%d", codePage) << codePage << bytes << QString::fromUtf16(text);
    };
#define TAGOMAT_BYTES(literal) QByteArray(literal, sizeof(literal) - 1)
    row(437, TAGOMAT_BYTES("\x47\x72\x81\xE1\x65\x20\xAB\x20\xB0"),
        u"Gr\u00fc\u00dfe \u00bd \u2591");
    row(850, TAGOMAT_BYTES("\x92\x72\x67\x65\x72\x20\xE1\x20\x9D"), u"\u00c6rger \u00df \u00d8");
    row(852, TAGOMAT_BYTES("\x9D\xA2\x64\xAB\x20\xA5\x9F\xFD"),
        u"\u0141\u00f3d\u017a \u0105\u010d\u0159");
    row(866, TAGOMAT_BYTES("\x8F\xE0\xA8\xA2\xA5\xE2"), u"\u041f\u0440\u0438\u0432\u0435\u0442");
    row(874, TAGOMAT_BYTES("\xC0\xD2\xC9\xD2\xE4\xB7\xC2"),
        u"\u0e20\u0e32\u0e29\u0e32\u0e44\u0e17\u0e22");
    row(932, TAGOMAT_BYTES("\x8A\xBF\x8E\x9A\x83\x65\x83\x58\x83\x67"),
        u"\u6f22\u5b57\u30c6\u30b9\u30c8");
    row(936, TAGOMAT_BYTES("\xD6\xD0\xCE\xC4\xBA\xBA\xD7\xD6"), u"\u4e2d\u6587\u6c49\u5b57");
    row(949, TAGOMAT_BYTES("\xC7\xD1\xB1\xB9\xBE\xEE"), u"\ud55c\uad6d\uc5b4");
    row(950, TAGOMAT_BYTES("\xC1\x63\xC5\xE9\xA4\xA4\xA4\xE5"), u"\u7e41\u9ad4\u4e2d\u6587");
    row(1250, TAGOMAT_BYTES("\xA3\xF3\x64\x9F\x20\x8A\x9D\x61\x73\x74\x6E\xFD"),
        u"\u0141\u00f3d\u017a \u0160\u0165astn\u00fd");
    row(1251, TAGOMAT_BYTES("\xCF\xF0\xE8\xE2\xE5\xF2\x20\xEC\xE8\xF0"),
        u"\u041f\u0440\u0438\u0432\u0435\u0442 \u043c\u0438\u0440");
    row(1252, TAGOMAT_BYTES("\x47\x72\xFC\xDF\x65\x20\x80\x35\x20\x96\x20\x84\x78\x93"),
        u"Gr\u00fc\u00dfe \u20ac5 \u2013 \u201ex\u201c");
    row(1253, TAGOMAT_BYTES("\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1"),
        u"\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1");
    row(1254, TAGOMAT_BYTES("\x49\xFE\xFD\x6B\x20\xF0\xFC\xFE"),
        u"I\u015f\u0131k \u011f\u00fc\u015f");
    row(1255, TAGOMAT_BYTES("\xF9\xEC\xE5\xED"), u"\u05e9\u05dc\u05d5\u05dd");
    row(1256, TAGOMAT_BYTES("\xE3\xD1\xCD\xC8\xC7"), u"\u0645\u0631\u062d\u0628\u0627");
    row(1257, TAGOMAT_BYTES("\xC0\xFE\x75\x6F\x6C\x61\x73\x20\xE7\xED"),
        u"\u0104\u017euolas \u0113\u0137");
    row(1258, TAGOMAT_BYTES("\xD0\xF4\x6E\x67\x20\xE3\x6E"), u"\u0110\u00f4ng \u0103n");
    row(10000, TAGOMAT_BYTES("\x47\x72\x9F\xA7\x65\x20\xC4"), u"Gr\u00fc\u00dfe \u0192");
    row(10029, TAGOMAT_BYTES("\xFC\x97\x64\x90\x20\x8B\xDE"), u"\u0141\u00f3d\u017a \u010d\u0159");
    row(10007, TAGOMAT_BYTES("\x8F\xF0\xE8\xE2\xE5\xF2"), u"\u041f\u0440\u0438\u0432\u0435\u0442");
    row(32768, TAGOMAT_BYTES("\x80\x70\x66\x65\x6C"), u"\u00c4pfel");
    row(32769, TAGOMAT_BYTES("\x47\x72\xFC\xDF\x65\x20\x80"), u"Gr\u00fc\u00dfe \u20ac");
    row(1200, TAGOMAT_BYTES("\x47\x00\x72\x00\xFC\x00\xDF\x00\x65\x00\x20\x00\x22\x6F\x57\x5B"),
        u"Gr\u00fc\u00dfe \u6f22\u5b57");
#undef TAGOMAT_BYTES
}

void TestLegacy::codePages() {
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    std::u16string decoded;
    QVERIFY2(xls::decodeCodePage(std::uint16_t(codePage),
                                 xls::ByteSpan(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                               std::size_t(bytes.size())),
                                 decoded),
             "no converter");
    QCOMPARE(QString::fromStdU16String(decoded), text);
    // The way back gives the same bytes (the password of an XOR-obfuscated
    // workbook is encoded in the workbook's code page).
    std::string encoded;
    QVERIFY(xls::encodeCodePage(std::uint16_t(codePage), decoded, encoded));
    QCOMPARE(QByteArray::fromStdString(encoded), bytes);
}

void TestLegacy::workbookSheetsAndLimits_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("cells");     // value cells of sheet 0
    QTest::addColumn<QString>("first"); // the text at (0, 0) of sheet 0

    auto file = [](const ByteVector &bytes) {
        return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    };
    auto label = [](std::uint16_t row, std::uint16_t column, const QByteArray &text) {
        return BiffWriter().record(0x0204, long8(cell(row, column), text)).bytes();
    };
    BiffWriter w4;
    w4.record(0x0409, bof(biff4, 0x0100)).record(0x008F, Bytes().u32(0).u8(1).u8('A')).eof();
    w4.record(0x0409, bof(biff4, 0x0010)).raw(label(0, 0, "Erstes")).eof();
    w4.record(0x0409, bof(biff4, 0x0010)).raw(label(0, 0, "Zweites")).eof();
    QTest::newRow("BIFF4 workbook: its worksheets in order")
        << file(w4.bytes()) << 2 << 1 << "Erstes";
    // As Excel 4.0 writes it: the sheets inside the globals, each after a
    // SHEETHDR (its length, its name), SHEETSOFFSET pointing at the first.
    BiffWriter sheet4;
    sheet4.record(0x0409, bof(biff4, 0x0010)).raw(label(0, 0, "Innen")).eof();
    const auto sheetLength = std::uint32_t(sheet4.bytes().size());
    BiffWriter bundled;
    bundled.record(0x0409, bof(biff4, 0x0100)).record(0x008E, Bytes().u32(20));
    for (const char *name : {"A", "B"})
        bundled.record(0x008F, Bytes().u32(sheetLength).u8(1).u8(std::uint8_t(*name)))
            .raw(sheet4.bytes());
    bundled.eof();
    QTest::newRow("BIFF4 workbook with its worksheets bundled into the globals")
        << file(bundled.bytes()) << 2 << 1 << "Innen";

    BiffWriter chart;
    chart.record(0x0809, bof(biff5, 0x0020)).raw(label(0, 0, "Diagramm")).eof();
    QTest::newRow("BIFF5 chart inside a sheet is stepped over")
        << file(fileOf(5, label(0, 0, "Blatt"), {})) << 1 << 1 << "Blatt";
    ByteVector withChart = label(0, 0, "Blatt");
    withChart.insert(withChart.end(), chart.bytes().begin(), chart.bytes().end());
    const ByteVector more = label(1, 0, "weiter");
    withChart.insert(withChart.end(), more.begin(), more.end());
    QTest::newRow("BIFF5 sheet goes on after a chart in it")
        << file(fileOf(5, withChart)) << 1 << 2 << "Blatt";

    ByteVector limits = label(0, 0, "oben");
    for (const ByteVector &cellAt : {label(16383, 255, "letzte"), label(16384, 0, "zu tief")})
        limits.insert(limits.end(), cellAt.begin(), cellAt.end());
    QTest::newRow("BIFF3 grid ends at row 16,384") << file(fileOf(3, limits)) << 1 << 2 << "oben";

    BiffWriter noEof;
    noEof.record(0x0009, bof(biff2, 0x0010)).record(0x0004, short8(cell2(0, 0), "offen"));
    QTest::newRow("BIFF2 worksheet without EOF keeps its cells")
        << file(noEof.bytes()) << 1 << 1 << "offen";
}

void TestLegacy::workbookSheetsAndLimits() {
    QFETCH(QByteArray, file);
    QFETCH(int, sheets);
    QFETCH(int, cells);
    QFETCH(QString, first);

    ExcelWorkbook workbook;
    QVERIFY2(workbook.loadMemory(ByteVector(file.begin(), file.end())),
             workbook.lastError().describe().c_str());
    QCOMPARE(workbook.sheetCount(), sheets);
    int count = 0;
    workbook.sheet(0)->forEachValue(
        [&](std::uint32_t, std::uint32_t, const ExcelCell &) { ++count; });
    QCOMPARE(count, cells);
    const ExcelCell *origin = workbook.sheet(0)->findCell(0, 0);
    QVERIFY(origin);
    QCOMPARE(textOf(*origin), first);
}

QTEST_APPLESS_MAIN(TestLegacy)
#include "test_legacy.moc"
