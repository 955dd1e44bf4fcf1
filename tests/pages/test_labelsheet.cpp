#include "pages/LabelSheet.h"
#include "pages/LabelSheetCatalogue.h"

#include <QTest>

Q_DECLARE_METATYPE(SheetProblem)
Q_DECLARE_METATYPE(SheetPosition)

namespace {
// A sheet of one's own: two columns of 90 x 40 mm with wide gaps.
LabelSheet customSheet() {
    LabelSheet sheet;
    sheet.codes = {QStringLiteral("eigen")};
    sheet.labelWidth = 90;
    sheet.labelHeight = 40;
    sheet.columns = 2;
    sheet.rows = 6;
    sheet.leftMargin = 10.25;
    sheet.topMargin = 12.5;
    sheet.horizontalPitch = 99.5;
    sheet.verticalPitch = 45;
    return sheet;
}

LabelSheet catalogueSheet(const char *code) {
    const LabelSheet *sheet = LabelSheetCatalogue::builtIn().findCode(QLatin1String(code));
    return sheet ? *sheet : LabelSheet();
}

bool nearlyEqual(const QRectF &a, const QRectF &b) {
    constexpr double toleranceMm = 0.001;
    return std::abs(a.left() - b.left()) < toleranceMm &&
           std::abs(a.top() - b.top()) < toleranceMm &&
           std::abs(a.width() - b.width()) < toleranceMm &&
           std::abs(a.height() - b.height()) < toleranceMm;
}
} // namespace

class TestLabelSheet : public QObject {
    Q_OBJECT

private slots:
    void labelRectangles_data();
    void labelRectangles();
    void simpleGridKeepsTheWholeMillimetreGeometry_data();
    void simpleGridKeepsTheWholeMillimetreGeometry();
    void startPosition_data();
    void startPosition();
    void pageCountWithStart_data();
    void pageCountWithStart();
    void refusals_data();
    void refusals();
    void millimetresAsTyped_data();
    void millimetresAsTyped();
    void builtInCatalogueIsComplete();
    void catalogueLinesWithFaults_data();
    void catalogueLinesWithFaults();
    void catalogueSearch_data();
    void catalogueSearch();
};

void TestLabelSheet::labelRectangles_data() {
    QTest::addColumn<LabelSheet>("sheet");
    QTest::addColumn<qint64>("slot");
    QTest::addColumn<QRectF>("rect");

    const LabelSheet l7160 = catalogueSheet("L7160");
    QTest::newRow("L7160 first") << l7160 << qint64(0) << QRectF(7.21, 15.15, 63.5, 38.1);
    QTest::newRow("L7160 third, after two gaps")
        << l7160 << qint64(2) << QRectF(139.29, 15.15, 63.5, 38.1);
    QTest::newRow("L7160 fourth starts row 2")
        << l7160 << qint64(3) << QRectF(7.21, 53.25, 63.5, 38.1);
    QTest::newRow("L7160 last") << l7160 << qint64(20) << QRectF(139.29, 243.75, 63.5, 38.1);
    const LabelSheet l4785 = catalogueSheet("L4785");
    QTest::newRow("L4785 first") << l4785 << qint64(0) << QRectF(17.5, 13.5, 80, 50);
    QTest::newRow("L4785 last") << l4785 << qint64(9) << QRectF(112.5, 233.5, 80, 50);
    QTest::newRow("L4785 by its alias L4787")
        << catalogueSheet("l4787") << qint64(1) << QRectF(112.5, 13.5, 80, 50);
    const LabelSheet l7651 = catalogueSheet("L7651");
    QTest::newRow("L7651 13 rows of 21.2")
        << l7651 << qint64(64) << QRectF(167.15, 265.1, 38.1, 21.2);
    QTest::newRow("custom second row")
        << customSheet() << qint64(3) << QRectF(109.75, 57.5, 90, 40);
}

void TestLabelSheet::labelRectangles() {
    QFETCH(LabelSheet, sheet);
    QFETCH(qint64, slot);
    QFETCH(QRectF, rect);
    QVERIFY2(sheet.isValid(), qPrintable(sheetProblemEnglish(sheet.problem())));
    const QRectF found = sheet.labelRect(slot);
    QVERIFY2(nearlyEqual(found, rect), qPrintable(QStringLiteral("%1 %2 %3 %4")
                                                      .arg(found.left())
                                                      .arg(found.top())
                                                      .arg(found.width())
                                                      .arg(found.height())));
    const QSizeF paper = sheet.paperSizeMm();
    QVERIFY(found.right() <= paper.width() && found.bottom() <= paper.height());
}

void TestLabelSheet::simpleGridKeepsTheWholeMillimetreGeometry_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("default 100 x 10") << 100 << 10;
    QTest::newRow("70 x 36") << 70 << 36;
    QTest::newRow("odd 63 x 38") << 63 << 38;
    QTest::newRow("one column 150 x 99") << 150 << 99;
    QTest::newRow("tiny 1 x 1") << 1 << 1;
}

void TestLabelSheet::simpleGridKeepsTheWholeMillimetreGeometry() {
    QFETCH(int, width);
    QFETCH(int, height);
    const PageLayout layout = PageLayout::forLabelSize(width, height);
    const LabelSheet sheet = LabelSheet::fromPageLayout(layout);
    QCOMPARE(sheet.labelsPerPage(), layout.labelsPerPage());
    for (std::int64_t slot = 0; slot < layout.labelsPerPage(); ++slot)
        QCOMPARE(sheet.labelRect(slot), QRectF(layout.labelRect(slot)));
    for (std::int64_t copies : {0, 1, 57, 1000000})
        QCOMPARE(sheet.pageCount(copies), layout.pageCount(copies));
}

void TestLabelSheet::startPosition_data() {
    QTest::addColumn<qint64>("copy");
    QTest::addColumn<qint64>("startSlot");
    QTest::addColumn<SheetPosition>("position");
    // On L7160, 21 labels a page.
    QTest::newRow("no start: first copy in slot 0")
        << qint64(0) << qint64(0) << SheetPosition{0, 0};
    QTest::newRow("start at label 5: first copy in slot 4")
        << qint64(0) << qint64(4) << SheetPosition{0, 4};
    QTest::newRow("start at 5: copy 16 fills the first page")
        << qint64(16) << qint64(4) << SheetPosition{0, 20};
    QTest::newRow("start at 5: copy 17 opens page 2 at slot 0")
        << qint64(17) << qint64(4) << SheetPosition{1, 0};
    QTest::newRow("start at 21: one label on page 1")
        << qint64(1) << qint64(20) << SheetPosition{1, 0};
    QTest::newRow("a start past the page counts as the last slot")
        << qint64(0) << qint64(500) << SheetPosition{0, 20};
    QTest::newRow("a negative start counts as slot 0")
        << qint64(0) << qint64(-3) << SheetPosition{0, 0};
    QTest::newRow("the last copy of a billion without overflow")
        << qint64(999999999) << qint64(20) << SheetPosition{47619048, 11};
}

void TestLabelSheet::startPosition() {
    QFETCH(qint64, copy);
    QFETCH(qint64, startSlot);
    QFETCH(SheetPosition, position);
    const LabelSheet sheet = catalogueSheet("L7160");
    QCOMPARE(sheet.positionOfCopy(copy, startSlot), position);
    // Going back: the page's first copy and first slot agree with the position.
    const std::int64_t firstCopy = sheet.firstCopyOnPage(position.page, startSlot);
    const std::int64_t firstSlot = sheet.firstSlotOnPage(position.page, startSlot);
    QCOMPARE(copy - firstCopy, position.slot - firstSlot);
}

void TestLabelSheet::pageCountWithStart_data() {
    QTest::addColumn<qint64>("copies");
    QTest::addColumn<qint64>("startSlot");
    QTest::addColumn<qint64>("pages");
    QTest::newRow("nothing: one empty page") << qint64(0) << qint64(5) << qint64(1);
    QTest::newRow("21 from slot 0: one page") << qint64(21) << qint64(0) << qint64(1);
    QTest::newRow("21 from slot 1: two pages") << qint64(21) << qint64(1) << qint64(2);
    QTest::newRow("17 from slot 4: one page") << qint64(17) << qint64(4) << qint64(1);
    QTest::newRow("18 from slot 4: two pages") << qint64(18) << qint64(4) << qint64(2);
    QTest::newRow("a million from slot 20") << qint64(1000000) << qint64(20) << qint64(47620);
}

void TestLabelSheet::pageCountWithStart() {
    QFETCH(qint64, copies);
    QFETCH(qint64, startSlot);
    QFETCH(qint64, pages);
    QCOMPARE(catalogueSheet("L7160").pageCount(copies, startSlot), pages);
}

void TestLabelSheet::refusals_data() {
    QTest::addColumn<LabelSheet>("sheet");
    QTest::addColumn<SheetProblem>("problem");
    const LabelSheet good = customSheet();
    QTest::newRow("a good sheet") << good << SheetProblem::None;
    LabelSheet sheet = good;
    sheet.labelWidth = 0;
    QTest::newRow("zero width") << sheet << SheetProblem::NonPositiveLabel;
    sheet = good;
    sheet.labelHeight = -5;
    QTest::newRow("negative height") << sheet << SheetProblem::NonPositiveLabel;
    sheet = good;
    sheet.labelWidth = std::nan("");
    QTest::newRow("width not a number") << sheet << SheetProblem::NonPositiveLabel;
    sheet = good;
    sheet.cornerRadius = 21;
    QTest::newRow("radius above half the height") << sheet << SheetProblem::NegativeRadius;
    sheet = good;
    sheet.rows = 0;
    QTest::newRow("no rows") << sheet << SheetProblem::NoLabels;
    sheet = good;
    sheet.topMargin = -0.5;
    QTest::newRow("negative margin") << sheet << SheetProblem::NegativeMargin;
    sheet = good;
    sheet.horizontalPitch = 89.9;
    QTest::newRow("pitch below the width") << sheet << SheetProblem::PitchBelowLabel;
    sheet = good;
    sheet.verticalPitch = 39;
    QTest::newRow("pitch below the height") << sheet << SheetProblem::PitchBelowLabel;
    sheet = good;
    sheet.rows = 1;
    sheet.verticalPitch = 0;
    QTest::newRow("one row needs no vertical pitch") << sheet << SheetProblem::None;
    sheet = good;
    sheet.leftMargin = 21;
    QTest::newRow("right column past the edge") << sheet << SheetProblem::BeyondPaper;
    sheet = good;
    sheet.rows = 7;
    QTest::newRow("seventh row past the bottom") << sheet << SheetProblem::BeyondPaper;
    sheet = good;
    sheet.rows = 7;
    sheet.paper = Paper::Letter;
    sheet.topMargin = 0;
    QTest::newRow("Letter is shorter than A4") << sheet << SheetProblem::BeyondPaper;
    sheet.columns = 2;
    sheet.rows = 6;
    sheet.leftMargin = 25;
    QTest::newRow("Letter is wider than A4") << sheet << SheetProblem::None;
}

void TestLabelSheet::refusals() {
    QFETCH(LabelSheet, sheet);
    QFETCH(SheetProblem, problem);
    QCOMPARE(sheet.problem(), problem);
    // Every refusal has a reason in both languages, none for a good sheet.
    QCOMPARE(sheetProblemText(problem).isEmpty(), problem == SheetProblem::None);
    QCOMPARE(sheetProblemEnglish(problem).isEmpty(), problem == SheetProblem::None);
}

void TestLabelSheet::millimetresAsTyped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("mm");
    QTest::newRow("decimal comma") << QStringLiteral("63,5") << true << 63.5;
    QTest::newRow("decimal point") << QStringLiteral("63.5") << true << 63.5;
    QTest::newRow("with unit and spaces") << QStringLiteral(" 2,54 mm ") << true << 2.54;
    QTest::newRow("whole number") << QStringLiteral("15") << true << 15.0;
    QTest::newRow("leading comma") << QStringLiteral(",5") << true << 0.5;
    QTest::newRow("negative offset") << QStringLiteral("-1,2") << true << -1.2;
    QTest::newRow("thousands grouping is no number") << QStringLiteral("1.000,5") << false << 0.0;
    QTest::newRow("letters") << QStringLiteral("zwei") << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
}

void TestLabelSheet::millimetresAsTyped() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, mm);
    double value = -99;
    QCOMPARE(parseMillimetres(text, &value), ok);
    if (ok)
        QCOMPARE(value, mm);
}

void TestLabelSheet::builtInCatalogueIsComplete() {
    QFile file(QStringLiteral(":/labelsheets.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList problems;
    const LabelSheetCatalogue catalogue =
        LabelSheetCatalogue::fromTsv(QString::fromUtf8(file.readAll()), &problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(catalogue.size() >= 30);
    QCOMPARE(LabelSheetCatalogue::builtIn().size(), catalogue.size());
    QSet<QString> codes;
    for (const LabelSheet &sheet : catalogue.sheets()) {
        // A4 sheets and label printer rolls; Letter comes from templates only.
        QVERIFY2(sheet.paper != Paper::Letter, qPrintable(sheet.code()));
        // What the settings keep of a sheet reads back as the same sheet.
        QVERIFY2(LabelSheetCatalogue::fromTsv(toTsvLine(sheet)).sheets().value(0) == sheet,
                 qPrintable(toTsvLine(sheet)));
        QVERIFY2(!sheet.source.isEmpty() && !sheet.maker.isEmpty() && !sheet.description.isEmpty(),
                 qPrintable(sheet.code()));
        for (const QString &code : sheet.codes) {
            QVERIFY2(!codes.contains(code.toLower()), qPrintable(code + " twice"));
            codes.insert(code.toLower());
        }
    }
}

void TestLabelSheet::catalogueLinesWithFaults_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("problem");
    QTest::newRow("too few fields") << QStringLiteral("X1\tMaker\tD\t10\t10")
                                    << QStringLiteral("line 2: 5 fields instead of 14");
    QTest::newRow("no code") << QStringLiteral(" \tM\tD\t10\t10\t0\trect\t1\t1\t0\t0\t10\t10\tS")
                             << QStringLiteral("line 2: no product code");
    QTest::newRow("decimal comma in the file")
        << QStringLiteral("X1\tM\tD\t10,5\t10\t0\trect\t1\t1\t0\t0\t10\t10\tS")
        << QStringLiteral("line 2: a length or count is no number");
    QTest::newRow("unknown shape")
        << QStringLiteral("X1\tM\tD\t10\t10\t0\tstar\t1\t1\t0\t0\t10\t10\tS")
        << QStringLiteral("line 2: unknown shape \"star\"");
    QTest::newRow("overlapping labels")
        << QStringLiteral("X1\tM\tD\t10\t10\t0\trect\t2\t1\t0\t0\t9\t10\tS")
        << QStringLiteral("line 2: pitch smaller than the label: labels would overlap");
    QTest::newRow("roll columns on an A4 sheet")
        << QStringLiteral("X1\tM\tD\t10\t10\t0\trect\t1\t1\t0\t0\t10\t10\tS\tA4\tturned\t1\t1")
        << QStringLiteral("line 2: roll columns on a sheet of paper \"A4\"");
    QTest::newRow("a roll neither turned nor upright")
        << QStringLiteral("X1\tM\tD\t10\t10\t0\trect\t1\t1\t0\t0\t10\t10\tS\troll\tquer")
        << QStringLiteral("line 2: neither turned nor upright: \"quer\"");
    QTest::newRow("a roll of two columns")
        << QStringLiteral("X1\tM\tD\t10\t10\t0\trect\t2\t1\t0\t0\t10\t10\tS\troll")
        << QStringLiteral("line 2: a sheet needs 1 to 1000 columns and rows");
    QTest::newRow("a tape whose unprintable strips meet")
        << QStringLiteral("X1\tM\tD\t10\t40\t0\trect\t1\t1\t0\t0\t10\t40\tS\ttape\tupright\t5\t1")
        << QStringLiteral("line 2: the unprintable margins leave nothing to print on");
}

void TestLabelSheet::catalogueLinesWithFaults() {
    QFETCH(QString, line);
    QFETCH(QString, problem);
    const QString good = QStringLiteral("G1\tM\tD\t10\t10\t0\trect\t1\t1\t0\t0\t10\t10\tS");
    QStringList problems;
    const LabelSheetCatalogue catalogue = LabelSheetCatalogue::fromTsv(
        QStringLiteral("# comment\n") + line + QStringLiteral("\n\n") + good, &problems);
    QCOMPARE(problems, QStringList{problem});
    // The good line after the faulty one is still read.
    QCOMPARE(catalogue.size(), 1);
    QCOMPARE(catalogue.sheets().first().code(), QStringLiteral("G1"));
}

void TestLabelSheet::catalogueSearch_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("mustFind");
    QTest::addColumn<QStringList>("mustNotFind");
    QTest::newRow("product code") << QStringLiteral("L7160") << QStringList{"L7160"}
                                  << QStringList{"L7163", "3490"};
    QTest::newRow("code in lower case")
        << QStringLiteral("l7160") << QStringList{"L7160"} << QStringList{"L7163"};
    QTest::newRow("Zweckform number")
        << QStringLiteral("3490") << QStringList{"3490"} << QStringList{"3475"};
    QTest::newRow("alias finds its sheet")
        << QStringLiteral("J8163") << QStringList{"L7163"} << QStringList{"L7160"};
    QTest::newRow("description") << QStringLiteral("Namensschild")
                                 << QStringList{"L4785", "4412", "1445-02", "1453-02", "1456-02"}
                                 << QStringList{"L7160"};
    QTest::newRow("badge inserts by maker and size")
        << QStringLiteral("durable 90 x 60") << QStringList{"1456-02"}
        << QStringList{"1445-02", "L4785"};
    QTest::newRow("German size") << QStringLiteral("63,5 x 38,1")
                                 << QStringList{"L7160", "4677", "6406338x"}
                                 << QStringList{"L7163", "L7159"};
    QTest::newRow("size without spaces")
        << QStringLiteral("99,1x38,1") << QStringList{"L7163"} << QStringList{"L7160"};
    QTest::newRow("maker and size")
        << QStringLiteral("herma 70 x 36") << QStringList{"4360"} << QStringList{"3475", "L7160"};
    QTest::newRow("label printer rolls")
        << QStringLiteral("Rolle") << QStringList{"DK-11201", "DK-22205", "99010", "11354"}
        << QStringList{"L7160", "L4785"};
    QTest::newRow("a roll by the size its maker writes")
        << QStringLiteral("brother 29 x 62") << QStringList{"DK-11209"} << QStringList{"DK-11201"};
    QTest::newRow("no such sheet")
        << QStringLiteral("Briefmarke") << QStringList{} << QStringList{"L7160"};
}

void TestLabelSheet::catalogueSearch() {
    QFETCH(QString, query);
    QFETCH(QStringList, mustFind);
    QFETCH(QStringList, mustNotFind);
    const LabelSheetCatalogue &catalogue = LabelSheetCatalogue::builtIn();
    QStringList found;
    for (qsizetype index : catalogue.search(query))
        found.append(catalogue.sheets().at(index).code());
    for (const QString &code : mustFind)
        QVERIFY2(found.contains(code), qPrintable(code + " not in " + found.join(' ')));
    for (const QString &code : mustNotFind)
        QVERIFY2(!found.contains(code), qPrintable(code + " in " + found.join(' ')));
}

QTEST_GUILESS_MAIN(TestLabelSheet)
#include "test_labelsheet.moc"
