// The cell records, the records a formula takes with it, and RK decoding.
#include "BiffTestSupport.h"

#include "xls/biff/RKValue.h"
#include "xls/biff/Worksheet.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace bifftest;
using testwriters::BiffWriter;
using testwriters::Bytes;
using testwriters::formulaNumber;
using testwriters::formulaSpecial;
using testwriters::rkFromDouble;
using testwriters::rkFromInteger;
using RowBlock = ZAreda::Worksheet::CellTable::RowBlock;
using CellBlock = RowBlock::CellBlock;
using Formula = CellBlock::Formula;
using ResultKind = Formula::ResultKind;

Q_DECLARE_METATYPE(ResultKind)

namespace {

constexpr std::uint16_t kMulRk = 0x00BD, kShrFmla = 0x00BC, kShrFmla1 = 0x04BC, kArray = 0x0221,
                        kTable = 0x0036, kString = 0x0207;

// Reads the first record of `stream` into a CellBlock of `block`.
const CellBlock &readCell(RowBlock &block, const ByteVector &stream, std::uint32_t &consumed) {
    CellBlock &cell = block.cellBlocks.emplace_back();
    consumed = cell.Read(span(stream), block);
    return cell;
}

} // namespace

class TestCellRecords : public QObject {
    Q_OBJECT

private slots:
    void rk_data();
    void rk();
    void singleCells_data();
    void singleCells();
    void labels_data();
    void labels();
    void mulRecords_data();
    void mulRecords();
    void mulRkReadAloneCountsItsEntries();
    void formulaResults_data();
    void formulaResults();
    void formulaCompanions_data();
    void formulaCompanions();
    void formulaAtTheEndOfTheStream_data();
    void formulaAtTheEndOfTheStream();
    void continuedStringRecord();
    void formulaCopiesItsCompanions();
};

void TestCellRecords::rk_data() {
    QTest::addColumn<quint32>("rk");
    QTest::addColumn<bool>("isInteger");
    QTest::addColumn<int>("integer");
    QTest::addColumn<double>("number");

    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("1.0") << quint32(0x3FF00000) << false << 0 << 1.0;
    QTest::newRow("1.0 with the x100 flag is 0.01") << quint32(0x3FF00001) << false << 0 << 0.01;
    // 510.0 is 0x407FE000...; 510 * 0.01 would be 5.1000000000000005.
    QTest::newRow("510.0 with the x100 flag is 5.1 exactly")
        << quint32(0x407FE001) << false << 0 << 5.1;
    QTest::newRow("-2.5") << rkFromDouble(-2.5) << false << 0 << -2.5;
    QTest::newRow("5") << quint32(5 * 4 + 2) << true << 5 << none;
    QTest::newRow("-7") << quint32(std::uint32_t(-7 * 4 + 2)) << true << -7 << none;
    QTest::newRow("150 with both flags truncates to 1")
        << quint32(150 * 4 + 3) << true << 1 << none;
    QTest::newRow("-150 with both flags truncates to -1")
        << quint32(std::uint32_t(-150 * 4 + 3)) << true << -1 << none;
    QTest::newRow("1234 with both flags is 12") << rkFromInteger(1234, true) << true << 12 << none;
    QTest::newRow("largest 30-bit integer")
        << rkFromInteger(536870911) << true << 536870911 << none;
    QTest::newRow("smallest 30-bit integer")
        << rkFromInteger(-536870912) << true << -536870912 << none;
}

void TestCellRecords::rk() {
    QFETCH(quint32, rk);
    QFETCH(bool, isInteger);
    QFETCH(int, integer);
    QFETCH(double, number);
    QCOMPARE(ZAreda::rkIsInteger(rk), isInteger);
    if (isInteger)
        QCOMPARE(ZAreda::rkToInteger(rk), integer);
    else // exactly: QCOMPARE would forgive the last bit
        QVERIFY2(ZAreda::rkToDouble(rk) == number,
                 qPrintable(QString::number(ZAreda::rkToDouble(rk), 'g', 17)));
}

void TestCellRecords::singleCells_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("consumed");

    QTest::newRow("BLANK") << BiffWriter().blank(3, 4, 21).bytes() << 0x0201 << 3 << 4 << 10;
    QTest::newRow("BOOLERR TRUE") << BiffWriter().boolErr(65535, 255, 1, false).bytes() << 0x0205
                                  << 65535 << 255 << 12;
    QTest::newRow("BOOLERR #DIV/0!")
        << BiffWriter().boolErr(1, 2, 0x07, true).bytes() << 0x0205 << 1 << 2 << 12;
    QTest::newRow("LABELSST") << BiffWriter().labelSst(9, 1, 70000).bytes() << 0x00FD << 9 << 1
                              << 14;
    QTest::newRow("NUMBER") << BiffWriter().number(2, 6, -1.25e300).bytes() << 0x0203 << 2 << 6
                            << 18;
    QTest::newRow("RK") << BiffWriter().rk(4, 3, rkFromInteger(-42)).bytes() << 0x027E << 4 << 3
                        << 14;
    QTest::newRow("FORMULA") << BiffWriter().formula(5, 7, formulaNumber(6.25)).bytes() << 0x0006
                             << 5 << 7 << 29;
    QTest::newRow("MULBLANK") << BiffWriter().mulBlank(8, 3, 4).bytes() << 0x00BE << 8 << 3 << 14;
}

void TestCellRecords::singleCells() {
    QFETCH(ByteVector, stream);
    QFETCH(int, type);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, consumed);

    RowBlock block;
    std::uint32_t read = 0;
    const CellBlock &cell = readCell(block, stream, read);
    QCOMPARE(read, consumed);
    QCOMPARE(cell.type, type);
    QCOMPARE(cell.row(), row);
    QCOMPARE(cell.column(), column);
    if (const auto *blank = cell.blank())
        QCOMPARE(blank->xfIndex, 21);
    if (const auto *boolErr = cell.boolErr()) {
        QCOMPARE(boolErr->value, boolErr->isError() ? 0x07 : 1);
        QCOMPARE(boolErr->errorFlag, boolErr->isError() ? 1 : 0);
    }
    if (const auto *label = cell.labelSST())
        QCOMPARE(label->stringIndex, 70000u);
    if (const auto *number = cell.number())
        QCOMPARE(number->value, -1.25e300);
    if (const auto *rk = cell.rk())
        QCOMPARE(ZAreda::rkToInteger(rk->rk), -42);
    if (const auto *formula = cell.formula())
        QCOMPARE(formula->resultDouble(), 6.25);
    const int held = int(bool(cell.blank())) + bool(cell.boolErr()) + bool(cell.labelSST()) +
                     bool(cell.number()) + bool(cell.rk()) + bool(cell.formula()) +
                     bool(cell.mulBlank()) + bool(cell.mulRK());
    QCOMPARE(held, 1);
}

void TestCellRecords::labels_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("consumed");

    auto cell = [](std::uint16_t count, std::uint8_t flags) {
        return Bytes().u16(2).u16(3).u16(15).u16(count).u8(flags); // row, column, XF, cch, options
    };
    QTest::newRow("LABEL 8-bit") << BiffWriter().record(0x0204, cell(4, 0).narrow(u"Anna")).bytes()
                                 << "Anna" << false << 4 + 9 + 4;
    QTest::newRow("LABEL 16-bit")
        << BiffWriter().record(0x0204, cell(6, 1).wide(u"\u0141ukasz")).bytes()
        << QString::fromUtf8("Łukasz") << true << 4 + 9 + 12;
    // The characters go on in a CONTINUE record that starts with its own option byte.
    QTest::newRow("LABEL continued as 16-bit") << BiffWriter()
                                                      .record(0x0204, cell(4, 0).narrow(u"An"))
                                                      .continued(Bytes().u8(1).wide(u"na"))
                                                      .bytes()
                                               << "Anna" << false << 4 + 11 + 4 + 5;
    QTest::newRow("RSTRING keeps the text, not the runs")
        << BiffWriter().record(0x00D6, cell(4, 0).narrow(u"Bert").u16(1).u32(0x00050000)).bytes()
        << "Bert" << false << 4 + 9 + 4 + 6;
    QTest::newRow("LABEL cut short keeps what is there")
        << BiffWriter().record(0x0204, cell(10, 0).narrow(u"Car")).bytes() << "Car" << false
        << 4 + 9 + 3;
    QTest::newRow("LABEL without its string")
        << BiffWriter().record(0x0204, Bytes().u16(2).u16(3)).bytes() << "" << false << 4 + 4;
}

void TestCellRecords::labels() {
    QFETCH(ByteVector, stream);
    QFETCH(QString, text);
    QFETCH(bool, wide);
    QFETCH(int, consumed);

    RowBlock block;
    std::uint32_t read = 0;
    const CellBlock &cell = readCell(block, stream, read);
    QCOMPARE(read, consumed);
    const auto *label = cell.label();
    QVERIFY2(label && label->text, "no LABEL read");
    QCOMPARE(cell.row(), 2);
    QCOMPARE(cell.column(), 3);
    const bool isWide = label->text->isWide();
    const QString actual = isWide ? QString::fromStdU16String(label->text->wideText)
                                  : QString::fromLatin1(label->text->narrowText);
    QCOMPARE(actual, text);
    if (!text.isEmpty())
        QCOMPARE(isWide, wide);
}

void TestCellRecords::mulRecords_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<QList<int>>("values"); // RK integers, or XF indexes of a MULBLANK
    QTest::addColumn<int>("consumed");

    QTest::newRow("MULRK of columns 1-3")
        << BiffWriter()
               .mulRk(3, 1, {rkFromInteger(10), rkFromInteger(20), rkFromInteger(30)})
               .bytes()
        << 1 << 3 << QList<int>{10, 20, 30} << 4 + 6 + 18;
    QTest::newRow("MULBLANK of columns 0-9")
        << BiffWriter().mulBlank(3, 0, 9, 17).bytes() << 0 << 9 << QList<int>(10, 17) << 4 + 26;
    QTest::newRow("MULRK whose last column is below its first")
        << BiffWriter()
               .record(kMulRk, Bytes().u16(3).u16(5).u16(15).u32(rkFromInteger(1)).u16(4))
               .bytes()
        << 5 << 4 << QList<int>{} << 16;
    QTest::newRow("MULRK holding fewer entries than its range")
        << BiffWriter()
               .record(kMulRk, Bytes()
                                   .u16(3)
                                   .u16(0)
                                   .u16(15)
                                   .u32(rkFromInteger(1))
                                   .u16(15)
                                   .u32(rkFromInteger(2))
                                   .u16(200))
               .bytes()
        << 0 << 200 << QList<int>{1, 2} << 22;
    QTest::newRow("MULRK holding more entries than its range")
        << BiffWriter()
               .record(kMulRk, Bytes()
                                   .u16(3)
                                   .u16(0)
                                   .u16(15)
                                   .u32(rkFromInteger(1))
                                   .u16(15)
                                   .u32(rkFromInteger(2))
                                   .u16(0))
               .bytes()
        << 0 << 0 << QList<int>{1} << 22;
    QTest::newRow("MULRK of 4 bytes") << BiffWriter().record(kMulRk, Bytes().u16(3).u16(2)).bytes()
                                      << 2 << 0 << QList<int>{} << 8;
}

void TestCellRecords::mulRecords() {
    QFETCH(ByteVector, stream);
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);
    QFETCH(QList<int>, values);
    QFETCH(int, consumed);

    RowBlock block;
    block.mulRKEntries.resize(2); // entries of an earlier record
    std::uint32_t read = 0;
    const CellBlock &cell = readCell(block, stream, read);
    QCOMPARE(read, consumed);
    QCOMPARE(cell.row(), 3);
    QCOMPARE(cell.column(), firstColumn);
    QList<int> got;
    if (const auto *mulRk = cell.mulRK()) {
        QCOMPARE(mulRk->lastColumn, lastColumn);
        QCOMPARE(mulRk->firstEntry, 2u);
        for (const auto &entry : block.entries(*mulRk)) {
            QCOMPARE(entry.xfIndex, 15);
            got << ZAreda::rkToInteger(entry.rk);
        }
    } else {
        QCOMPARE(cell.mulBlank()->lastColumn, lastColumn);
        for (std::uint16_t xf : block.xfIndexes(*cell.mulBlank()))
            got << xf;
    }
    QCOMPARE(got, values);
}

void TestCellRecords::mulRkReadAloneCountsItsEntries() {
    const ByteVector stream = BiffWriter().mulRk(0, 4, {2, 6, 10}).bytes();
    CellBlock::MulRK mulRk;
    QCOMPARE(mulRk.Read(span(stream)), 28u);
    QCOMPARE(mulRk.entryCount, 3u);
    QVERIFY(RowBlock().entries(mulRk).empty()); // kept by no row block
}

void TestCellRecords::formulaResults_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<ResultKind>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("consumed");

    QTest::newRow("number") << BiffWriter().formula(0, 0, formulaNumber(-0.5)).bytes()
                            << ResultKind::Number << QVariant(-0.5) << 29;
    QTest::newRow("a number whose last bytes are not 0xFFFF")
        << BiffWriter().formula(0, 0, Bytes().u8(1).raw(ByteVector(5, 0)).u16(0xFFFE)).bytes()
        << ResultKind::Number << QVariant() << 29;
    // A STRING record of 8 data bytes: the formula consumes its own 29 + 12.
    QTest::newRow("string, in the STRING record after it")
        << BiffWriter().formula(0, 0, formulaSpecial(0)).string(u"Björn", false).bytes()
        << ResultKind::String << QVariant(QStringLiteral("Björn")) << 29 + 12;
    QTest::newRow("16-bit string")
        << BiffWriter().formula(0, 0, formulaSpecial(0)).string(u"Łucja", true).bytes()
        << ResultKind::String << QVariant(QStringLiteral("Łucja")) << 29 + 4 + 13;
    QTest::newRow("Boolean TRUE") << BiffWriter().formula(0, 0, formulaSpecial(1, 1)).bytes()
                                  << ResultKind::Boolean << QVariant(true) << 29;
    QTest::newRow("Boolean FALSE") << BiffWriter().formula(0, 0, formulaSpecial(1, 0)).bytes()
                                   << ResultKind::Boolean << QVariant(false) << 29;
    QTest::newRow("error #DIV/0!") << BiffWriter().formula(0, 0, formulaSpecial(2, 0x07)).bytes()
                                   << ResultKind::Error << QVariant(0x07) << 29;
    QTest::newRow("empty string") << BiffWriter().formula(0, 0, formulaSpecial(3)).bytes()
                                  << ResultKind::EmptyString << QVariant(QString()) << 29;
    QTest::newRow("unknown kind") << BiffWriter().formula(0, 0, formulaSpecial(9)).bytes()
                                  << ResultKind::Unknown << QVariant() << 29;
}

void TestCellRecords::formulaResults() {
    QFETCH(ByteVector, stream);
    QFETCH(ResultKind, kind);
    QFETCH(QVariant, value);
    QFETCH(int, consumed);

    Formula formula;
    QCOMPARE(formula.Read(span(stream)), consumed);
    QCOMPARE(formula.RecordSize(), consumed);
    QCOMPARE(formula.resultKind(), kind);
    QCOMPARE(formula.followingCode, 0xFFFF);
    QCOMPARE(formula.formulaBlockSize, 7u);
    switch (kind) {
    case ResultKind::Number:
        if (value.isValid())
            QCOMPARE(formula.resultDouble(), value.toDouble());
        break;
    case ResultKind::String:
        QVERIFY(formula.string());
        QCOMPARE(text(formula.string()->text), value.toString());
        break;
    case ResultKind::Boolean:
        QCOMPARE(formula.resultBool(), value.toBool());
        break;
    case ResultKind::Error:
        QCOMPARE(formula.resultError(), value.toInt());
        break;
    default:
        QVERIFY(!formula.string());
        break;
    }
}

void TestCellRecords::formulaCompanions_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("followingCode");
    QTest::addColumn<bool>("string");
    QTest::addColumn<int>("consumed");

    const ByteVector formula = BiffWriter().formula(1, 1, formulaSpecial(0)).bytes(); // 29 bytes
    const Bytes shared = Bytes().u16(1).u16(9).u8(1).u8(1).u16(9).u16(3).raw({0x1E, 0x05, 0x00});
    QTest::newRow("SHRFMLA1, then STRING: all three") << BiffWriter()
                                                             .raw(formula)
                                                             .record(kShrFmla1, shared)
                                                             .string(u"ab", false)
                                                             .rk(0, 0, 2)
                                                             .bytes()
                                                      << int(kShrFmla1) << true << 29 + 17 + 9;
    QTest::newRow("SHRFMLA")
        << BiffWriter().raw(formula).record(kShrFmla, shared).rk(0, 0, 2).bytes() << int(kShrFmla)
        << false << 29 + 17;
    QTest::newRow("ARRAY") << BiffWriter()
                                  .raw(formula)
                                  .record(
                                      kArray,
                                      Bytes().u16(1).u16(2).u8(1).u8(2).u16(0).u32(0).u16(3).raw(
                                          {0x1E, 0x05, 0x00}))
                                  .bytes()
                           << int(kArray) << false << 29 + 4 + 17;
    QTest::newRow("TABLE, then STRING")
        << BiffWriter()
               .raw(formula)
               .record(kTable, Bytes().u16(1).u16(2).u8(1).u8(2).u16(0).u16(5).u16(6).u16(7).u16(8))
               .string(u"", false)
               .bytes()
        << int(kTable) << true << 29 + 20 + 7;
    QTest::newRow("TABLE as [MS-XLS] numbers it (0x0236), then STRING")
        << BiffWriter()
               .raw(formula)
               .record(0x0236, Bytes().u16(1).u16(2).u8(1).u8(2).u16(0).u16(5).u16(6).u16(7).u16(8))
               .string(u"103a", false)
               .bytes()
        << 0x0236 << true << 29 + 20 + 11;
    QTest::newRow("STRING before SHRFMLA: the SHRFMLA is not taken")
        << BiffWriter().raw(formula).string(u"ab", false).record(kShrFmla, shared).bytes() << 0xFFFF
        << true << 29 + 9;
}

void TestCellRecords::formulaCompanions() {
    QFETCH(ByteVector, stream);
    QFETCH(int, followingCode);
    QFETCH(bool, string);
    QFETCH(int, consumed);

    Formula formula;
    QCOMPARE(formula.Read(span(stream)), consumed);
    QCOMPARE(formula.RecordSize(), consumed);
    QCOMPARE(formula.followingCode, followingCode);
    QCOMPARE(bool(formula.string()), string);
    QCOMPARE(bool(formula.shrFmla1()), followingCode == kShrFmla1);
    QCOMPARE(bool(formula.shrFmla()), followingCode == kShrFmla);
    QCOMPARE(bool(formula.array()), followingCode == kArray);
    QCOMPARE(bool(formula.table()), followingCode == kTable || followingCode == 0x0236);
    if (const auto *shared = formula.shrFmla1()) {
        QCOMPARE(shared->lastRow, 9);
        QCOMPARE(shared->reservedAndCellCount, 9);
        QCOMPARE(shared->formulaBlockSize, 5u);
        QCOMPARE(shared->code, kShrFmla1);
    }
    if (const auto *table = formula.table()) {
        QCOMPARE(table->inputRow1, 5);
        QCOMPARE(table->inputColumn2, 8);
    }
    if (const auto *array = formula.array())
        QCOMPARE(array->formulaBlockSize, 5u);
}

void TestCellRecords::formulaAtTheEndOfTheStream_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("consumed");
    const ByteVector whole = BiffWriter().formula(2, 3, formulaNumber(1.5)).bytes();
    QTest::newRow("the last record") << whole << 29;
    QTest::newRow("cut inside its result") << ByteVector(whole.begin(), whole.begin() + 14) << 14;
    QTest::newRow("followed by half a header")
        << BiffWriter().raw(whole).raw({0x07, 0x02}).bytes() << 29;
    QTest::newRow("followed by a STRING cut short")
        << BiffWriter().raw(whole).raw({0x07, 0x02, 0x09, 0x00, 0x02}).bytes() << 34;
}

void TestCellRecords::formulaAtTheEndOfTheStream() {
    QFETCH(ByteVector, stream);
    QFETCH(int, consumed);
    Formula formula;
    QCOMPARE(formula.Read(span(stream)), consumed);
    QCOMPARE(formula.row, 2);
    QCOMPARE(formula.column, 3);
}

// A STRING record continued by a CONTINUE record whose option byte changes
// the width.
void TestCellRecords::continuedStringRecord() {
    const ByteVector stream = BiffWriter()
                                  .record(kString, Bytes().u16(13).u8(0).narrow(u"Müller "))
                                  .continued(Bytes().u8(1).wide(u"Łukasz"))
                                  .bytes();
    Formula::String string;
    QCOMPARE(string.Read(span(stream)), stream.size());
    QCOMPARE(text(string.text), QStringLiteral("Müller Łukasz"));
    QVERIFY(string.text.isWide());
    QCOMPARE(string.DataSize(), 10u + 13);
}

void TestCellRecords::formulaCopiesItsCompanions() {
    const ByteVector stream =
        BiffWriter().formula(1, 1, formulaSpecial(0)).string(u"Kopie", false).bytes();
    Formula copy;
    {
        Formula original;
        original.Read(span(stream));
        copy = original;
        Formula moved(std::move(original));
        QVERIFY(moved.string());
    }
    QVERIFY(copy.string());
    QCOMPARE(text(copy.string()->text), QStringLiteral("Kopie"));
    copy.Read(span(BiffWriter().formula(1, 1, formulaNumber(1)).bytes()));
    QVERIFY(!copy.string());
}

QTEST_GUILESS_MAIN(TestCellRecords)
#include "TestCellRecords.moc"
