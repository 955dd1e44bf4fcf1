#include "import/CellText.h"
#include "import/CellTextCache.h"
#include "xls/model/ExcelCell.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <limits>

// Numbers are formatted without snprintf for speed; the texts must be exactly
// the ones "%.15g" makes, except that -0 reads "0" and NaN "nan".
static QString asPrintfWritesIt(double value) {
    if (value == 0.0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("nan");
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return QString::fromLatin1(text);
}

class TestCellText : public QObject {
    Q_OBJECT

private slots:
    void numbersAsWritten_data();
    void numbersAsWritten();
    void randomNumbersAsPrintfWritesThem();
    void textsAndEmptyCells();
    void cacheGivesTheSameTexts_data();
    void cacheGivesTheSameTexts();
};

void TestCellText::numbersAsWritten_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5") << 2.5 << "2.5";
    QTest::newRow("3.0") << 3.0 << "3";
    QTest::newRow("customer number 12345678901") << 12345678901.0 << "12345678901";
    QTest::newRow("phone number 4930123456") << 4930123456.0 << "4930123456";
    QTest::newRow("-4930123456") << -4930123456.0 << "-4930123456";
    QTest::newRow("213652.5 keeps its half") << 213652.5 << "213652.5";
    QTest::newRow("whole 10^15 - 1 as digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("whole 10^15 with an exponent") << 1e15 << "1e+15";
    QTest::newRow("whole 10^16") << 1e16 << "1e+16";
    QTest::newRow("whole -10^15") << -1e15 << "-1e+15";
    QTest::newRow("-0.0 as a spreadsheet shows it") << -0.0 << "0";
    QTest::newRow("0.1 + 0.2 within 15 digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("1/3 to 15 digits") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("12.34") << 12.34 << "12.34";
    QTest::newRow("0.0001") << 0.0001 << "0.0001";
    QTest::newRow("0.00001") << 0.00001 << "1e-05";
    QTest::newRow("1e300") << 1e300 << "1e+300";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "nan";
    QTest::newRow("NaN with the sign bit")
        << std::copysign(std::numeric_limits<double>::quiet_NaN(), -1.0) << "nan";
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << "-inf";
    QTest::newRow("smallest denormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247e-324";
}

void TestCellText::numbersAsWritten() {
    QFETCH(double, value);
    QFETCH(QString, text);
    ExcelCell cell;
    cell.setDouble(value);
    QCOMPARE(cellText(cell), text);
}

void TestCellText::randomNumbersAsPrintfWritesThem() {
    QRandomGenerator random(20261208);
    ExcelCell cell;
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, random.bounded(-12, 19));
        const double value = (random.generateDouble() - 0.5) * magnitude;
        cell.setDouble(value);
        QCOMPARE(cellText(cell), asPrintfWritesIt(value));
        cell.setDouble(std::round(value));
        QCOMPARE(cellText(cell), asPrintfWritesIt(std::round(value)));
        // Prices and shares: few digits, written without an exponent or with one.
        const double cents = std::round(value * 100) / 100;
        cell.setDouble(cents);
        QCOMPARE(cellText(cell), asPrintfWritesIt(cents));
        const double shortOne =
            double(random.bounded(1, 99999)) * std::pow(10.0, random.bounded(-20, 20));
        cell.setDouble(shortOne);
        QCOMPARE(cellText(cell), asPrintfWritesIt(shortOne));
        // Binary fractions with few digits hit decimal ties.
        const double dyadic =
            std::ldexp(double(random.bounded(1, 1 << 24)), -random.bounded(1, 12));
        cell.setDouble(dyadic);
        QCOMPARE(cellText(cell), asPrintfWritesIt(dyadic));
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

// Columns one after another, each of values drawn from `spread` different
// ones: values that repeat, values that collide in the cache's slots, and
// equal texts of different types (a spread of 0: numbers and texts of
// numbers, seldom repeating). The cache must never hand out another text,
// and is left out for a column whose values hardly repeat.
void TestCellText::cacheGivesTheSameTexts_data() {
    QTest::addColumn<QList<int>>("spreads");
    QTest::addColumn<QList<bool>>("used");
    QTest::newRow("a column of few values") << QList<int>{50} << QList<bool>{true};
    QTest::newRow("a column of values that seldom repeat") << QList<int>{0} << QList<bool>{false};
    QTest::newRow("few, seldom repeating, then few again")
        << QList<int>{60, 0, 40} << QList<bool>{true, false, true};
}

void TestCellText::cacheGivesTheSameTexts() {
    QFETCH(QList<int>, spreads);
    QFETCH(QList<bool>, used);
    QRandomGenerator random(7);
    CellTextCache cache;
    const std::uint16_t wide[] = {'1', 0};
    for (qsizetype column = 0; column < spreads.size(); ++column) {
        cache.startColumn();
        for (int i = 0; i < 20000; ++i) {
            ExcelCell cell;
            const bool unique = spreads[column] == 0;
            const int value = int(random.bounded(unique ? 1 << 30 : spreads[column])) - 100;
            switch (random.bounded(unique ? 3 : 5)) {
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
        QCOMPARE(cache.isUsed(), used[column]);
    }
    QVERIFY(cache.text(ExcelCell()).isNull());
}

QTEST_APPLESS_MAIN(TestCellText)
#include "test_celltext.moc"
