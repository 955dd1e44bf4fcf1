#include "PdfLabels.h"
#include "pages/QPagePreview.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Entries = QList<std::pair<QString, int>>;

const QColor background(0, 100, 0);
const QColor yellow(Qt::yellow);
const QColor white(Qt::white);

LabelMap labelsOf(const Entries &entries) {
    LabelMap labels;
    for (const auto &[name, quantity] : entries)
        labels.insert(name, quantity);
    return labels;
}

// Name01 to Name30, two copies each: 60 labels.
Entries thirtyPairs() {
    Entries entries;
    for (int i = 1; i <= 30; ++i)
        entries.append({QStringLiteral("Name%1").arg(i, 2, 10, QLatin1Char('0')), 2});
    return entries;
}

// The label sequence written out, copy by copy.
QStringList sequenceOf(const Entries &entries) {
    QStringList names;
    for (const auto &[name, quantity] : entries)
        for (int i = 0; i < quantity; ++i)
            names << name;
    return names;
}

// The preview drawn on a coloured ground, so the sheet stands out.
QImage render(QPagePreview &preview, QSize size) {
    preview.resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    preview.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Where the sheet's top-left corner lies in the widget: centred, one pixel per mm.
QPointF sheetOrigin(QSize size) {
    return QPointF(size.width() / 2 - 105.0, size.height() / 2 - 148.5);
}

// Whether a black pixel lies within a pixel of the point (lines on half pixels
// may fall on either side).
bool blackNear(const QImage &image, QPointF point) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p(qFloor(point.x()) + dx, qFloor(point.y()) + dy);
            if (image.rect().contains(p) && image.pixelColor(p) == QColor(Qt::black))
                return true;
        }
    return false;
}

// A label frame shows by its right and bottom edges, which no earlier label shares.
bool frameAt(const QImage &image, QPointF origin, QRect labelMm) {
    const QPointF rightMiddle(labelMm.right() + 1, labelMm.center().y());
    const QPointF bottomMiddle(labelMm.center().x(), labelMm.bottom() + 1);
    return blackNear(image, origin + rightMiddle) && blackNear(image, origin + bottomMiddle);
}

bool noFrameAt(const QImage &image, QPointF origin, QRect labelMm) {
    const QPointF rightMiddle(labelMm.right() + 1, labelMm.center().y());
    const QPointF bottomMiddle(labelMm.center().x(), labelMm.bottom() + 1);
    return !blackNear(image, origin + rightMiddle) && !blackNear(image, origin + bottomMiddle);
}

// The fill of a label, sampled inside its top-left corner, clear of the text.
QColor fillOf(const QImage &image, QPointF origin, QRect labelMm) {
    return image.pixelColor((origin + QPointF(labelMm.left() + 3, labelMm.top() + 3)).toPoint());
}

QString describe(QRect rect) {
    return QStringLiteral("label at (%1, %2) mm").arg(rect.left()).arg(rect.top());
}

} // namespace

Q_DECLARE_METATYPE(Entries)

class TestPagePreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startValues();
    void sheetIsCentred_data();
    void sheetIsCentred();
    void labelFramesAtMillimetrePositions_data();
    void labelFramesAtMillimetrePositions();
    void searchMatchesAreYellowInAnyCase_data();
    void searchMatchesAreYellowInAnyCase();
    void searchTurnsToThePageOfTheFirstMatch();
    void searchWithoutMatchKeepsThePage();
    void pagesTurnWithinBounds();
    void newLabelsShowTheFirstPage();
    void previewPointSize_data();
    void previewPointSize();
    void noLabelRow_data();
    void noLabelRow();
    void noLabelRowPrintingTellsTheUser();

    void printsEachNameInItsLabel_data();
    void printsEachNameInItsLabel();
    void printsAMillionCopiesPageByArithmetic();
    void printDialogPresetRunsFromPageShown_data();
    void printDialogPresetRunsFromPageShown();

private:
    // Prints pages to a PDF file and reads back the text of each label slot.
    QList<QMap<std::int64_t, QString>> printAndRead(QPrinter::PrinterMode mode, int firstPage,
                                                    int lastPage, qint64 *printed);

    QPagePreview *preview = nullptr;
};

void TestPagePreview::init() {
    preview = new QPagePreview;
    preview->setLabelDimensions(100, 10);
    preview->labelFont = QFont(QStringLiteral("Arial"), 10);
}

void TestPagePreview::cleanup() {
    delete preview;
    preview = nullptr;
}

void TestPagePreview::startValues() {
    QPagePreview fresh;
    QCOMPARE(fresh.labelWidth, -1);
    QCOMPARE(fresh.labelHeight, -1);
    QCOMPARE(fresh.labelsPerPage, 0);
    QVERIFY(fresh.gridRect.isNull());
    QVERIFY(fresh.labels.isEmpty());
    QCOMPARE(fresh.currentPage, 0);
    QCOMPARE(fresh.lastPageIndex(), 0);
    // Before any size is set, the sheet is drawn and no label.
    fresh.labels.insert("Anna", 3);
    QPainter painter;
    QImage image(300, 400, QImage::Format_RGB32);
    painter.begin(&image);
    QCOMPARE(fresh.drawLabelPage(painter, 0, 1.0, fresh.labelFont, true), 0);
    painter.end();
}

void TestPagePreview::sheetIsCentred_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger than the sheet") << QSize(300, 400);
    QTest::newRow("odd size") << QSize(301, 401);
    QTest::newRow("minimum size: cut at top and bottom") << QSize(220, 290);
    QTest::newRow("narrower than the sheet") << QSize(150, 400);
}

void TestPagePreview::sheetIsCentred() {
    QFETCH(QSize, size);
    const QImage image = render(*preview, size);
    const QPointF origin = sheetOrigin(size);
    QVERIFY2(image.pixelColor((origin + QPointF(105, 148)).toPoint()) == white,
             "the sheet's middle is not white");
    const QPoint leftOfSheet = (origin + QPointF(-2, 148)).toPoint();
    if (image.rect().contains(leftOfSheet)) {
        QCOMPARE(image.pixelColor(leftOfSheet), background);
        QVERIFY2(blackNear(image, origin + QPointF(0, 148)), "no outline at the sheet's left edge");
    }
    const QPoint belowSheet = (origin + QPointF(105, 299)).toPoint();
    if (image.rect().contains(belowSheet)) {
        QCOMPARE(image.pixelColor(belowSheet), background);
        QVERIFY2(blackNear(image, origin + QPointF(105, 297)), "no outline at the sheet's bottom");
    }
    const QPoint rightOfSheet = (origin + QPointF(212, 148)).toPoint();
    if (image.rect().contains(rightOfSheet))
        QCOMPARE(image.pixelColor(rightOfSheet), background);
}

void TestPagePreview::labelFramesAtMillimetrePositions_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QList<QRect>>("framed");
    QTest::addColumn<QList<QRect>>("empty");

    QTest::newRow("default: three copies")
        << 100 << 10 << Entries{{"Anna", 3}}
        << QList<QRect>{{5, 8, 100, 10}, {105, 8, 100, 10}, {5, 18, 100, 10}}
        << QList<QRect>{{105, 18, 100, 10}, {5, 28, 100, 10}};
    QTest::newRow("default: full page ends at the grid's corner")
        << 100 << 10 << Entries{{"Anna", 60}}
        << QList<QRect>{{5, 278, 100, 10}, {105, 278, 100, 10}} << QList<QRect>{};
    QTest::newRow("150 x 99: one column of two rows")
        << 150 << 99 << Entries{{"Anna", 1}, {"Bert", 5}}
        << QList<QRect>{{30, 49, 150, 99}, {30, 148, 150, 99}} << QList<QRect>{};
    QTest::newRow("60 x 40: three columns from (15, 28)")
        << 60 << 40 << Entries{{"A", 4}}
        << QList<QRect>{{15, 28, 60, 40}, {75, 28, 60, 40}, {135, 28, 60, 40}, {15, 68, 60, 40}}
        << QList<QRect>{{75, 68, 60, 40}};
    QTest::newRow("no copies") << 100 << 10 << Entries{{"Anna", -2}} << QList<QRect>{}
                               << QList<QRect>{{5, 8, 100, 10}};
}

void TestPagePreview::labelFramesAtMillimetrePositions() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Entries, entries);
    QFETCH(QList<QRect>, framed);
    QFETCH(QList<QRect>, empty);

    preview->setLabelDimensions(width, height);
    preview->setLabels(labelsOf(entries));
    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const QPointF origin = sheetOrigin(size);
    for (const QRect &label : framed) {
        QVERIFY2(frameAt(image, origin, label), qPrintable("no frame for the " + describe(label)));
        QCOMPARE(fillOf(image, origin, label), white);
    }
    for (const QRect &label : empty)
        QVERIFY2(noFrameAt(image, origin, label),
                 qPrintable("a frame where none belongs: " + describe(label)));
}

void TestPagePreview::searchMatchesAreYellowInAnyCase_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<QList<bool>>("yellowSlots"); // for Anna, Anna, Bert, JOHANNA

    QTest::newRow("lower case") << "ann" << QList<bool>{true, true, false, true};
    QTest::newRow("mixed case") << "aNN" << QList<bool>{true, true, false, true};
    QTest::newRow("capitals, inside the name") << "ERT" << QList<bool>{false, false, true, false};
    QTest::newRow("empty: nothing") << "" << QList<bool>{false, false, false, false};
    QTest::newRow("no match") << "xyz" << QList<bool>{false, false, false, false};
}

void TestPagePreview::searchMatchesAreYellowInAnyCase() {
    QFETCH(QString, search);
    QFETCH(QList<bool>, yellowSlots);

    preview->setLabels(labelsOf({{"Anna", 2}, {"Bert", 1}, {"JOHANNA", 1}}));
    if (!search.isEmpty() && search != "xyz")
        QTest::ignoreMessage(QtDebugMsg, "Found: 0");
    preview->findName(search);
    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const QPointF origin = sheetOrigin(size);
    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < yellowSlots.size(); ++slot) {
        const QRect label = layout.labelRect(slot);
        QCOMPARE(fillOf(image, origin, label), yellowSlots.at(slot) ? yellow : white);
    }
}

void TestPagePreview::searchTurnsToThePageOfTheFirstMatch() {
    preview->setLabels(labelsOf({{"Erster", 56}, {"Zweiter", 4}, {"Dritter", 1}}));
    QTest::ignoreMessage(QtDebugMsg, "Found: 1");
    preview->findName("ZWEIT");
    QCOMPARE(preview->currentPage, 1);
    QCOMPARE(preview->searchText, QStringLiteral("ZWEIT"));

    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const QPointF origin = sheetOrigin(size);
    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < 4; ++slot)
        QCOMPARE(fillOf(image, origin, layout.labelRect(slot)), yellow);
    QVERIFY2(frameAt(image, origin, layout.labelRect(4)), "Dritter is not shown on page 2");
    QCOMPARE(fillOf(image, origin, layout.labelRect(4)), white);
    QVERIFY2(noFrameAt(image, origin, layout.labelRect(5)), "a label after the last one");

    // Clearing the search returns to the first name's page and highlights nothing.
    QTest::ignoreMessage(QtDebugMsg, "Found: 0");
    preview->findName(QString());
    QCOMPARE(preview->currentPage, 0);
}

void TestPagePreview::searchWithoutMatchKeepsThePage() {
    preview->setLabels(labelsOf({{"Erster", 56}, {"Zweiter", 4}, {"Otto", -3}}));
    preview->currentPage = 1;
    preview->findName("Zoe");
    QCOMPARE(preview->currentPage, 1);
    // A name without copies appears on no page, so it is not found either.
    preview->findName("otto");
    QCOMPARE(preview->currentPage, 1);
    QCOMPARE(preview->searchText, QStringLiteral("otto"));
}

void TestPagePreview::pagesTurnWithinBounds() {
    preview->setLabels(labelsOf(thirtyPairs()));
    QCOMPARE(preview->lastPageIndex(), 1);
    QVERIFY(!preview->showPreviousPage());
    QCOMPARE(preview->currentPage, 0);
    QVERIFY(preview->showNextPage());
    QCOMPARE(preview->currentPage, 1);
    QVERIFY(!preview->showNextPage());
    QCOMPARE(preview->currentPage, 1);

    // Page 2 shows the last four copies and nothing after them.
    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const QPointF origin = sheetOrigin(size);
    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < 4; ++slot)
        QVERIFY2(frameAt(image, origin, layout.labelRect(slot)),
                 qPrintable(QStringLiteral("slot %1 of page 2 is empty").arg(slot)));
    QVERIFY2(noFrameAt(image, origin, layout.labelRect(4)), "a fifth label on page 2");

    QVERIFY(preview->showPreviousPage());
    QCOMPARE(preview->currentPage, 0);

    // Exactly one full page: no empty second page to turn to.
    preview->setLabels(labelsOf({{"Anna", 56}}));
    QCOMPARE(preview->lastPageIndex(), 0);
    QVERIFY(!preview->showNextPage());
}

void TestPagePreview::newLabelsShowTheFirstPage() {
    preview->setLabels(labelsOf(thirtyPairs()));
    preview->showNextPage();
    preview->setLabels(labelsOf({{"Anna", 70}}));
    QCOMPARE(preview->currentPage, 0);
    QCOMPARE(preview->labels.totalCopies(), 70);
}

void TestPagePreview::previewPointSize_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("10 mm") << 10 << 8;
    QTest::newRow("20 mm") << 20 << 18;
    QTest::newRow("3 mm") << 3 << 1;
    QTest::newRow("2 mm: not 0") << 2 << 1;
    QTest::newRow("1 mm: not -1") << 1 << 1;
}

void TestPagePreview::previewPointSize() {
    QFETCH(int, height);
    QFETCH(int, pointSize);
    preview->labelFont = QFont(QStringLiteral("Arial"), 14, QFont::Bold, true);
    preview->setLabelDimensions(100, height);
    const QFont font = preview->previewFont();
    QCOMPARE(font.pointSize(), pointSize);
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.weight(), QFont::Bold);
    QVERIFY(font.italic());
    QCOMPARE(preview->labelFont.pointSize(), 14);
}

void TestPagePreview::noLabelRow_data() {
    QTest::addColumn<int>("height");
    QTest::newRow("149 mm") << 149;
    QTest::newRow("290 mm") << 290;
}

void TestPagePreview::noLabelRow() {
    QFETCH(int, height);
    preview->setLabelDimensions(100, height);
    QCOMPARE(preview->labelRows, 0);
    QCOMPARE(preview->labelsPerPage, 0);
    preview->setLabels(labelsOf({{"Anna", 5}}));
    QCOMPARE(preview->lastPageIndex(), 0);
    QVERIFY(!preview->showNextPage());
    QTest::ignoreMessage(QtDebugMsg, "Found: 0");
    preview->findName("anna");
    QCOMPARE(preview->currentPage, 0);

    // The sheet and no label: the grid's row would start at the middle.
    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const QPointF origin = sheetOrigin(size);
    QVERIFY2(noFrameAt(image, origin, QRect(5, 148, 100, 0)), "a label frame on the sheet");
    QCOMPARE(image.pixelColor((origin + QPointF(50, 150)).toPoint()), white);
}

void TestPagePreview::noLabelRowPrintingTellsTheUser() {
    preview->setLabelDimensions(100, 150);
    preview->setLabels(labelsOf({{"Anna", 5}}));
    preview->printPage();
    auto *message = preview->findChild<QMessageBox *>("noLabelFitsMessage");
    QVERIFY2(message, "no message that no label fits the page");
    QVERIFY2(message->isVisible(), "the message is not shown");
    QVERIFY2(message->text().contains(QString::fromUtf8("kein Label")),
             qPrintable("the message says: " + message->text()));
    message->accept();

    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("none.pdf"));
    QCOMPARE(preview->printPageRange(printer, 0, 0), 0);
}

QList<QMap<std::int64_t, QString>> TestPagePreview::printAndRead(QPrinter::PrinterMode mode,
                                                                 int firstPage, int lastPage,
                                                                 qint64 *printed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("labels.pdf"));
    QPrinter printer(mode);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    *printed = preview->printPageRange(printer, firstPage, lastPage);
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(path, &error);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    QList<QMap<std::int64_t, QString>> texts;
    for (const pdflabels::Page &page : pages) {
        if (qAbs(page.sizeMm.width() - 210) > 1 || qAbs(page.sizeMm.height() - 297) > 1)
            qWarning("page of %g x %g mm", page.sizeMm.width(), page.sizeMm.height());
        texts.append(pdflabels::labelTexts(page, preview->pageLayout()));
    }
    return texts;
}

void TestPagePreview::printsEachNameInItsLabel_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("firstPage");
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<QList<int>>("labelsPerSheet");

    const int screen = QPrinter::ScreenResolution;
    QTest::newRow("60 copies, pages 1 to 2") << screen << 100 << 10 << 0 << 1 << QList<int>{56, 4};
    QTest::newRow("60 copies, high resolution")
        << int(QPrinter::HighResolution) << 100 << 10 << 0 << 1 << QList<int>{56, 4};
    QTest::newRow("range 1 to 1") << screen << 100 << 10 << 0 << 0 << QList<int>{56};
    QTest::newRow("range 2 to 2") << screen << 100 << 10 << 1 << 1 << QList<int>{4};
    QTest::newRow("range beyond the labels: no empty sheet")
        << screen << 100 << 10 << 0 << 5 << QList<int>{56, 4};
    QTest::newRow("70 x 30: three columns")
        << screen << 70 << 30 << 0 << 9 << QList<int>{24, 24, 12};
}

void TestPagePreview::printsEachNameInItsLabel() {
    QFETCH(int, mode);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, firstPage);
    QFETCH(int, lastPage);
    QFETCH(QList<int>, labelsPerSheet);

    preview->setLabelDimensions(width, height);
    preview->setLabels(labelsOf(thirtyPairs()));
    const QStringList sequence = sequenceOf(thirtyPairs());
    qint64 printed = 0;
    const auto sheets = printAndRead(QPrinter::PrinterMode(mode), firstPage, lastPage, &printed);
    QCOMPARE(sheets.size(), labelsPerSheet.size());
    QCOMPARE(printed, std::accumulate(labelsPerSheet.begin(), labelsPerSheet.end(), qint64(0)));
    const qint64 perPage = preview->labelsPerPage;
    for (int sheet = 0; sheet < sheets.size(); ++sheet) {
        const QMap<std::int64_t, QString> &texts = sheets.at(sheet);
        QVERIFY2(!texts.contains(-1),
                 qPrintable(QStringLiteral("text outside every label on sheet %1: %2")
                                .arg(sheet + 1)
                                .arg(texts.value(-1))));
        QCOMPARE(texts.size(), labelsPerSheet.at(sheet));
        for (auto slot = texts.begin(); slot != texts.end(); ++slot) {
            const qint64 copy = (firstPage + sheet) * perPage + slot.key();
            QCOMPARE(slot.value(), sequence.at(copy));
        }
    }
}

void TestPagePreview::printsAMillionCopiesPageByArithmetic() {
    preview->setLabels(labelsOf({{"Anfang", 1}, {"Viele", 1000000}, {"Ende", 3}}));
    const int last = preview->lastPageIndex();
    QCOMPARE(last, 17857); // 1000004 copies, 56 a page
    qint64 printed = 0;
    const auto sheets = printAndRead(QPrinter::ScreenResolution, last - 1, last, &printed);
    QCOMPARE(sheets.size(), 2);
    QCOMPARE(sheets.at(0).size(), 56);
    QCOMPARE(sheets.at(0).first(), QStringLiteral("Viele"));
    // 1000004 - 17857 * 56 = 12: nine of Viele, then three of Ende.
    QCOMPARE(sheets.at(1).size(), 12);
    QCOMPARE(sheets.at(1).value(8), QStringLiteral("Viele"));
    QCOMPARE(sheets.at(1).value(9), QStringLiteral("Ende"));
    QCOMPARE(sheets.at(1).value(11), QStringLiteral("Ende"));
    QCOMPARE(printed, 68);
}

void TestPagePreview::printDialogPresetRunsFromPageShown_data() {
    QTest::addColumn<int>("currentPage");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("page 1 shown") << 0 << 1 << 2;
    QTest::newRow("page 2 shown") << 1 << 2 << 2;
}

void TestPagePreview::printDialogPresetRunsFromPageShown() {
    QFETCH(int, currentPage);
    QFETCH(int, from);
    QFETCH(int, to);
    preview->setLabels(labelsOf(thirtyPairs()));
    preview->currentPage = currentPage;
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, preview);
    preview->preparePrintDialog(dialog);
    QCOMPARE(dialog.printRange(), QAbstractPrintDialog::PageRange);
    QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    QCOMPARE(dialog.fromPage(), from);
    QCOMPARE(dialog.toPage(), to);
    QCOMPARE(dialog.minPage(), 1);
    QCOMPARE(dialog.maxPage(), 2);
    QCOMPARE(printer.fromPage(), from);
    QCOMPARE(printer.toPage(), to);
}

QTEST_MAIN(TestPagePreview)
#include "test_pagepreview.moc"
