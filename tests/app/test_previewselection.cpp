#include "app/ReceptionDesk.h"
#include "pages/QPagePreview.h"

#include "PdfLabels.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// Entries Anna to Hanna, Bert twice: slot 0 Anna, 1 and 2 Bert, 3 Clara,
// 4 Dieter, 5 Emil, 6 Frida, 7 Gustav, 8 Hanna.
const QList<QStringList> eightNames{{"Name", "Anzahl"}, {"Anna", "1"},   {"Bert", "2"},
                                    {"Clara", "1"},     {"Dieter", "1"}, {"Emil", "1"},
                                    {"Frida", "1"},     {"Gustav", "1"}, {"Hanna", "1"}};

// The green of the desk's "gedruckt" tag, as the preview paints it.
const QColor printedGreen(0, 140, 60);

// The middle of a label slot of the page shown, in the viewport.
QPoint slotCentre(const QPagePreview &preview, int slot) {
    const QRectF label = preview.labelSheet().labelRect(slot);
    return preview.sheetOrigin() + (label.center() * preview.previewScale()).toPoint();
}

// The labels of a PDF's pages in slot order, on the sheet the preview uses.
QStringList printedLabels(const QString &pdf, const LabelSheet &sheet, QString *error) {
    QStringList labels;
    for (const pdflabels::Page &page : pdflabels::readPages(pdf, error))
        for (const pdflabels::LabelWords &label : pdflabels::labelWords(page, sheet))
            labels << label.text;
    return labels;
}

// Pixels of the colour inside a rectangle of the image.
int pixelsOf(const QImage &image, const QRect &area, const QColor &colour) {
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

} // namespace

// Labels picked in the window's preview with the mouse print alone, through
// the print dialog, into a PDF read back; the desk's marks show on the
// screen and never on paper.
class TestPreviewSelection : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clicksPickWhatPrints_data();
    void clicksPickWhatPrints();
    void deskMarksShowOnTheScreenOnly();

private:
    // Opens the preview's context menu over a slot (-1: beside the labels)
    // and clicks the entry; false when the entry is there but disabled.
    bool chooseFromMenu(int slot, const QString &entry);

    std::unique_ptr<MainWindow> window;
    QPagePreview *preview = nullptr;
    QTemporaryDir dir;
    QString pdf;
    // Whether the dialog offered the selection, chosen, when it opened.
    bool selectionChosen = false;
};

void TestPreviewSelection::init() {
    privateConfigHome.startAfresh();
    window = std::make_unique<MainWindow>();
    window->findChild<QCheckBox *>("headerCheck")->setChecked(true);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    preview = window->findChild<QPagePreview *>("pagePreview");
    pdf = dir.filePath("auswahl.pdf");
    QFile::remove(pdf);
    selectionChosen = false;
    preview->runPrintDialog = [this](QPrintDialog &dialog) {
        selectionChosen = dialog.testOption(QAbstractPrintDialog::PrintSelection) &&
                          dialog.printRange() == QAbstractPrintDialog::Selection;
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        return true;
    };
}

void TestPreviewSelection::cleanup() {
    window.reset();
}

bool TestPreviewSelection::chooseFromMenu(int slot, const QString &entry) {
    const QPoint at = slot >= 0 ? slotCentre(*preview, slot) : QPoint(2, 2);
    QTest::mouseClick(preview->viewport(), Qt::RightButton, {}, at);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    auto *action = menu ? menu->findChild<QAction *>(entry) : nullptr;
    if (!action) {
        qWarning() << "no menu entry" << entry;
        return false;
    }
    const bool enabled = action->isEnabled();
    if (enabled)
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    else
        menu->close();
    return enabled;
}

void TestPreviewSelection::clicksPickWhatPrints_data() {
    // Clicks as "SLOT" with "ctrl ", "shift " or "ctrl+shift " before it;
    // "beside" clicks beside every label.
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("menuSlot"); // where the right button opens the menu
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("printed"); // empty: the last entry is disabled

    const QStringList printSelection{"printSelection"};
    QTest::newRow("a click picks one label")
        << QString() << QStringList{"3"} << 0 << printSelection << QStringList{"Clara"};
    QTest::newRow("a second click picks another instead")
        << QString() << QStringList{"3", "5"} << 0 << printSelection << QStringList{"Emil"};
    QTest::newRow("Ctrl+click adds and takes away")
        << QString() << QStringList{"0", "ctrl 4", "ctrl 6", "ctrl 4"} << 6 << printSelection
        << QStringList{"Anna", "Frida"};
    QTest::newRow("Shift+click picks the range back to the last click, every copy")
        << QString() << QStringList{"6", "shift 2"} << 3 << printSelection
        << QStringList{"Bert", "Bert", "Clara", "Dieter", "Emil", "Frida"};
    QTest::newRow("a second Shift+click moves the range's end")
        << QString() << QStringList{"4", "shift 8", "shift 5"} << 3 << printSelection
        << QStringList{"Dieter", "Emil"};
    QTest::newRow("Ctrl+Shift+click adds a range")
        << QString() << QStringList{"0", "ctrl 5", "ctrl+shift 7"} << 0 << printSelection
        << QStringList{"Anna", "Emil", "Frida", "Gustav"};
    QTest::newRow("the right button prints the label under it once")
        << QString() << QStringList{"0"} << 2 << QStringList{"printThisLabel"}
        << QStringList{"Bert"};
    QTest::newRow("a click beside the labels picks none")
        << QString() << QStringList{"0", "beside"} << 0 << printSelection << QStringList();
    QTest::newRow("every match of the search")
        << "a" << QStringList() << -1 << QStringList{"selectMatches", "printSelection"}
        << QStringList{"Anna", "Clara", "Frida", "Gustav", "Hanna"};
}

void TestPreviewSelection::clicksPickWhatPrints() {
    QFETCH(QString, search);
    QFETCH(QStringList, clicks);
    QFETCH(int, menuSlot);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, printed);
    window->adoptImporter(new TableImporter("liste.xls", eightNames));
    window->findChild<QLineEdit *>("searchEdit")->setText(search);
    for (const QString &click : clicks) {
        const QString slot = click.section(QLatin1Char(' '), -1);
        const QString keys = click.section(QLatin1Char(' '), 0, -2);
        Qt::KeyboardModifiers modifiers;
        if (keys.contains("ctrl"))
            modifiers |= Qt::ControlModifier;
        if (keys.contains("shift"))
            modifiers |= Qt::ShiftModifier;
        const QPoint at = slot == "beside" ? QPoint(2, 2) : slotCentre(*preview, slot.toInt());
        QTest::mouseClick(preview->viewport(), Qt::LeftButton, modifiers, at);
    }
    bool enabled = true;
    for (const QString &entry : entries)
        enabled = chooseFromMenu(menuSlot, entry);
    QCOMPARE(enabled, !printed.isEmpty());
    if (printed.isEmpty()) {
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QVERIFY(selectionChosen);
    QString error;
    QCOMPARE(printedLabels(pdf, preview->labelSheet(), &error), printed);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestPreviewSelection::deskMarksShowOnTheScreenOnly() {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    const QString list = dir.filePath("gäste.csv");
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Name\r\nAnna\r\nBert\r\nClara\r\n");
    file.close();
    QVERIFY(window->importXLSFile(list));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // The tag stands in the label's top right corner.
    auto tagPixelsIn = [](QPagePreview *preview, int slot) {
        const QImage screen = preview->viewport()->grab().toImage();
        const QRectF label = preview->labelSheet().labelRect(slot);
        const QRect shown(preview->sheetOrigin() +
                              (label.topLeft() * preview->previewScale()).toPoint(),
                          (label.size() * preview->previewScale()).toSize());
        return pixelsOf(screen, shown, printedGreen);
    };
    auto tagPixels = [&](int slot) {
        return tagPixelsIn(preview, slot);
    };
    QCOMPARE(tagPixels(1), 0);

    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    auto *desk = window->findChild<ReceptionDesk *>("receptionDesk");
    QVERIFY(desk && QTest::qWaitForWindowActive(desk));
    desk->choosePrinter = [this](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("empfang.pdf"));
        return true;
    };
    auto *search = desk->findChild<QLineEdit *>("deskSearchEdit");
    search->setText("Bert");
    QTest::keyClick(search, Qt::Key_Return);
    desk->close();

    QVERIFY2(tagPixels(1) > 0, "no mark on Bert's label");
    QCOMPARE(tagPixels(0), 0);
    QCOMPARE(tagPixels(2), 0);
    {
        // After a restart the mark shows before the desk is opened.
        auto restarted = std::make_unique<MainWindow>();
        restarted->findChild<QCheckBox *>("headerCheck")->setChecked(true);
        QVERIFY(restarted->importXLSFile(list));
        restarted->show();
        QVERIFY(QTest::qWaitForWindowExposed(restarted.get()));
        auto *shown = restarted->findChild<QPagePreview *>("pagePreview");
        QVERIFY2(tagPixelsIn(shown, 1) > 0, "no mark on Bert's label after a restart");
        QCOMPARE(tagPixelsIn(shown, 0), 0);
    }
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QCOMPARE(preview->printPageRange(printer, 0, 0), 3);
    }
    QString error;
    QCOMPARE(printedLabels(pdf, preview->labelSheet(), &error),
             (QStringList{"Anna", "Bert", "Clara"}));
    const QImage paper = pdflabels::rasterPage(pdf, 1, 150, &error);
    QVERIFY2(!paper.isNull(), qPrintable(error));
    QCOMPARE(pixelsOf(paper, paper.rect(), printedGreen), 0);
}

QTEST_MAIN(TestPreviewSelection)
#include "test_previewselection.moc"
