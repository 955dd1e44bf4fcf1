#include "xls/model/ExcelWorksheet.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <map>

class TestWorksheet : public QObject {
    Q_OBJECT

private slots:
    void integerAndDoubleConversions_data();
    void integerAndDoubleConversions();
    void textsBelongToTheirType();
    void emptyTextsLeaveTheCellUndefined();
    void cellsKeepTheirValueWhenCopiedOrMoved_data();
    void cellsKeepTheirValueWhenCopiedOrMoved();
    void cellEnlargesTheGrid_data();
    void cellEnlargesTheGrid();
    void clearCellNeverEnlarges();
    void hugeAnnouncedGridCostsOnlyItsCells();
    void cellsReadInOrderWhateverOrderWritten_data();
    void cellsReadInOrderWhateverOrderWritten();
};

namespace {

// Every value as "row:column=value" in the order forEachValue gives them.
QStringList valuesOf(const ExcelWorksheet &sheet) {
    QStringList values;
    sheet.forEachValue([&](std::uint32_t row, std::uint32_t column, const ExcelCell &cell) {
        values << QStringLiteral("%1:%2=%3").arg(row).arg(column).arg(cell.integerValue());
    });
    return values;
}

// A cell as "type:value", its text read through the getter of its type.
QString describe(const ExcelCell &cell) {
    switch (cell.type()) {
    case String:
        return QStringLiteral("S%1:").arg(cell.stringLength()) + QString::fromLatin1(cell.string());
    case WString:
        return QStringLiteral("W%1:").arg(cell.stringLength()) +
               QString::fromUtf16(reinterpret_cast<const char16_t *>(cell.wstring()));
    case Integer:
        return QStringLiteral("I:%1").arg(cell.integerValue());
    case Double:
        return QStringLiteral("D:%1").arg(cell.doubleValue());
    default:
        return QStringLiteral("U");
    }
}

void setWide(ExcelCell &cell, const QString &text) {
    cell.setWString(reinterpret_cast<const std::uint16_t *>(text.utf16()),
                    std::size_t(text.size()));
}

} // namespace

void TestWorksheet::integerAndDoubleConversions_data() {
    QTest::addColumn<bool>("isDouble");
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("asInteger");
    QTest::addColumn<double>("asDouble");

    QTest::newRow("double 7.99 truncates") << true << 7.99 << 7 << 7.99;
    QTest::newRow("double 2.9") << true << 2.9 << 2 << 2.9;
    QTest::newRow("double -2.9 toward zero") << true << -2.9 << -2 << -2.9;
    QTest::newRow("double beyond int saturates") << true << 1e12 << 2147483647 << 1e12;
    QTest::newRow("double below int saturates") << true << -1e12 << (-2147483647 - 1) << -1e12;
    QTest::newRow("integer 5 exact") << false << 5.0 << 5 << 5.0;
    QTest::newRow("integer min exact")
        << false << -2147483648.0 << (-2147483647 - 1) << -2147483648.0;
}

void TestWorksheet::integerAndDoubleConversions() {
    QFETCH(bool, isDouble);
    QFETCH(double, stored);
    QFETCH(int, asInteger);
    QFETCH(double, asDouble);

    ExcelCell cell;
    if (isDouble)
        cell.setDouble(stored);
    else
        cell.setInteger(int(stored));
    QCOMPARE(cell.type(), isDouble ? Double : Integer);
    int i = 12345;
    double d = 0;
    QVERIFY(cell.getInteger(i));
    QVERIFY(cell.getDouble(d));
    QCOMPARE(i, asInteger);
    QCOMPARE(d, asDouble);
    QCOMPARE(cell.integerValue(), asInteger);
    QCOMPARE(cell.doubleValue(), asDouble);
    QVERIFY(!cell.string());
    QVERIFY(!cell.wstring());
}

void TestWorksheet::textsBelongToTheirType() {
    ExcelCell narrow;
    narrow.setString("M\xfcller");
    QCOMPARE(narrow.type(), String);
    QCOMPARE(narrow.stringLength(), 6);
    QCOMPARE(QByteArray(narrow.string()), QByteArray("M\xfcller"));
    QVERIFY(!narrow.wstring());
    int untouched = 99;
    QVERIFY(!narrow.getInteger(untouched));
    QCOMPARE(untouched, 99);
    QCOMPARE(narrow.integerValue(), 0);
    QCOMPARE(narrow.doubleValue(), 0.0);
    std::array<std::uint16_t, 8> wideOut{};
    QVERIFY(!narrow.getWString(wideOut.data()));

    const std::uint16_t euro[] = {0x20AC, 'x', 0};
    ExcelCell wide;
    wide.setWString(euro);
    QCOMPARE(wide.type(), WString);
    QCOMPARE(wide.stringLength(), 2);
    QVERIFY(!wide.string());
    QVERIFY(wide.getWString(wideOut.data()));
    QCOMPARE(wideOut[0], std::uint16_t(0x20AC));
    QCOMPARE(wideOut[2], std::uint16_t(0));
    std::array<char, 8> narrowOut{};
    QVERIFY(!wide.getString(narrowOut.data()));

    // A numeric value replaces the text for every getter.
    wide.setInteger(3);
    QVERIFY(!wide.wstring());
    QCOMPARE(wide.stringLength(), 0);
}

void TestWorksheet::emptyTextsLeaveTheCellUndefined() {
    ExcelCell cell;
    cell.setString("Anna");
    cell.setString("");
    QCOMPARE(cell.type(), Undefined);
    std::array<char, 4> out{};
    QVERIFY(!cell.getString(out.data()));
    const std::uint16_t empty[] = {0};
    cell.setWString(empty);
    QCOMPARE(cell.type(), Undefined);
    cell.setDouble(1.5);
    cell.clear();
    QCOMPARE(cell.type(), Undefined);
    QCOMPARE(cell.doubleValue(), 0.0);
}

void TestWorksheet::cellsKeepTheirValueWhenCopiedOrMoved_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    // Texts up to 15 bytes or 7 units are held inside the cell, longer ones
    // outside it: both sides of each boundary.
    QTest::newRow("integer") << "integer"
                             << "-7"
                             << "I:-7";
    QTest::newRow("double") << "double"
                            << "2.5"
                            << "D:2.5";
    QTest::newRow("15 bytes") << "narrow"
                              << "Anna-Lena Meier"
                              << "S15:Anna-Lena Meier";
    QTest::newRow("16 bytes") << "narrow"
                              << "Anna-Lena Meiers"
                              << "S16:Anna-Lena Meiers";
    QTest::newRow("7 units") << "wide" << QString::fromUtf16(u"Łukasz1")
                             << QString::fromUtf16(u"W7:Łukasz1");
    QTest::newRow("8 units") << "wide" << QString::fromUtf16(u"Łukasz12")
                             << QString::fromUtf16(u"W8:Łukasz12");
    QTest::newRow("shared, short")
        << "shared" << QString::fromUtf16(u"Zoë") << QString::fromUtf16(u"S3:Zoë");
    QTest::newRow("shared, 15 Latin-1") << "shared"
                                        << "Anna-Lena Meier"
                                        << "S15:Anna-Lena Meier";
    QTest::newRow("shared, 7 units")
        << "shared" << QString::fromUtf16(u"Łukasz1") << QString::fromUtf16(u"W7:Łukasz1");
    QTest::newRow("shared") << "shared" << QString::fromUtf16(u"Zoë Ångström-Weiß")
                            << QString::fromUtf16(u"W17:Zoë Ångström-Weiß");
}

void TestWorksheet::cellsKeepTheirValueWhenCopiedOrMoved() {
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    ExcelCell original;
    if (kind == QLatin1String("integer"))
        original.setInteger(value.toInt());
    else if (kind == QLatin1String("double"))
        original.setDouble(value.toDouble());
    else if (kind == QLatin1String("narrow"))
        original.setString(value.toLatin1().constData());
    else if (kind == QLatin1String("wide"))
        setWide(original, value);
    else
        original.setSharedWString(std::make_shared<const std::u16string>(value.toStdU16String()));
    QCOMPARE(describe(original), expected);

    ExcelCell copied(original);
    ExcelCell assigned;
    setWide(assigned, QStringLiteral("a text held outside the cell"));
    assigned = original;
    ExcelCell moved(std::move(copied));
    ExcelCell moveAssigned;
    moveAssigned.setSharedWString(std::make_shared<const std::u16string>(u"replaced"));
    moveAssigned = std::move(assigned);
    QCOMPARE(describe(original), expected);
    QCOMPARE(describe(moved), expected);
    QCOMPARE(describe(moveAssigned), expected);
    QCOMPARE(copied.type(), Undefined); // NOLINT(bugprone-use-after-move): moved from on purpose
    QCOMPARE(assigned.type(), Undefined);
}

void TestWorksheet::cellEnlargesTheGrid_data() {
    QTest::addColumn<quint32>("row");
    QTest::addColumn<quint32>("column");
    QTest::addColumn<bool>("found");
    QTest::addColumn<quint32>("rowsAfter");
    QTest::addColumn<quint32>("columnsAfter");

    QTest::newRow("inside") << 3u << 1u << true << 10u << 3u;
    QTest::newRow("beyond both") << 20u << 4u << true << 21u << 5u;
    QTest::newRow("wider only") << 2u << 5u << true << 10u << 6u;
    QTest::newRow("last BIFF8 row") << 65535u << 0u << true << 65536u << 3u;
    QTest::newRow("last BIFF8 column") << 0u << 255u << true << 10u << 256u;
    QTest::newRow("row beyond BIFF8") << 65536u << 0u << false << 10u << 3u;
    QTest::newRow("column beyond BIFF8") << 0u << 256u << false << 10u << 3u;
}

void TestWorksheet::cellEnlargesTheGrid() {
    QFETCH(quint32, row);
    QFETCH(quint32, column);
    QFETCH(bool, found);
    QFETCH(quint32, rowsAfter);
    QFETCH(quint32, columnsAfter);

    ExcelWorksheet sheet;
    sheet.resize(10, 3);
    ExcelCell *cell = sheet.cell(row, column);
    QCOMPARE(cell != nullptr, found);
    QCOMPARE(sheet.rowCount(), rowsAfter);
    QCOMPARE(sheet.columnCount(), columnsAfter);
    if (!found)
        return;
    QCOMPARE(cell->type(), Undefined);
    cell->setInteger(42);
    QCOMPARE(sheet.findCell(row, column)->integerValue(), 42);
    // Its neighbours inside the grid read as never written.
    QVERIFY(!sheet.findCell(row + 1, column));
    int seen = 0;
    sheet.forEachValue([&](std::uint32_t r, std::uint32_t c, const ExcelCell &value) {
        QCOMPARE(r, row);
        QCOMPARE(c, column);
        QCOMPARE(value.integerValue(), 42);
        ++seen;
    });
    QCOMPARE(seen, 1);
}

void TestWorksheet::clearCellNeverEnlarges() {
    ExcelWorksheet sheet;
    sheet.resize(10, 3);
    sheet.cell(2, 2)->setDouble(2.5);
    QVERIFY(!sheet.clearCell(10, 0));
    QVERIFY(!sheet.clearCell(0, 3));
    QCOMPARE(sheet.rowCount(), 10u);
    QCOMPARE(sheet.columnCount(), 3u);
    QVERIFY(sheet.clearCell(9, 2)); // inside the grid, never written
    QVERIFY(sheet.clearCell(2, 2));
    QCOMPARE(sheet.findCell(2, 2)->type(), Undefined);
}

void TestWorksheet::hugeAnnouncedGridCostsOnlyItsCells() {
    ExcelWorksheet sheet;
    sheet.resize(1u << 20, 1000); // beyond BIFF8: clamped
    QCOMPARE(sheet.rowCount(), 65536u);
    QCOMPARE(sheet.columnCount(), 256u);
    sheet.cell(7, 200)->setString("x");
    int values = 0;
    sheet.forEachValue([&](std::uint32_t, std::uint32_t, const ExcelCell &) { ++values; });
    QCOMPARE(values, 1);
    QVERIFY(!sheet.findCell(65535, 255));
}

// Writes (row, column, value) in the order given; later writes to the same
// cell win. `settled` settles the sheet before it is read.
void TestWorksheet::cellsReadInOrderWhateverOrderWritten_data() {
    QTest::addColumn<QList<QList<int>>>("writes");
    QTest::addColumn<bool>("settled");

    QList<QList<int>> backwards;
    for (int column = 199; column >= 0; --column)
        backwards.append({0, column, column + 1});
    QList<QList<int>> interleaved;
    for (int k = 0; k < 100; ++k)
        interleaved.append({k % 3, (k * 37) % 101, k + 1});
    QList<QList<int>> rewritten = backwards;
    for (int column = 0; column < 200; column += 7)
        rewritten.append({0, column, 1000 + column});

    QTest::newRow("in order") << QList<QList<int>>{{0, 0, 1}, {0, 5, 2}, {3, 1, 3}} << false;
    QTest::newRow("a row written backwards, read before settling") << backwards << false;
    QTest::newRow("a row written backwards, settled") << backwards << true;
    QTest::newRow("rows and columns interleaved") << interleaved << false;
    QTest::newRow("cells written again after a merge") << rewritten << false;
    QTest::newRow("cells written again, settled") << rewritten << true;
}

void TestWorksheet::cellsReadInOrderWhateverOrderWritten() {
    QFETCH(QList<QList<int>>, writes);
    QFETCH(bool, settled);

    ExcelWorksheet sheet;
    std::map<std::pair<int, int>, int> expected;
    for (const QList<int> &write : writes) {
        sheet.cell(std::uint32_t(write[0]), std::uint32_t(write[1]))->setInteger(write[2]);
        expected[{write[0], write[1]}] = write[2];
    }
    if (settled)
        sheet.settle();
    QStringList wanted;
    for (const auto &[at, value] : expected)
        wanted << QStringLiteral("%1:%2=%3").arg(at.first).arg(at.second).arg(value);
    QCOMPARE(valuesOf(sheet), wanted);
    QCOMPARE(sheet.storedCellCount(), std::uint64_t(expected.size()));
    std::vector<std::uint32_t> perColumn;
    for (const auto &[at, value] : expected) {
        perColumn.resize(std::max(perColumn.size(), std::size_t(at.second) + 1));
        ++perColumn[std::size_t(at.second)];
    }
    QVERIFY(std::ranges::equal(sheet.storedPerColumn(), perColumn));
    for (const auto &[at, value] : expected)
        QCOMPARE(sheet.findCell(std::uint32_t(at.first), std::uint32_t(at.second))->integerValue(),
                 value);
    int inColumn = 0;
    sheet.forEachValueInColumn(0, [&](std::uint32_t row, const ExcelCell &cell) {
        QCOMPARE(cell.integerValue(), expected.at({int(row), 0}));
        ++inColumn;
    });
    QCOMPARE(inColumn, int(std::count_if(expected.begin(), expected.end(), [](const auto &entry) {
                 return entry.first.second == 0;
             })));
}

QTEST_APPLESS_MAIN(TestWorksheet)
#include "test_worksheet.moc"
