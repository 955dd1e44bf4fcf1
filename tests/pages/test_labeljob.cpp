#include "pages/LabelJob.h"
#include "pages/LabelSheetCatalogue.h"

#include "PdfLabels.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QSet>
#include <QTest>

namespace {
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
using Entries = QList<std::pair<QString, int>>;

// A screen that keeps where each run of text is drawn instead of painting it.
class TextRecorder : public QPaintEngine {
public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &at, const QTextItem &) override { baselines.insert(at.y()); }
    Type type() const override { return QPaintEngine::User; }
    QSet<qreal> baselines;
};

class RecordingScreen : public QPaintDevice {
public:
    QPaintEngine *paintEngine() const override { return &recorder; }
    mutable TextRecorder recorder;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return 300;
        case PdmHeight:
            return 400;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 1;
        }
    }
};

// The lines a PDF page prints: its words' tops, half a millimetre apart at least.
int printedLines(const pdflabels::Page &page) {
    QList<qreal> tops;
    for (const pdflabels::Word &word : page.words)
        if (std::none_of(tops.cbegin(), tops.cend(),
                         [&](qreal top) { return qAbs(top - word.boxMm.top()) < 0.5; }))
            tops << word.boxMm.top();
    return int(tops.size());
}
} // namespace

Q_DECLARE_METATYPE(Entries)

class TestLabelJob : public QObject {
    Q_OBJECT

private slots:
    void labelsOfAPage_data();
    void labelsOfAPage();
    void repaintFitsOnlyWhatChanged_data();
    void repaintFitsOnlyWhatChanged();
    void wholePageShowsThePrintedLines_data();
    void wholePageShowsThePrintedLines();
};

void TestLabelJob::labelsOfAPage_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("start"); // slot, from 0
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("names");
    // L7160: 21 labels a page.
    QTest::newRow("from the first slot")
        << Entries{{"Anna", 2}, {"Bert", 1}} << 0 << 1 << 0 << QStringList{"Anna", "Anna", "Bert"};
    QTest::newRow("from the last slot: one label on page 1")
        << Entries{{"Anna", 2}, {"Bert", 1}} << 20 << 2 << 0 << QStringList{"Anna"};
    QTest::newRow("from the last slot: the rest on page 2")
        << Entries{{"Anna", 2}, {"Bert", 1}} << 20 << 2 << 1 << QStringList{"Anna", "Bert"};
    QTest::newRow("a start past the page is its last slot")
        << Entries{{"Anna", 2}} << 99 << 2 << 1 << QStringList{"Anna"};
    QTest::newRow("names without copies take no slot")
        << Entries{{"Anna", 0}, {"Bert", 22}} << 0 << 2 << 1 << QStringList{"Bert"};
    QTest::newRow("past the last page: none")
        << Entries{{"Anna", 1}} << 0 << 1 << 1 << QStringList{};
}

void TestLabelJob::labelsOfAPage() {
    QFETCH(Entries, entries);
    QFETCH(int, start);
    QFETCH(int, pages);
    QFETCH(int, page);
    QFETCH(QStringList, names);
    LabelJob job;
    LabelMap labels;
    for (const auto &[name, quantity] : entries)
        labels.insert(name, quantity);
    job.setLabels(labels);
    job.setStartSlot(5);
    job.setChosenSheet(*LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L7160")));
    // Another sheet starts at its first slot again.
    QCOMPARE(job.startSlot(), 0);
    job.setStartSlot(start);
    QCOMPARE(job.pageCount(), pages);
    QStringList shown;
    for (const QStringList &lines : job.labelsOnPage(page))
        shown << lines.first();
    QCOMPARE(shown, names);
}

void TestLabelJob::repaintFitsOnlyWhatChanged_data() {
    QTest::addColumn<qreal>("firstScale");
    QTest::addColumn<qreal>("secondScale");
    QTest::addColumn<bool>("fitsAgain");
    QTest::newRow("the same scale again") << qreal(2) << qreal(2) << false;
    // Fitted in paper units, whatever the zoom: a zoom only scales the picture.
    QTest::newRow("zoomed in") << qreal(2) << qreal(3) << false;
    QTest::newRow("zoomed out") << qreal(3) << qreal(1.5) << false;
}

void TestLabelJob::repaintFitsOnlyWhatChanged() {
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

// The preview at "Ganze Seite" (about a pixel per millimetre) breaks a name
// into as many lines as the PDF prints.
void TestLabelJob::wholePageShowsThePrintedLines_data() {
    QTest::addColumn<QSize>("labelMm");
    QTest::addColumn<int>("lines");
    QTest::newRow("one line at 7.5 pt") << QSize(70, 8) << 1;
    QTest::newRow("broken in two") << QSize(40, 12) << 2;
}

void TestLabelJob::wholePageShowsThePrintedLines() {
    QFETCH(QSize, labelMm);
    QFETCH(int, lines);
    LabelJob job;
    job.setGrid(PageLayout::forLabelSize(labelMm.width(), labelMm.height()));
    job.setFont(QFont(QStringLiteral("DejaVu Sans"), 7.5));
    LabelMap labels;
    labels.insert(QString::fromUtf8("Maria-Theresia von Hohenlohe-Schillingsfürst"), 1);
    job.setLabels(labels);

    std::int64_t printed = 0;
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::printAndRead(
        [&](QPrinter &printer) { return job.print(printer, 0, 0, QPointF()); }, &printed, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(printed, 1);
    QCOMPARE(printedLines(pages.first()), lines);

    for (const qreal scale : {0.9, 1.3, 3.8}) {
        RecordingScreen screen;
        QPainter painter(&screen);
        job.drawPage(painter, 0, scale, LabelJob::Medium::Screen);
        painter.end();
        QCOMPARE(int(screen.recorder.baselines.size()), lines);
    }
}

QTEST_MAIN(TestLabelJob)
#include "test_labeljob.moc"
