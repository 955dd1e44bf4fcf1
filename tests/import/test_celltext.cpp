#include "import/CellText.h"
#include "import/CellTextCache.h"
#include "xls/model/ExcelCell.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

// Numbers are formatted without QString::number for speed; the texts must be
// exactly the ones it makes, except that whole numbers within 32 bits read as
// the integer they are.
static QString asQtWritesIt(double value) {
    if (value == std::trunc(value) && value >= -2147483648.0 && value <= 2147483647.0)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 6);
}

class TestCellText : public QObject {
    Q_OBJECT

private slots:
    void numbersAsQtWritesThem_data();
    void numbersAsQtWritesThem();
    void randomNumbersAsQtWritesThem();
    void textsAndEmptyCells();
    void cacheGivesTheSameTexts();
};

void TestCellText::numbersAsQtWritesThem_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5") << 2.5 << "2.5";
    QTest::newRow("3.0") << 3.0 << "3";
    QTest::newRow("whole 1234567 as integer") << 1234567.0 << "1234567";
    QTest::newRow("whole int32 maximum") << 2147483647.0 << "2147483647";
    QTest::newRow("whole int32 minimum") << -2147483648.0 << "-2147483648";
    QTest::newRow("whole, one past int32") << 2147483648.0 << "2.14748e+09";
    QTest::newRow("whole, one below int32") << -2147483649.0 << "-2.14748e+09";
    QTest::newRow("-0.0") << -0.0 << "0";
    QTest::newRow("tie 123456.5 away from zero") << 123456.5 << "123457";
    QTest::newRow("tie -123456.5 away from zero") << -123456.5 << "-123457";
    QTest::newRow("tie 12345.25") << 12345.25 << "12345.3";
    QTest::newRow("0.1234565 lies below the tie in binary") << 0.1234565 << "0.123456";
    QTest::newRow("10000005.5 past int digits") << 10000005.5 << "1e+07";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "nan";
    QTest::newRow("NaN with the sign bit")
        << std::copysign(std::numeric_limits<double>::quiet_NaN(), -1.0) << "nan";
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << "-inf";
    QTest::newRow("0.1") << 0.1 << "0.1";
    QTest::newRow("12.34") << 12.34 << "12.34";
    QTest::newRow("100000") << 100000.0 << "100000";
    QTest::newRow("999999.5 rounds up") << 999999.5 << "1e+06";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("0.00001") << 0.00001 << "1e-05";
    QTest::newRow("-0.5") << -0.5 << "-0.5";
    QTest::newRow("1e300") << 1e300 << "1e+300";
    QTest::newRow("smallest denormal")
        << std::numeric_limits<double>::denorm_min() << "4.94066e-324";
}

void TestCellText::numbersAsQtWritesThem() {
    QFETCH(double, value);
    QFETCH(QString, text);
    ExcelCell cell;
    cell.setDouble(value);
    QCOMPARE(cellText(cell), text);
    QCOMPARE(cellText(cell), asQtWritesIt(value));
}

void TestCellText::randomNumbersAsQtWritesThem() {
    QRandomGenerator random(20261208);
    ExcelCell cell;
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, random.bounded(-12, 16));
        const double value = (random.generateDouble() - 0.5) * magnitude;
        cell.setDouble(value);
        QCOMPARE(cellText(cell), asQtWritesIt(value));
        // Binary fractions with few digits hit decimal ties.
        const double dyadic =
            std::ldexp(double(random.bounded(1, 1 << 24)), -random.bounded(1, 12));
        cell.setDouble(dyadic);
        QCOMPARE(cellText(cell), asQtWritesIt(dyadic));
        const int integer = int(random.generate());
        cell.setInteger(integer);
        QCOMPARE(cellText(cell), QString::number(integer, 10));
    }
    for (int integer : {0, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        cell.setInteger(integer);
        QCOMPARE(cellText(cell), QString::number(integer, 10));
    }
}

void TestCellText::textsAndEmptyCells() {
    ExcelCell cell;
    QVERIFY(cellText(cell).isNull());
    cell.setString("Stra\xdf"
                   "e");
    QCOMPARE(cellText(cell), QString::fromUtf8("Straße"));
    const std::uint16_t euro[] = {0x20AC, 0xD83D, 0xDE00, 0};
    cell.setWString(euro);
    QCOMPARE(cellText(cell), QString::fromUtf8("€😀"));
}

void TestCellText::cacheGivesTheSameTexts() {
    // Values that repeat, values that collide in the cache's slots, and equal
    // texts of different types: the cache must never hand out another text.
    QRandomGenerator random(7);
    CellTextCache cache;
    const std::uint16_t wide[] = {'1', 0};
    for (int i = 0; i < 100000; ++i) {
        ExcelCell cell;
        const int value = int(random.bounded(20000)) - 100;
        switch (random.bounded(5)) {
        case 0:
            cell.setInteger(value);
            break;
        case 1:
            cell.setDouble(value / 4.0);
            break;
        case 2:
            cell.setString(QByteArray::number(value).constData());
            break;
        case 3:
            cell.setWString(wide);
            break;
        default:
            cell.setString(
                QByteArray("Name-\xe4-").append(QByteArray::number(value % 50)).constData());
        }
        const QString cached = cache.text(cell);
        QCOMPARE(cached, cellText(cell));
    }
    QVERIFY(cache.text(ExcelCell()).isNull());
}

QTEST_APPLESS_MAIN(TestCellText)
#include "test_celltext.moc"
