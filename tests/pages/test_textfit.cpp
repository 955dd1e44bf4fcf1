#include "pages/TextFit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

namespace {
constexpr int dotsPerInch = 300;
constexpr qreal dotsPerMm = dotsPerInch / 25.4;

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT

private slots:
    void staysInsideItsBox_data();
    void staysInsideItsBox();
};

void TestTextFit::staysInsideItsBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QSizeF>("boxMm");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("size"); // "chosen", "smaller" or "smallest"

    QTest::newRow("short name keeps the chosen size")
        << QStringLiteral("Anna") << qreal(12) << QSizeF(60, 20) << 1 << QStringLiteral("chosen");
    QTest::newRow("long name on a narrow label is set smaller")
        << QStringLiteral("Alexandra Müller-Lüdenscheidt") << qreal(14) << QSizeF(35, 18) << 1
        << QStringLiteral("smaller");
    QTest::newRow("a low label limits the size too")
        << QStringLiteral("Anna") << qreal(36) << QSizeF(60, 5) << 1 << QStringLiteral("smaller");
    QTest::newRow("too long at 6 pt: two lines")
        << QStringLiteral("Maximilian Alexander Friedrich von Hohenzollern-Sigmaringen")
        << qreal(12) << QSizeF(40, 18) << 2 << QStringLiteral("smaller");
    QTest::newRow("one endless word breaks mid-word")
        << QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänswitwe") << qreal(12)
        << QSizeF(36, 18) << 2 << QStringLiteral("smaller");
    QTest::newRow("a character outside the BMP at the middle stays whole")
        << QString(24, u'A') + QString::fromUtf8("\xF0\x9F\x98\x80") + QString(24, u'B')
        << qreal(12) << QSizeF(45, 18) << 2 << QStringLiteral("smaller");
    QTest::newRow("a cell's line break is a line of the label")
        << QStringLiteral("Anna\nSchmidt") << qreal(12) << QSizeF(60, 20) << 2
        << QStringLiteral("chosen");
    QTest::newRow("no room even so: cut short, never wider")
        << QString(QStringLiteral("Wolfgang ")).repeated(12) << qreal(12) << QSizeF(30, 3) << 1
        << QStringLiteral("smallest");
    QTest::newRow("empty name") << QString() << qreal(10) << QSizeF(30, 10) << 1
                                << QStringLiteral("chosen");
}

void TestTextFit::staysInsideItsBox() {
    QFETCH(QString, text);
    QFETCH(qreal, points);
    QFETCH(QSizeF, boxMm);
    QFETCH(int, lines);
    QFETCH(QString, size);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    device.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    const QSizeF box = boxMm * dotsPerMm;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    const FittedText fitted = fitText({text}, font, box, smallestFittingPointSize, &device);
    QCOMPARE(fitted.fonts.size(), fitted.lines.size());
    const QFont fittedFont = fitted.fonts.first();

    QCOMPARE(fitted.lines.size(), lines);
    // Measured again on the device: every line within the box's width, all
    // lines within its height.
    const QFontMetricsF metrics(fittedFont, &device);
    for (const QString &line : fitted.lines) {
        QVERIFY2(metrics.horizontalAdvance(line) <= box.width(),
                 qPrintable(QStringLiteral("%1 wider than %2").arg(line).arg(box.width())));
        // A break between the halves of a surrogate pair prints two U+FFFD.
        QVERIFY(line.isEmpty() ||
                (!line.back().isHighSurrogate() && !line.front().isLowSurrogate()));
    }
    if (size != QLatin1String("smallest"))
        QVERIFY(metrics.height() * fitted.lines.size() <= box.height());
    if (size == QLatin1String("chosen"))
        QCOMPARE(fittedFont.pointSizeF(), points);
    else if (size == QLatin1String("smaller"))
        QVERIFY(fittedFont.pointSizeF() < points &&
                fittedFont.pointSizeF() >= smallestFittingPointSize);
    else
        QCOMPARE(fittedFont.pointSizeF(), smallestFittingPointSize);
    QCOMPARE(fittedFont.family(), font.family());
    // Nothing of the name is lost unless it had to be cut short.
    if (size != QLatin1String("smallest"))
        QCOMPARE(fitted.lines.join(QString()).remove(QLatin1Char(' ')),
                 QString(text).remove(QLatin1Char(' ')).remove(QLatin1Char('\n')));
    else
        QVERIFY(fitted.lines.first().endsWith(QChar(0x2026)));
}

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
