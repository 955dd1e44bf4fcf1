#include "app/SheetChooser.h"
#include "app/SheetDrawing.h"
#include "app/SheetEditorDialog.h"
#include "pages/QPagePreview.h"

#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidgetItemIterator>

#include <memory>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {
QString chosenCode(MainWindow *window) {
    const auto &sheet = window->ui.pagePreview->labelJob().chosenSheet();
    return sheet ? sheet->code() : QString();
}

QString sheetRowValue(MainWindow *window, const QString &caption) {
    const auto items =
        window->ui.fileInfoTree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? QStringLiteral("<no row %1>").arg(caption) : items.first()->text(1);
}
// Why a row's widget is not shown whole on its row (row in viewport
// coordinates), or nothing: its vertical centre lies outside the row, or a
// text of one of its buttons, labels and spin boxes is cut.
QString rowWidgetFault(const QRect &row, QWidget *rowWidget) {
    const int centre = rowWidget->geometry().center().y();
    if (centre < row.top() || centre > row.bottom())
        return QStringLiteral("its widget's centre %1 is off the row from %2 to %3")
            .arg(centre)
            .arg(row.top())
            .arg(row.bottom());
    QList<QWidget *> parts = rowWidget->findChildren<QWidget *>();
    parts.prepend(rowWidget);
    for (QWidget *part : parts) {
        const bool hasText = qobject_cast<QAbstractButton *>(part) ||
                             qobject_cast<QLabel *>(part) || qobject_cast<QAbstractSpinBox *>(part);
        if (hasText && part->isVisibleTo(rowWidget) && part->sizeHint().width() > part->width())
            return QStringLiteral("%1 is cut, %2 of %3 pixels wide")
                .arg(part->objectName().isEmpty() ? part->metaObject()->className()
                                                  : part->objectName())
                .arg(part->width())
                .arg(part->sizeHint().width());
    }
    return QString();
}

// Whether the sheet rows of these captions are hidden.
QList<bool> rowsHidden(MainWindow *window, const QStringList &captions) {
    QList<bool> hidden;
    for (const QString &caption : captions) {
        const auto rows =
            window->ui.fileInfoTree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        if (!rows.isEmpty())
            hidden << rows.first()->isHidden();
    }
    return hidden;
}

// Whether the rows "Labelbreite" and "Labelhöhe" are hidden.
QList<bool> gridSizeRowsHidden(MainWindow *window) {
    QList<bool> hidden;
    for (const char *caption : {"Labelbreite", "Labelhöhe"}) {
        const auto rows = window->ui.fileInfoTree->findItems(QString::fromUtf8(caption),
                                                             Qt::MatchExactly | Qt::MatchRecursive);
        if (!rows.isEmpty())
            hidden << rows.first()->isHidden();
    }
    return hidden;
}
} // namespace

class TestWindowSheets : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theGridIsTheDefault();
    void searchChoosesASheet_data();
    void searchChoosesASheet();
    void rollsHaveTheirOwnRows_data();
    void rollsHaveTheirOwnRows();
    void startPositionMovesThePages_data();
    void startPositionMovesThePages();
    void choicesAreKeptButNotTheStart();
    void importedTemplatesCanBeChosen();
    void editorExplainsAndDraws_data();
    void editorExplainsAndDraws();
    void ownSheetIsSavedAndDeleted();
    void settingsRowsShowWholeOnTheirCaptions_data();
    void settingsRowsShowWholeOnTheirCaptions();

private:
    std::unique_ptr<MainWindow> window;
    template <typename T> T *widget(const char *name) {
        return window->findChild<T *>(QLatin1String(name));
    }
};

void TestWindowSheets::init() {
    privateConfigHome.startAfresh();
    window = std::make_unique<MainWindow>();
    window->adoptImporter(new TableImporter(QStringLiteral("liste.xls"), thirtyPairs()));
}

void TestWindowSheets::cleanup() {
    window.reset();
}

void TestWindowSheets::theGridIsTheDefault() {
    auto *combo = widget<QComboBox>("sheetCombo");
    QVERIFY(combo);
    QVERIFY(combo->itemText(0).startsWith(QLatin1String("Einfaches Raster")));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(!window->ui.pagePreview->labelJob().chosenSheet());
    QCOMPARE(gridSizeRowsHidden(window.get()), QList<bool>({false, false}));
    // Today's grid: 100 x 10 mm, 2 x 28.
    QCOMPARE(sheetRowValue(window.get(), QStringLiteral("Etiketten")),
             QStringLiteral("100 x 10 mm, 2 × 28 (56 je Bogen)"));
    QCOMPARE(pageLabel(window.get()), QStringLiteral("Seite 1/2"));
}

void TestWindowSheets::searchChoosesASheet_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("size");
    QTest::newRow("product code") << QStringLiteral("L7160") << QStringLiteral("L7160")
                                  << QStringLiteral("63,5 x 38,1 mm, 3 × 7 (21 je Bogen)");
    QTest::newRow("description") << QStringLiteral("Namensschild") << QStringLiteral("L4785")
                                 << QStringLiteral("80 x 50 mm, 2 × 5 (10 je Bogen)");
    QTest::newRow("German size") << QStringLiteral("99,1 x 67,7") << QStringLiteral("L7165")
                                 << QStringLiteral("99,1 x 67,7 mm, 2 × 4 (8 je Bogen)");
    QTest::newRow("alias") << QStringLiteral("J8651") << QStringLiteral("L7651")
                           << QStringLiteral("38,1 x 21,2 mm, 5 × 13 (65 je Bogen)");
}

void TestWindowSheets::searchChoosesASheet() {
    QFETCH(QString, query);
    QFETCH(QString, code);
    QFETCH(QString, size);
    QTest::keyClicks(widget<QLineEdit>("sheetSearchEdit"), query);
    QCOMPARE(chosenCode(window.get()), code);
    auto *combo = widget<QComboBox>("sheetCombo");
    QVERIFY(combo->itemText(0).startsWith(QLatin1String("Einfaches Raster")));
    QVERIFY(combo->currentText().contains(code));
    QCOMPARE(sheetRowValue(window.get(), QStringLiteral("Etiketten")), size);
    // The grid's size rows are no choice beside a sheet's own size.
    QCOMPARE(gridSizeRowsHidden(window.get()), QList<bool>({true, true}));
    // Choosing the grid again brings today's layout back.
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    QVERIFY(!window->ui.pagePreview->labelJob().chosenSheet());
    QCOMPARE(gridSizeRowsHidden(window.get()), QList<bool>({false, false}));
}

void TestWindowSheets::rollsHaveTheirOwnRows_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QList<bool>>("hidden"); // Beginnen bei, Bandlänge, Ausrichtung
    QTest::addColumn<QSizeF>("pageMm");      // after the changes the test makes
    QTest::newRow("a sheet: the start, no roll rows")
        << QStringLiteral("L7160") << QStringLiteral("63,5 x 38,1 mm, 3 × 7 (21 je Bogen)")
        << QList<bool>{false, true, true} << QSizeF(210, 297);
    QTest::newRow("die-cut roll, turned, turned back")
        << QStringLiteral("DK-11201") << QStringLiteral("29 x 90 mm, Rolle (1 je Seite)")
        << QList<bool>{true, true, false} << QSizeF(29, 90);
    QTest::newRow("continuous tape cut to 150 mm")
        << QStringLiteral("DK-22205") << QStringLiteral("62 x 100 mm, Rolle (1 je Seite)")
        << QList<bool>{true, false, false} << QSizeF(62, 150);
}

void TestWindowSheets::rollsHaveTheirOwnRows() {
    QFETCH(QString, query);
    QFETCH(QString, size);
    QFETCH(QList<bool>, hidden);
    QFETCH(QSizeF, pageMm);
    const QStringList captions{QStringLiteral("Beginnen bei"), QString::fromUtf8("Bandlänge"),
                               QStringLiteral("Ausrichtung")};
    QTest::keyClicks(widget<QLineEdit>("sheetSearchEdit"), query);
    QCOMPARE(chosenCode(window.get()), query);
    QCOMPARE(sheetRowValue(window.get(), QStringLiteral("Etiketten")), size);
    QCOMPARE(rowsHidden(window.get(), captions), hidden);
    const LabelSheet chosen = window->ui.pagePreview->labelSheet();
    QCOMPARE(widget<QCheckBox>("turnedCheck")->isChecked(), chosen.turned);
    if (!hidden[1])
        widget<QDoubleSpinBox>("tapeLengthSpin")->setValue(150);
    if (!hidden[2]) // turned and back: the roll's own orientation again
        widget<QCheckBox>("turnedCheck")->click();
    const bool turned = window->ui.pagePreview->labelSheet().turned;
    QCOMPARE(turned, chosen.isRoll() && !chosen.turned);
    // One label a page on a roll; kept with the roll across a restart.
    window = std::make_unique<MainWindow>();
    const LabelSheet kept = window->ui.pagePreview->labelSheet();
    QCOMPARE(kept.code(), query);
    QCOMPARE(kept.turned, turned);
    if (!hidden[2])
        widget<QCheckBox>("turnedCheck")->click();
    QCOMPARE(window->ui.pagePreview->labelSheet().paperSizeMm(), pageMm);
    QCOMPARE(window->ui.pagePreview->labelSheet().turned, chosen.turned);
    QCOMPARE(window->ui.pagePreview->labelSheet().labelsPerPage(), chosen.labelsPerPage());
}

void TestWindowSheets::startPositionMovesThePages_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QString>("foundOnPage");
    // 61 labels on L7160 (21 a sheet), the caption row's first; Name30's
    // copies are the 60th and 61st.
    QTest::newRow("from label 1") << 1 << QStringLiteral("Seite 3/3")
                                  << QStringLiteral("Seite 3/3");
    QTest::newRow("from label 2") << 2 << QStringLiteral("Seite 3/3")
                                  << QStringLiteral("Seite 3/3");
    QTest::newRow("from label 3: the last page full")
        << 3 << QStringLiteral("Seite 3/3") << QStringLiteral("Seite 3/3");
    QTest::newRow("from label 5") << 5 << QStringLiteral("Seite 4/4")
                                  << QStringLiteral("Seite 4/4");
    QTest::newRow("from label 21")
        << 21 << QStringLiteral("Seite 4/4") << QStringLiteral("Seite 4/4");
}

void TestWindowSheets::startPositionMovesThePages() {
    QFETCH(int, start);
    QFETCH(QString, pages);
    QFETCH(QString, foundOnPage);
    QVERIFY(window->findChild<SheetChooser *>()->chooseSheet(QStringLiteral("Avery Zweckform"),
                                                             QStringLiteral("L7160")));
    widget<QSpinBox>("startSpin")->setValue(start);
    QCOMPARE(window->ui.pagePreview->labelJob().startSlot(), start - 1);
    window->ui.pagePreview->showLastPage();
    window->nextPage();
    QCOMPARE(pageLabel(window.get()), pages);
    window->ui.pagePreview->showFirstPage();
    window->ui.searchEdit->setText(QStringLiteral("Name30"));
    QCOMPARE(pageLabel(window.get()), foundOnPage);
}

void TestWindowSheets::choicesAreKeptButNotTheStart() {
    auto *chooser = window->findChild<SheetChooser *>();
    QVERIFY(chooser->chooseSheet(QStringLiteral("Avery Zweckform"), QStringLiteral("L4785")));
    widget<QCheckBox>("framesCheck")->setChecked(true);
    widget<QDoubleSpinBox>("offsetXSpin")->setValue(1.5);
    widget<QDoubleSpinBox>("offsetYSpin")->setValue(-0.7);
    widget<QSpinBox>("startSpin")->setValue(4);

    window = std::make_unique<MainWindow>();
    QCOMPARE(chosenCode(window.get()), QStringLiteral("L4785"));
    QVERIFY(widget<QCheckBox>("framesCheck")->isChecked());
    QVERIFY(window->ui.pagePreview->labelJob().framesOnPaper());
    QCOMPARE(widget<QDoubleSpinBox>("offsetXSpin")->value(), 1.5);
    QCOMPARE(widget<QDoubleSpinBox>("offsetYSpin")->value(), -0.7);
    QCOMPARE(widget<QSpinBox>("startSpin")->value(), 1);
    QCOMPARE(window->ui.pagePreview->labelJob().startSlot(), 0);
    // The offset belongs to the printer it was set for.
    const QString printer = window->findChild<SheetChooser *>()->offsetPrinter();
    QCOMPARE(window->ui.pagePreview->labelJob().printerOffset(printer), QPointF(1.5, -0.7));
    // and its row says which one that is.
    const QString caption = printer.isEmpty()
                                ? QStringLiteral("Korrektur (kein Drucker)")
                                : QString::fromUtf8("Korrektur für «%1»").arg(printer);
    QCOMPARE(printer, QPrinterInfo::defaultPrinterName());
    const auto rows =
        window->ui.fileInfoTree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(window->ui.fileInfoTree->itemWidget(rows.first(), 1),
             widget<QDoubleSpinBox>("offsetXSpin")->parentWidget());
}

void TestWindowSheets::importedTemplatesCanBeChosen() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eigene.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0"?><Glabels-templates>
<Template brand="Testmarke" part="TM-1" size="A4" _description="Badges">
  <Label-rectangle id="0" width="85mm" height="54mm" round="3mm">
    <Layout nx="2" ny="5" x0="15mm" y0="13.5mm" dx="95mm" dy="54mm"/>
  </Label-rectangle>
</Template>
<Template brand="Testmarke" part="TM-2" equiv="TM-1"/>
<Template brand="Testmarke" part="CD" size="A4" _description="CD">
  <Label-cd id="0" radius="58mm"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-cd>
</Template>
</Glabels-templates>)");
    file.close();
    auto *chooser = window->findChild<SheetChooser *>();
    const QString summary = chooser->importTemplates(path);
    QVERIFY2(summary.startsWith(QStringLiteral("1 Etikettenbögen übernommen, 1 übersprungen.")),
             qPrintable(summary));
    QVERIFY(summary.contains(QLatin1String("Testmarke CD")));
    QTest::keyClicks(widget<QLineEdit>("sheetSearchEdit"), QStringLiteral("TM-2"));
    QCOMPARE(chosenCode(window.get()), QStringLiteral("TM-1"));
    // Kept for the next start.
    window = std::make_unique<MainWindow>();
    QCOMPARE(chosenCode(window.get()), QStringLiteral("TM-1"));
    QCOMPARE(window->ui.pagePreview->labelSheet().labelRect(1), QRectF(110, 13.5, 85, 54));
}

void TestWindowSheets::editorExplainsAndDraws_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problemPart"); // empty: OK offered
    QTest::newRow("as given") << QString() << QString() << QString();
    QTest::newRow("decimal comma")
        << QStringLiteral("sheetWidthEdit") << QStringLiteral("62,5") << QString();
    QTest::newRow("not a number") << QStringLiteral("sheetTopEdit") << QStringLiteral("oben")
                                  << QStringLiteral("„oben“ ist keine Millimeterangabe");
    QTest::newRow("overlap") << QStringLiteral("sheetHorizontalPitchEdit") << QStringLiteral("60")
                             << QStringLiteral("überlappen");
    QTest::newRow("beyond the paper") << QStringLiteral("sheetLeftEdit") << QStringLiteral("20")
                                      << QStringLiteral("über das Papier");
    QTest::newRow("no name") << QStringLiteral("sheetCodeEdit") << QString()
                             << QStringLiteral("Namen");
}

void TestWindowSheets::editorExplainsAndDraws() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, problemPart);
    SheetEditorDialog editor;
    LabelSheet sheet;
    sheet.maker = QStringLiteral("Eigene");
    sheet.codes = {QStringLiteral("Messe")};
    sheet.labelWidth = 63.5;
    sheet.labelHeight = 38.1;
    sheet.columns = 3;
    sheet.rows = 7;
    sheet.leftMargin = 7.21;
    sheet.topMargin = 15.15;
    sheet.horizontalPitch = 66.04;
    sheet.verticalPitch = 38.1;
    editor.setSheet(sheet);
    if (!field.isEmpty())
        editor.findChild<QLineEdit *>(field)->setText(text);
    auto *ok = editor.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    auto *problem = editor.findChild<QLabel *>(QStringLiteral("sheetProblemLabel"));
    QCOMPARE(ok->isEnabled(), problemPart.isEmpty());
    QVERIFY2(problemPart.isEmpty() ? problem->text().isEmpty()
                                   : problem->text().contains(problemPart),
             qPrintable(problem->text()));
    // The drawing follows the fields.
    const LabelSheet drawn =
        editor.findChild<SheetDrawing *>(QStringLiteral("sheetDrawing"))->sheet();
    QCOMPARE(drawn.labelWidth, field == QLatin1String("sheetWidthEdit") ? 62.5 : 63.5);
    QImage image(editor.findChild<QWidget *>(QStringLiteral("sheetDrawing"))->size(),
                 QImage::Format_RGB32);
    editor.findChild<QWidget *>(QStringLiteral("sheetDrawing"))->render(&image);
    QVERIFY(!image.isNull());
}

void TestWindowSheets::ownSheetIsSavedAndDeleted() {
    auto *chooser = window->findChild<SheetChooser *>();
    LabelSheet own;
    own.maker = QStringLiteral("Eigene");
    own.codes = {QStringLiteral("Messe 2027")};
    own.description = QStringLiteral("Namensschilder");
    own.labelWidth = 90;
    own.labelHeight = 55;
    own.columns = 2;
    own.rows = 5;
    own.leftMargin = 10;
    own.topMargin = 11;
    own.horizontalPitch = 100;
    own.verticalPitch = 55;
    chooser->saveOwnSheet(own);
    QCOMPARE(chosenCode(window.get()), QStringLiteral("Messe 2027"));
    QVERIFY(widget<QPushButton>("deleteSheetButton")->isEnabled());
    own.topMargin = 12.5;
    chooser->saveOwnSheet(own); // changed, not added again
    window = std::make_unique<MainWindow>();
    chooser = window->findChild<SheetChooser *>();
    QCOMPARE(window->ui.pagePreview->labelSheet().labelRect(0), QRectF(10, 12.5, 90, 55));
    QCOMPARE(std::count_if(chooser->sheets().begin(), chooser->sheets().end(),
                           [](const LabelSheet &s) { return s.maker == QLatin1String("Eigene"); }),
             1);
    QVERIFY(chooser->deleteChosenOwnSheet());
    QVERIFY(!window->ui.pagePreview->labelJob().chosenSheet());
    QVERIFY(!chooser->chooseSheet(QStringLiteral("Eigene"), QStringLiteral("Messe 2027")));
}

void TestWindowSheets::settingsRowsShowWholeOnTheirCaptions_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("first start on 1920 x 1080") << QSize(1280, 720);
    QTest::newRow("the form's size") << QSize(960, 720);
    QTest::newRow("small screen") << QSize(800, 600);
    QTest::newRow("large screen") << QSize(1700, 960);
}

void TestWindowSheets::settingsRowsShowWholeOnTheirCaptions() {
    QFETCH(QSize, size);
    window->resize(size);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->findChild<SheetChooser *>()->groupItem->setExpanded(true);
    QCoreApplication::processEvents();
    // Three lines of label text: the example row grows by two lines.
    widget<QLineEdit>("labelLine2Edit")->setText("zweite Zeile");
    emit widget<QLineEdit>("labelLine2Edit")->textEdited("zweite Zeile");
    widget<QLineEdit>("labelLine3Edit")->setText("dritte Zeile");
    emit widget<QLineEdit>("labelLine3Edit")->textEdited("dritte Zeile");
    QVERIFY(widget<QLabel>("labelTextExample")->text().contains("dritte Zeile"));
    QCoreApplication::processEvents();

    QTreeWidget *tree = window->ui.fileInfoTree;
    int rowsChecked = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        for (int column : {0, 1}) {
            QWidget *rowWidget = tree->itemWidget(*it, column);
            if (!rowWidget || (*it)->isHidden())
                continue;
            tree->scrollToItem(*it);
            QCoreApplication::processEvents();
            const QString fault = rowWidgetFault(tree->visualItemRect(*it), rowWidget);
            QVERIFY2(fault.isEmpty(), qPrintable((*it)->text(0) + ": " + fault));
            ++rowsChecked;
        }
    }
    QCOMPARE(rowsChecked, 16); // 6 settings, 4 label text rows, the design row, 5 sheet rows
    // Last, as it lays the rows out again. Fitting the captions again would not widen their column.
    const int captionWidth = tree->columnWidth(0);
    tree->resizeColumnToContents(0);
    QVERIFY2(tree->columnWidth(0) <= captionWidth, "a caption is cut");
}

QTEST_MAIN(TestWindowSheets)
#include "test_windowsheets.moc"
