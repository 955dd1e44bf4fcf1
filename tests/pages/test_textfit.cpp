#include "pages/LabelJob.h"
#include "pages/TextFit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
constexpr int dotsPerInch = 300;
constexpr qreal dotsPerMm = dotsPerInch / 25.4;

// A page of the job at scale pixels per millimetre, as the screen shows it.
QImage drawn(const LabelJob &job, qreal scale) {
    QImage image((sheetSizeMm * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    job.drawPage(painter, 0, scale, LabelJob::Medium::Screen);
    return image;
}

// Short and long names, one of them with a line under it.
LabelJob badgeJob() {
    LabelJob job;
    job.setGrid(PageLayout::forLabelSize(70, 30));
    job.setFont(QFont(QStringLiteral("Arial"), 14));
    LabelMap labels;
    labels.insert(QStringLiteral("Anna"), 2);
    labels.insert(QStringLiteral("Maximilian Alexander Friedrich von Hohenzollern"), 1);
    labels.insert(QStringLiteral("Bert Schmidt"), 1, {QStringLiteral("Stadtwerke Nord")});
    job.setLabels(labels);
    return job;
}
} // namespace

class TestTextFit : public QObject {
    Q_OBJECT

private slots:
    void staysInsideItsBox_data();
    void staysInsideItsBox();
    void repaintFitsOnlyWhatChanged_data();
    void repaintFitsOnlyWhatChanged();
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
    for (const QString &line : fitted.lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= box.width(),
                 qPrintable(QStringLiteral("%1 wider than %2").arg(line).arg(box.width())));
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
                 QString(text).remove(QLatin1Char(' ')));
    else
        QVERIFY(fitted.lines.first().endsWith(QChar(0x2026)));
}

void TestTextFit::repaintFitsOnlyWhatChanged_data() {
    QTest::addColumn<qreal>("firstScale");
    QTest::addColumn<qreal>("secondScale");
    QTest::addColumn<bool>("fitsAgain");
    QTest::newRow("the same scale again") << qreal(2) << qreal(2) << false;
    QTest::newRow("zoomed in") << qreal(2) << qreal(3) << true;
    QTest::newRow("zoomed out") << qreal(3) << qreal(1.5) << true;
}

void TestTextFit::repaintFitsOnlyWhatChanged() {
    QFETCH(qreal, firstScale);
    QFETCH(qreal, secondScale);
    QFETCH(bool, fitsAgain);
    const LabelJob job = badgeJob();
    drawn(job, firstScale);
    const qsizetype fittedFirst = job.fittingsMade();
    // Four labels, three texts: the name printed twice is fitted once.
    QCOMPARE(fittedFirst, 3);
    const QImage again = drawn(job, secondScale);
    QCOMPARE(job.fittingsMade() > fittedFirst, fitsAgain);
    // Kept or fitted anew, the page looks as a job that never drew it draws it.
    QCOMPARE(again, drawn(badgeJob(), secondScale));
}

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
