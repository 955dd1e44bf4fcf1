#include "PdfLabels.h"
#include "pages/LabelSheetCatalogue.h"
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

// The ground the preview paints around the sheet.
const QColor ground(128, 128, 128);

// The preview as a person sees it in a widget of this size.
QImage render(QPagePreview &preview, QSize size) {
    preview.resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    preview.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Where the preview draws the sheet: its corner in the widget and its pixels per mm.
struct Sheet {
    QPointF origin;
    qreal scale = 1;
    QPointF at(QPointF mm) const { return origin + mm * scale; }
};

Sheet sheetOf(const QPagePreview &preview) {
    return {QPointF(preview.sheetOrigin()), preview.previewScale()};
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
bool frameAt(const QImage &image, const Sheet &sheet, QRectF labelMm) {
    const QPointF rightMiddle(labelMm.right(), labelMm.center().y());
    const QPointF bottomMiddle(labelMm.center().x(), labelMm.bottom());
    return blackNear(image, sheet.at(rightMiddle)) && blackNear(image, sheet.at(bottomMiddle));
}

bool noFrameAt(const QImage &image, const Sheet &sheet, QRectF labelMm) {
    const QPointF rightMiddle(labelMm.right(), labelMm.center().y());
    const QPointF bottomMiddle(labelMm.center().x(), labelMm.bottom());
    return !blackNear(image, sheet.at(rightMiddle)) && !blackNear(image, sheet.at(bottomMiddle));
}

// The fill of a label, sampled inside its top-left corner, clear of the text.
QColor fillOf(const QImage &image, const Sheet &sheet, QRectF labelMm) {
    return image.pixelColor(sheet.at(labelMm.topLeft() + QPointF(1.5, 1.5)).toPoint());
}

QString describe(QRectF rect) {
    return QStringLiteral("label at (%1, %2) mm").arg(rect.left()).arg(rect.top());
}

// The box of the dark pixels (the letters) inside a rectangle, clear of its frame.
QRect inkBox(const QImage &image, QRect area) {
    QRect box;
    const QRect inner = area.adjusted(2, 2, -2, -2) & image.rect();
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

Q_DECLARE_METATYPE(Entries)

class TestPagePreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startValues();
    void sheetFitsTheWidget_data();
    void sheetFitsTheWidget();
    void labelFramesAtMillimetrePositions_data();
    void labelFramesAtMillimetrePositions();
    void searchMatchesAreYellowInAnyCase_data();
    void searchMatchesAreYellowInAnyCase();
    void searchTurnsToThePageOfTheFirstMatch();
    void searchWithoutMatchKeepsThePage();
    void pagesTurnWithinBounds();
    void newLabelsShowTheFirstPage();
    void previewShowsWhatPrints_data();
    void previewShowsWhatPrints();
    void printedFramesAreExact_data();
    void printedFramesAreExact();
    void pageCountStopsAtTheLargestPageNumber_data();
    void pageCountStopsAtTheLargestPageNumber();
    void zoomSteps_data();
    void zoomSteps();
    void lettersLargerThanTheLabelAreSetToFit();
    void noLabelRow_data();
    void noLabelRow();
    void noLabelRowPrintingTellsTheUser();

    void printsEachNameInItsLabel_data();
    void printsEachNameInItsLabel();
    void printsAMillionCopiesPageByArithmetic();
    void printDialogPresetRunsFromPageShown_data();
    void printDialogPresetRunsFromPageShown();
    void printDialogNamesThePaper_data();
    void printDialogNamesThePaper();
    void manyPagesPrintOnlyWhenConfirmed_data();
    void manyPagesPrintOnlyWhenConfirmed();

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
    QCOMPARE(fresh.drawLabelPage(painter, 0, 1.0, true), 0);
    painter.end();
}

void TestPagePreview::sheetFitsTheWidget_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("heightLimits"); // else the width does
    QTest::addColumn<bool>("letter");       // a Letter sheet chosen, else the A4 grid
    QTest::newRow("portrait widget") << QSize(300, 400) << true << false;
    QTest::newRow("odd size") << QSize(301, 401) << true << false;
    QTest::newRow("wide enough, short") << QSize(400, 300) << true << false;
    QTest::newRow("the old minimum size") << QSize(220, 290) << true << false;
    QTest::newRow("maximised window's preview") << QSize(1500, 900) << true << false;
    QTest::newRow("narrow and tall") << QSize(150, 800) << false << false;
    QTest::newRow("Letter: its own paper") << QSize(300, 400) << false << true;
    QTest::newRow("Letter, wide") << QSize(1500, 900) << true << true;
}

void TestPagePreview::sheetFitsTheWidget() {
    QFETCH(QSize, size);
    QFETCH(bool, heightLimits);
    QFETCH(bool, letter);
    if (letter) {
        LabelSheet onLetter = LabelSheet::fromPageLayout(preview->pageLayout());
        onLetter.paper = Paper::Letter;
        onLetter.rows = 20; // inside Letter's shorter height

        preview->setLabelSheet(onLetter);
    }
    const QSizeF paper = letter ? QSizeF(215.9, 279.4) : QSizeF(210, 297);
    const QImage image = render(*preview, size);
    const Sheet sheet = sheetOf(*preview);
    const qreal across = (size.width() - 16) / paper.width();
    const qreal down = (size.height() - 16) / paper.height();
    QCOMPARE(sheet.scale, heightLimits ? down : across);
    QVERIFY2(sheet.scale <= std::min(across, down) + 1e-9, "the sheet is larger than the room");

    // The whole sheet is visible: white inside, outlined, the ground all round.
    const qreal w = paper.width();
    const qreal h = paper.height();
    QCOMPARE(image.pixelColor(sheet.at({w / 2, h / 2}).toPoint()), white);
    const QList<std::pair<QPointF, QPointF>> edges = {
        {{0, h / 2}, {-1, 0}}, {{w, h / 2}, {1, 0}}, {{w / 2, 0}, {0, -1}}, {{w / 2, h}, {0, 1}}};
    for (const auto &[edgeMm, outward] : edges) {
        const QPointF edge = sheet.at(edgeMm);
        QVERIFY2(blackNear(image, edge),
                 qPrintable(
                     QStringLiteral("no outline at (%1, %2) mm").arg(edgeMm.x()).arg(edgeMm.y())));
        QCOMPARE(image.pixelColor((edge + outward * 3).toPoint()), ground);
    }
    // Centred: as much ground left as right, and above as below (a pixel of rounding).
    const QPointF farCorner = sheet.at({w, h});
    QVERIFY(qAbs(sheet.origin.x() - (size.width() - farCorner.x())) <= 1.5);
    QVERIFY(qAbs(sheet.origin.y() - (size.height() - farCorner.y())) <= 1.5);
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
    const Sheet sheet = sheetOf(*preview);
    for (const QRect &label : framed) {
        QVERIFY2(frameAt(image, sheet, label), qPrintable("no frame for the " + describe(label)));
        QCOMPARE(fillOf(image, sheet, label), white);
    }
    for (const QRect &label : empty)
        QVERIFY2(noFrameAt(image, sheet, label),
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
    preview->findName(search);
    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const Sheet sheet = sheetOf(*preview);
    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < yellowSlots.size(); ++slot) {
        const QRectF label = layout.labelRectMm(slot);
        QCOMPARE(fillOf(image, sheet, label), yellowSlots.at(slot) ? yellow : white);
    }
}

void TestPagePreview::searchTurnsToThePageOfTheFirstMatch() {
    preview->setLabels(labelsOf({{"Erster", 56}, {"Zweiter", 4}, {"Dritter", 1}}));
    preview->findName("ZWEIT");
    QCOMPARE(preview->currentPage, 1);
    QCOMPARE(preview->searchText, QStringLiteral("ZWEIT"));

    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const Sheet sheet = sheetOf(*preview);
    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < 4; ++slot)
        QCOMPARE(fillOf(image, sheet, layout.labelRectMm(slot)), yellow);
    QVERIFY2(frameAt(image, sheet, layout.labelRectMm(4)), "Dritter is not shown on page 2");
    QCOMPARE(fillOf(image, sheet, layout.labelRectMm(4)), white);
    QVERIFY2(noFrameAt(image, sheet, layout.labelRectMm(5)), "a label after the last one");

    // Clearing the search returns to the first name's page and highlights nothing.
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
    const Sheet sheet = sheetOf(*preview);
    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < 4; ++slot)
        QVERIFY2(frameAt(image, sheet, layout.labelRectMm(slot)),
                 qPrintable(QStringLiteral("slot %1 of page 2 is empty").arg(slot)));
    QVERIFY2(noFrameAt(image, sheet, layout.labelRectMm(4)), "a fifth label on page 2");

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

void TestPagePreview::previewShowsWhatPrints_data() {
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("pointSize");

    QTest::newRow("60 x 40, 20 pt, small window") << QSize(600, 860) << 60 << 40 << 20;
    QTest::newRow("60 x 40, 20 pt, large window") << QSize(1000, 1400) << 60 << 40 << 20;
    QTest::newRow("100 x 10, 10 pt, large window") << QSize(1000, 1400) << 100 << 10 << 10;
    QTest::newRow("38 mm high, 20 pt") << QSize(800, 1100) << 100 << 38 << 20;
}

void TestPagePreview::previewShowsWhatPrints() {
    QFETCH(QSize, widget);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, pointSize);

    preview->setLabelDimensions(width, height);
    preview->labelFont = QFont(QStringLiteral("Arial"), pointSize);
    const QStringList names{QString::fromUtf8("Jörg Übel"), "Anna", "Wilhelmina", "Ali"};
    preview->setLabels(
        labelsOf({{names.at(0), 1}, {names.at(1), 1}, {names.at(2), 1}, {names.at(3), 1}}));
    const QImage shown = render(*preview, widget);
    const Sheet sheet = sheetOf(*preview);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QCOMPARE(preview->printPageRange(printer, 0, 0), names.size());
    QString error;
    // The printed sheet painted at the preview's pixels per millimetre.
    const QImage printed = pdflabels::rasterPage(path, 1, sheet.scale * 25.4, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const Sheet paper{QPointF(0, 0), sheet.scale};

    const PageLayout layout = preview->pageLayout();
    for (int slot = 0; slot < names.size(); ++slot) {
        const QRectF labelMm = layout.labelRectMm(slot);
        QVERIFY2(frameAt(shown, sheet, labelMm),
                 qPrintable("no frame on screen: " + describe(labelMm)));
        QVERIFY2(frameAt(printed, paper, labelMm),
                 qPrintable("no frame on paper: " + describe(labelMm)));
        const QRect onScreen =
            QRectF(sheet.at(labelMm.topLeft()), sheet.at(labelMm.bottomRight())).toAlignedRect();
        const QRect onPaper =
            QRectF(paper.at(labelMm.topLeft()), paper.at(labelMm.bottomRight())).toAlignedRect();
        const QRect screenInk = inkBox(shown, onScreen).translated(-onScreen.topLeft());
        const QRect paperInk = inkBox(printed, onPaper).translated(-onPaper.topLeft());
        QVERIFY2(!paperInk.isEmpty(), qPrintable("no letters on paper for " + names.at(slot)));
        // The same letters at the same place: within two pixels of rounding.
        const QString both = QStringLiteral("%1: screen %2,%3 %4x%5, paper %6,%7 %8x%9")
                                 .arg(names.at(slot))
                                 .arg(screenInk.x())
                                 .arg(screenInk.y())
                                 .arg(screenInk.width())
                                 .arg(screenInk.height())
                                 .arg(paperInk.x())
                                 .arg(paperInk.y())
                                 .arg(paperInk.width())
                                 .arg(paperInk.height());
        QVERIFY2(qAbs(screenInk.left() - paperInk.left()) <= 2 &&
                     qAbs(screenInk.right() - paperInk.right()) <= 2 &&
                     qAbs(screenInk.top() - paperInk.top()) <= 2 &&
                     qAbs(screenInk.bottom() - paperInk.bottom()) <= 2,
                 qPrintable(both));
    }
}

void TestPagePreview::printedFramesAreExact_data() {
    QTest::addColumn<int>("paper"); // the printer's paper before printing
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("70 x 30 on A4") << int(QPageSize::A4) << 70 << 30;
    QTest::newRow("70 x 30, printer set to Letter") << int(QPageSize::Letter) << 70 << 30;
    QTest::newRow("100 x 10: grid to 288 mm, Letter") << int(QPageSize::Letter) << 100 << 10;
}

void TestPagePreview::printedFramesAreExact() {
    QFETCH(int, paper);
    QFETCH(int, width);
    QFETCH(int, height);

    preview->setLabelDimensions(width, height);
    const PageLayout layout = preview->pageLayout();
    preview->setLabels(labelsOf({{"Anna", int(layout.labelsPerPage())}}));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("frames.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    preview->printPageRange(printer, 0, 0);

    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(pages.size(), 1);
    QVERIFY2(qAbs(pages.first().sizeMm.width() - 210) < 0.1 &&
                 qAbs(pages.first().sizeMm.height() - 297) < 0.1,
             qPrintable(QStringLiteral("the paper is %1 x %2 mm, not A4")
                            .arg(pages.first().sizeMm.width())
                            .arg(pages.first().sizeMm.height())));

    // 20 pixels per millimetre: every line lies within a pixel of its place.
    constexpr qreal pixelsPerMm = 20;
    const QImage image = pdflabels::rasterPage(path, 1, pixelsPerMm * 25.4, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The black runs across a row of pixels, as their centres in mm.
    auto linesAcross = [&](qreal yMm) {
        QList<qreal> lines;
        const int y = qRound(yMm * pixelsPerMm);
        int runStart = -1;
        for (int x = 0; x <= image.width(); ++x) {
            const bool black = x < image.width() && qGray(image.pixel(x, y)) < 128;
            if (black && runStart < 0)
                runStart = x;
            if (!black && runStart >= 0) {
                lines.append((runStart + x) / 2.0 / pixelsPerMm);
                runStart = -1;
            }
        }
        return lines;
    };
    // Across the last row, clear of the letters: one line per column edge,
    // shared by neighbours, at its exact millimetre.
    const QRectF lastRow = layout.labelRectMm(layout.labelsPerPage() - 1);
    // Edges on the paper's border are left out: half of such a line is off the paper.
    auto onPaper = [](qreal xMm) {
        return xMm > 0.5 && xMm < 209.5;
    };
    QList<qreal> expected;
    for (int edge = 0; edge <= layout.columns; ++edge)
        if (onPaper(layout.grid.left() + edge * width))
            expected.append(layout.grid.left() + edge * width);
    QList<qreal> lines = linesAcross(lastRow.top() + 0.5);
    lines.removeIf([&](qreal x) { return !onPaper(x); });
    QCOMPARE(lines.size(), expected.size());
    for (int edge = 0; edge < lines.size(); ++edge)
        QVERIFY2(qAbs(lines.at(edge) - expected.at(edge)) <= 1.0 / pixelsPerMm + 0.01,
                 qPrintable(QStringLiteral("an edge at %1 mm, not %2 mm")
                                .arg(lines.at(edge))
                                .arg(expected.at(edge))));
    // The grid's bottom line is on the paper.
    const int bottom = qRound(lastRow.bottom() * pixelsPerMm);
    const int middle = qRound(lastRow.center().x() * pixelsPerMm);
    QVERIFY2(bottom < image.height() - 1, "the grid runs off the paper");
    QVERIFY2(qGray(image.pixel(middle, bottom)) < 128 ||
                 qGray(image.pixel(middle, bottom - 1)) < 128,
             "the grid's bottom line is missing");
}

void TestPagePreview::pageCountStopsAtTheLargestPageNumber_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("pages");
    QTest::newRow("one name, INT_MAX copies") << Entries{{"Anna", INT_MAX}} << INT_MAX;
    QTest::newRow("two names, INT_MAX copies each")
        << Entries{{"Anna", INT_MAX}, {"Bert", INT_MAX}} << INT_MAX;
    QTest::newRow("INT_MAX - 1 copies") << Entries{{"Anna", INT_MAX - 1}} << INT_MAX - 1;
}

void TestPagePreview::pageCountStopsAtTheLargestPageNumber() {
    QFETCH(Entries, entries);
    QFETCH(int, pages);
    preview->setLabelDimensions(200, 148); // one label a page
    QCOMPARE(preview->labelsPerPage, 1);
    preview->setLabels(labelsOf(entries));
    QCOMPARE(preview->pageCount(), pages);
    QCOMPARE(preview->lastPageIndex(), pages - 1);
    preview->showLastPage();
    QCOMPARE(preview->currentPage, pages - 1);

    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, preview);
    preview->preparePrintDialog(dialog);
    QCOMPARE(dialog.minPage(), 1);
    QCOMPARE(dialog.maxPage(), pages);
    QCOMPARE(dialog.fromPage(), pages);
    QCOMPARE(dialog.toPage(), pages);
}

void TestPagePreview::zoomSteps_data() {
    QTest::addColumn<qreal>("shownPercent");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("next");
    QTest::newRow("fitted 87 %, in") << 87.0 << 1 << 100;
    QTest::newRow("fitted 87 %, out") << 87.0 << -1 << 75;
    QTest::newRow("at 100 %, in") << 100.0 << 1 << 125;
    QTest::newRow("at 100 %, out") << 100.0 << -1 << 75;
    QTest::newRow("a hair under 100 %, in") << 99.8 << 1 << 125;
    QTest::newRow("largest stays") << 400.0 << 1 << 400;
    QTest::newRow("smallest stays") << 25.0 << -1 << 25;
    QTest::newRow("far beyond, out") << 900.0 << -1 << 400;
}

void TestPagePreview::zoomSteps() {
    QFETCH(qreal, shownPercent);
    QFETCH(int, direction);
    QFETCH(int, next);
    QCOMPARE(PreviewZoom::stepFrom(shownPercent, direction), next);
    // A fixed level is that share of the screen's true millimetres, whatever the room.
    const PreviewZoom zoom{next};
    QCOMPARE(zoom.scale(QSizeF(100, 100), 4.0), 4.0 * next / 100);
    QCOMPARE(zoom.scale(QSizeF(3000, 3000), 4.0), 4.0 * next / 100);
}

void TestPagePreview::lettersLargerThanTheLabelAreSetToFit() {
    // 40 pt letters (14 mm) on 10 mm labels: the name is set smaller until it
    // fits, so nothing of it lands on the neighbouring labels, and it is
    // still there, on screen as on paper.
    preview->labelFont = QFont(QStringLiteral("Arial"), 40);
    preview->setLabels(labelsOf({{QString::fromUtf8("ÄÖÜg"), 1}}));
    const QImage image = render(*preview, QSize(1000, 1400));
    const Sheet sheet = sheetOf(*preview);
    const QRectF labelMm = preview->pageLayout().labelRectMm(0);
    const QRect label =
        QRectF(sheet.at(labelMm.topLeft()), sheet.at(labelMm.bottomRight())).toAlignedRect();
    const QRect below(label.left() + 3, label.bottom() + 3, label.width() - 6, label.height() / 2);
    QVERIFY2(inkBox(image, below).isEmpty(), "the descender of g reaches the next label");
    const QRect above(label.left() + 3, label.top() - label.height() / 2, label.width() - 6,
                      label.height() / 2 - 3);
    QVERIFY2(inkBox(image, above).isEmpty(), "the umlauts' dots reach beyond the label");
    const QRect inside = label.adjusted(3, 3, -3, -3);
    QVERIFY2(!inkBox(image, inside).isEmpty(), "the name is not drawn");
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
    preview->findName("anna");
    QCOMPARE(preview->currentPage, 0);

    // The sheet and no label: the grid's row would start at the middle.
    const QSize size(300, 400);
    const QImage image = render(*preview, size);
    const Sheet sheet = sheetOf(*preview);
    QVERIFY2(noFrameAt(image, sheet, QRectF(5, 148, 100, 0)), "a label frame on the sheet");
    QCOMPARE(image.pixelColor(sheet.at(QPointF(50, 150)).toPoint()), white);
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
    QTest::addColumn<QString>("pages"); // as the title names them
    QTest::newRow("page 1 shown") << 0 << 1 << 2 << "Seiten 1 bis 2 von 2";
    QTest::newRow("page 2 shown") << 1 << 2 << 2 << "Seite 2 von 2";
}

void TestPagePreview::printDialogPresetRunsFromPageShown() {
    QFETCH(int, currentPage);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, pages);
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
    // The dialog says that the labels are for A4 sheets.
    QVERIFY2(dialog.windowTitle().contains(QStringLiteral("A4")), qPrintable(dialog.windowTitle()));
    // And which pages are chosen, as they are out of sight when it opens.
    QVERIFY2(dialog.windowTitle().endsWith(pages), qPrintable(dialog.windowTitle()));
}

void TestPagePreview::printDialogNamesThePaper_data() {
    QTest::addColumn<QString>("stock"); // a catalogue code; empty: the grid of the label size
    QTest::addColumn<bool>("letter");
    QTest::addColumn<QString>("title");
    QTest::newRow("grid on A4") << QString() << false << "Labels drucken (A4-Bögen): Seite 1 von 1";
    QTest::newRow("Letter sheet") << "L7160" << true
                                  << "Labels drucken (Letter-Bögen): Seite 1 von 1";
    QTest::newRow("roll")
        << "DK-11202" << false
        << "Etiketten drucken (Rolle, 62 x 100 mm je Seite): Seiten 1 bis 3 von 3";
}

void TestPagePreview::printDialogNamesThePaper() {
    QFETCH(QString, stock);
    QFETCH(bool, letter);
    if (!stock.isEmpty()) {
        LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(stock);
        if (letter)
            sheet.paper = Paper::Letter;
        preview->setLabelSheet(sheet);
    }
    preview->setLabels(labelsOf({{"Anna", 1}, {"Bernd", 1}, {"Clara", 1}}));
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, preview);
    preview->preparePrintDialog(dialog);
    QTEST(dialog.windowTitle(), "title");
}

void TestPagePreview::manyPagesPrintOnlyWhenConfirmed_data() {
    QTest::addColumn<int>("pages");    // of one label each
    QTest::addColumn<int>("fromPage"); // as the dialog reports it; 0 for all
    QTest::addColumn<int>("toPage");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<qint64>("asked"); // the pages asked about; 0 not asked
    QTest::addColumn<qint64>("printed");
    QTest::newRow("1000 pages print unasked") << 1000 << 0 << 0 << false << 0ll << 1000ll;
    QTest::newRow("1001 pages, answered no") << 1001 << 0 << 0 << false << 1001ll << 0ll;
    QTest::newRow("1001 pages, answered yes") << 1001 << 0 << 0 << true << 1001ll << 1001ll;
    QTest::newRow("1000 of 1001 pages chosen print unasked")
        << 1001 << 2 << 1001 << false << 0ll << 1000ll;
}

void TestPagePreview::manyPagesPrintOnlyWhenConfirmed() {
    QFETCH(int, pages);
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(bool, answer);
    QFETCH(qint64, asked);
    QFETCH(qint64, printed);
    preview->setLabelDimensions(200, 148); // one label a page
    preview->setLabels(labelsOf({{"Anna", pages}}));
    qint64 askedAbout = 0;
    preview->confirmManyPages = [&](std::int64_t count) {
        askedAbout = count;
        return answer;
    };
    QTemporaryDir dir;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("many.pdf")));
    printer.setFromTo(fromPage, toPage);
    QCOMPARE(preview->printChosenPages(printer), printed);
    QCOMPARE(askedAbout, asked);
}

QTEST_MAIN(TestPagePreview)
#include "test_pagepreview.moc"
