#include "pages/PageLayout.h"
#include "pages/PrintRange.h"

#include <QTest>

Q_DECLARE_METATYPE(PageSpan)

class TestPageLayout : public QObject {
    Q_OBJECT

private slots:
    void gridForLabelSize_data();
    void gridForLabelSize();
    void slotsFillRowsLeftToRight_data();
    void slotsFillRowsLeftToRight();
    void pageCount_data();
    void pageCount();
    void presetRangeRunsFromPageShown_data();
    void presetRangeRunsFromPageShown();
    void chosenRangeIsZeroBased_data();
    void chosenRangeIsZeroBased();
};

void TestPageLayout::gridForLabelSize_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<qint64>("columns");
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<QRect>("grid");

    QTest::newRow("default 100 x 10")
        << 100 << 10 << qint64(2) << qint64(28) << QRect(5, 8, 200, 280);
    QTest::newRow("width 105: two columns")
        << 105 << 10 << qint64(2) << qint64(28) << QRect(0, 8, 210, 280);
    for (int width : {106, 150, 200})
        QTest::addRow("width %d: one column", width)
            << width << 10 << qint64(1) << qint64(28) << QRect((210 - width) / 2, 8, width, 280);
    QTest::newRow("width 1") << 1 << 10 << qint64(210) << qint64(28) << QRect(0, 8, 210, 280);
    QTest::newRow("height 20: 13 rows")
        << 100 << 20 << qint64(2) << qint64(13) << QRect(5, 18, 200, 260);
    QTest::newRow("height 99: 2 rows")
        << 100 << 99 << qint64(2) << qint64(2) << QRect(5, 49, 200, 198);
    QTest::newRow("height 148: 1 row")
        << 100 << 148 << qint64(2) << qint64(1) << QRect(5, 74, 200, 148);
    QTest::newRow("height 1") << 100 << 1 << qint64(2) << qint64(296) << QRect(5, 0, 200, 296);
    for (int height : {149, 200, 290})
        QTest::addRow("height %d: no row", height)
            << 100 << height << qint64(2) << qint64(0) << QRect(5, 148, 200, 0);
    QTest::newRow("beyond the sheet")
        << 100 << 400 << qint64(2) << qint64(0) << QRect(5, 148, 200, 0);
    QTest::newRow("unset size") << -1 << -1 << qint64(0) << qint64(0) << QRect(105, 148, 0, 0);
    QTest::newRow("zero size") << 0 << 0 << qint64(0) << qint64(0) << QRect(105, 148, 0, 0);
}

void TestPageLayout::gridForLabelSize() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(qint64, columns);
    QFETCH(qint64, rows);
    QFETCH(QRect, grid);
    const PageLayout layout = PageLayout::forLabelSize(width, height);
    QCOMPARE(layout.labelWidth, width);
    QCOMPARE(layout.labelHeight, height);
    QCOMPARE(layout.columns, columns);
    QCOMPARE(layout.rows, rows);
    QCOMPARE(layout.labelsPerPage(), columns * rows);
    QCOMPARE(layout.grid, grid);
}

void TestPageLayout::slotsFillRowsLeftToRight_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<qint64>("slot");
    QTest::addColumn<QRect>("label");
    QTest::newRow("first") << 100 << qint64(0) << QRect(5, 8, 100, 10);
    QTest::newRow("second: beside the first") << 100 << qint64(1) << QRect(105, 8, 100, 10);
    QTest::newRow("third: next row") << 100 << qint64(2) << QRect(5, 18, 100, 10);
    QTest::newRow("last of the page") << 100 << qint64(55) << QRect(105, 278, 100, 10);
    QTest::newRow("one column") << 150 << qint64(3) << QRect(30, 38, 150, 10);
    QTest::newRow("width 1, end of first row") << 1 << qint64(209) << QRect(209, 8, 1, 10);
    QTest::newRow("width 1, start of second row") << 1 << qint64(210) << QRect(0, 18, 1, 10);
}

void TestPageLayout::slotsFillRowsLeftToRight() {
    QFETCH(int, width);
    QFETCH(qint64, slot);
    QFETCH(QRect, label);
    QCOMPARE(PageLayout::forLabelSize(width, 10).labelRect(slot), label);
}

void TestPageLayout::pageCount_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<qint64>("copies");
    QTest::addColumn<qint64>("pages");
    QTest::newRow("no copies: one page") << 10 << qint64(0) << qint64(1);
    QTest::newRow("55 copies") << 10 << qint64(55) << qint64(1);
    QTest::newRow("56 copies: exactly full, no empty page") << 10 << qint64(56) << qint64(1);
    QTest::newRow("57 copies") << 10 << qint64(57) << qint64(2);
    QTest::newRow("60 copies") << 10 << qint64(60) << qint64(2);
    QTest::newRow("112 copies") << 10 << qint64(112) << qint64(2);
    QTest::newRow("a million") << 10 << qint64(1000000) << qint64(17858);
    QTest::newRow("beyond 32 bits") << 10 << qint64(56) * 5000000000LL << qint64(5000000000LL);
    QTest::newRow("no label per page") << 150 << qint64(60) << qint64(1);
    QTest::newRow("negative total") << 10 << qint64(-5) << qint64(1);
}

void TestPageLayout::pageCount() {
    QFETCH(int, height);
    QFETCH(qint64, copies);
    QFETCH(qint64, pages);
    QCOMPARE(PageLayout::forLabelSize(100, height).pageCount(copies), pages);
}

void TestPageLayout::presetRangeRunsFromPageShown_data() {
    QTest::addColumn<int>("currentPage");
    QTest::addColumn<int>("lastPageIndex");
    QTest::addColumn<PageSpan>("range");
    QTest::newRow("page 1 of 2") << 0 << 1 << PageSpan{1, 2};
    QTest::newRow("page 2 of 2") << 1 << 1 << PageSpan{2, 2};
    QTest::newRow("one page") << 0 << 0 << PageSpan{1, 1};
}

void TestPageLayout::presetRangeRunsFromPageShown() {
    QFETCH(int, currentPage);
    QFETCH(int, lastPageIndex);
    QFETCH(PageSpan, range);
    QCOMPARE(presetPrintRange(currentPage, lastPageIndex), range);
}

void TestPageLayout::chosenRangeIsZeroBased_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("lastPageIndex");
    QTest::addColumn<PageSpan>("pages");
    QTest::newRow("whole document") << 0 << 0 << 4 << PageSpan{0, 4};
    QTest::newRow("1 to 1") << 1 << 1 << 4 << PageSpan{0, 0};
    QTest::newRow("2 to 3") << 2 << 3 << 4 << PageSpan{1, 2};
    QTest::newRow("to before from") << 3 << 2 << 4 << PageSpan{2, 2};
}

void TestPageLayout::chosenRangeIsZeroBased() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, lastPageIndex);
    QFETCH(PageSpan, pages);
    QCOMPARE(chosenPrintPages(from, to, lastPageIndex), pages);
}

QTEST_APPLESS_MAIN(TestPageLayout)
#include "test_pagelayout.moc"
