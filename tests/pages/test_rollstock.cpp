#include "pages/LabelJob.h"
#include "pages/LabelSheetCatalogue.h"

#include "PdfLabels.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
// PDF pages are whole points: a page may miss the label by half a point.
constexpr double pageToleranceMm = 0.2;
// How far a printed name's centre may lie from its label's centre.
constexpr double centreToleranceMm = 0.5;

const QString longName = QStringLiteral("Maximilian Alexander Friedrich von Hohenzollern");

// The names in print order: Anna twice, then the others.
const QStringList printedNames{QStringLiteral("Anna Beispiel"), QStringLiteral("Anna Beispiel"),
                               QStringLiteral("Bernd Muster"), longName};

LabelMap names() {
    LabelMap labels;
    labels.insert(QStringLiteral("Anna Beispiel"), 2);
    labels.insert(QStringLiteral("Bernd Muster"), 1);
    labels.insert(longName, 1);
    return labels;
}

} // namespace

class TestRollStock : public QObject {
    Q_OBJECT

private slots:
    void printsOneLabelPerPageOfTheLabelsSize_data();
    void printsOneLabelPerPageOfTheLabelsSize();
};

void TestRollStock::printsOneLabelPerPageOfTheLabelsSize_data() {
    QTest::addColumn<QString>("stock");
    QTest::addColumn<int>("turn");          // -1 as the catalogue has it, 0 upright, 1 turned
    QTest::addColumn<double>("tapeLength"); // 0: the catalogue's
    QTest::addColumn<QSizeF>("pageMm");
    QTest::addColumn<bool>("readsAcross"); // the lines run down the page

    QTest::newRow("die-cut 62 x 100 upright")
        << "DK-11202" << -1 << 0.0 << QSizeF(62, 100) << false;
    QTest::newRow("die-cut 29 x 90 turned by the catalogue")
        << "DK-11201" << -1 << 0.0 << QSizeF(29, 90) << true;
    QTest::newRow("die-cut 62 x 100 turned by the user")
        << "DK-11202" << 1 << 0.0 << QSizeF(62, 100) << true;
    QTest::newRow("die-cut 57 x 32, a page wider than long")
        << "11354" << -1 << 0.0 << QSizeF(57, 32) << false;
    QTest::newRow("continuous 62 mm, 100 mm by default")
        << "DK-22205" << -1 << 0.0 << QSizeF(62, 100) << false;
    QTest::newRow("continuous 62 mm cut to 150 mm")
        << "DK-22205" << -1 << 150.0 << QSizeF(62, 150) << false;
    QTest::newRow("continuous 62 mm cut to 40 mm and turned")
        << "DK-22205" << 1 << 40.0 << QSizeF(62, 40) << true;
}

void TestRollStock::printsOneLabelPerPageOfTheLabelsSize() {
    QFETCH(QString, stock);
    QFETCH(int, turn);
    QFETCH(double, tapeLength);
    QFETCH(QSizeF, pageMm);
    QFETCH(bool, readsAcross);
    const LabelSheet *known = LabelSheetCatalogue::builtIn().findCode(stock);
    QVERIFY(known && known->isRoll());
    LabelSheet roll = tapeLength > 0 ? known->withTapeLength(tapeLength) : *known;
    if (turn >= 0)
        roll.turned = turn == 1;

    LabelJob job;
    job.setChosenSheet(roll);
    job.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    job.setLabels(names());
    QCOMPARE(job.pageCount(), printedNames.size());
    // The writer starts on A4: the job sets the roll's page.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("roll.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QCOMPARE(job.print(pdf, 0, job.pageCount() - 1, QPointF()), printedNames.size());
    }

    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(pages.size(), printedNames.size());
    // Where the printer prints, on the page as it is fed.
    const QRectF printable =
        QRectF(QPointF(), pageMm)
            .marginsRemoved(QMarginsF(roll.unprintableAcross, roll.unprintableAlong,
                                      roll.unprintableAcross, roll.unprintableAlong));
    for (qsizetype page = 0; page < pages.size(); ++page) {
        const QSizeF size = pages[page].sizeMm;
        QVERIFY2(std::abs(size.width() - pageMm.width()) <= pageToleranceMm &&
                     std::abs(size.height() - pageMm.height()) <= pageToleranceMm,
                 qPrintable(QStringLiteral("page %1 is %2 x %3 mm")
                                .arg(page)
                                .arg(size.width())
                                .arg(size.height())));
        const auto words =
            pdflabels::labelWords(pages[page], LabelSheet::roll(size.width(), size.height()));
        QVERIFY2(!words.contains(-1), qPrintable("off the page: " + words[-1].text));
        // The words of the name, whichever way its lines run down or across.
        QStringList printed =
            words.value(0).text.normalized(QString::NormalizationForm_KC).split(QLatin1Char(' '));
        QStringList expected = printedNames[page].split(QLatin1Char(' '));
        printed.sort();
        expected.sort();
        QCOMPARE(printed, expected);
        const QRectF box = words.value(0).boxMm;
        QVERIFY2(printable.contains(box), qPrintable(pdflabels::describe(box)));
        if (printedNames[page] == longName)
            continue; // fitted into the width: its height says nothing of its direction
        // A line is longer than high: its long side shows the direction it runs.
        QCOMPARE(box.height() > box.width(), readsAcross);
        const QPointF centre = QRectF(QPointF(), size).center();
        QVERIFY2(std::abs(box.center().x() - centre.x()) <= centreToleranceMm &&
                     std::abs(box.center().y() - centre.y()) <= centreToleranceMm,
                 qPrintable(pdflabels::describe(box)));
    }
}

QTEST_MAIN(TestRollStock)
#include "test_rollstock.moc"
