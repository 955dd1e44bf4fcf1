#include "WindowTestSupport.h"
#include "app/ImportFailureText.h"
#include "app/MainWindow.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// Captions Vorname, Nachname, Anzahl, Menge and four people.
QList<QStringList> people() {
    return {{"Vorname", "Nachname", "Anzahl", "Menge"},
            {"Anna", QString::fromUtf8("Müller"), "3", "1"},
            {"Bert", "Schmidt", "", "4"},
            {"Carla", "Anders", "2", "5"},
            {"Dora", QString::fromUtf8("Müller"), "5", "2"}};
}

QStringList labelNames(MainWindow *window) {
    QStringList names;
    for (const LabelEntry &entry : window->ui.pagePreview->labels)
        names << QStringLiteral("%1=%2").arg(entry.name).arg(entry.quantity);
    return names;
}

} // namespace

class TestWindowLabels : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void settingsTreeRowsInOrder();
    void spinBoxLimits_data();
    void spinBoxLimits();
    void sizeBeforeImportChangesOnlyTheLayout();
    void importFillsTreeCombosAndLabels();
    void heightTwentyShowsTwoColumnsAndThirteenRows();
    void noLabelRowShowsZeroAndOnePage();
    void columnChangeRebuildsTheLabels();
    void filterNarrowsAndReturnsToPageOne();
    void searchTurnsPageAndLabelFollows();
    void searchStepsThroughMatches_data();
    void searchStepsThroughMatches();
    void pageButtonsStopAtTheEnds();
    void importKeepsSizeFilterAndSearch();
    void importAgainReleasesThePrevious();
    void failedImportKeepsEverything_data();
    void failedImportKeepsEverything();
    void emptySheetShowsOnePage();
    void fontDialogChoiceIsApplied_data();
    void fontDialogChoiceIsApplied();
    void importDialogAsksForExcelFiles_data();
    void importDialogAsksForExcelFiles();

private:
    QSpinBox *spin(const char *name);
    QComboBox *combo(const char *name);

    MainWindow *window = nullptr;
};

void TestWindowLabels::init() {
    window = new MainWindow;
}

void TestWindowLabels::cleanup() {
    delete window;
    window = nullptr;
}

QSpinBox *TestWindowLabels::spin(const char *name) {
    return window->findChild<QSpinBox *>(QLatin1String(name));
}

QComboBox *TestWindowLabels::combo(const char *name) {
    return window->findChild<QComboBox *>(QLatin1String(name));
}

void TestWindowLabels::settingsTreeRowsInOrder() {
    auto *tree = window->findChild<QTreeWidget *>("fileInfoTree");
    QVERIFY2(tree, "no fileInfoTree");
    // "Datei", then the label sheet rows.
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Etikettenbogen"));
    QTreeWidgetItem *file = tree->topLevelItem(0);
    QCOMPARE(file->text(0), QStringLiteral("Datei"));
    QVERIFY2(file->isExpanded(), "the Datei row starts collapsed");
    QStringList captions;
    for (int i = 0; i < file->childCount(); ++i) {
        captions << file->child(i)->text(0);
        if (file->child(i)->text(0) != QStringLiteral("Schriftart"))
            QVERIFY2(file->child(i)->text(1).isEmpty(),
                     qPrintable(file->child(i)->text(0) + " has a value before any import"));
    }
    QCOMPARE(captions,
             (QStringList{"Reihen", "Spalten", "Labelspalten", "Labelreihen", "Labelbreite",
                          QString::fromUtf8("Labelhöhe"), "Schriftart", "Kopfzeile nicht drucken",
                          "Spalte Namen", "Spalte Anzahl", "", "Beschriftung"}));
    QCOMPARE(window->findChild<QCheckBox *>("mergeCheck")->text(),
             QStringLiteral("Gleiche Etiketten zusammenfassen"));
    QCOMPARE(treeValue(window, "Schriftart"), QStringLiteral("Arial, 10 pt"));
    // The caption column is wide enough for its longest caption.
    const int needed = tree->fontMetrics().horizontalAdvance("Kopfzeile nicht drucken");
    QVERIFY2(tree->columnWidth(0) > needed,
             qPrintable(QStringLiteral("caption column %1 px for %2 px of text")
                            .arg(tree->columnWidth(0))
                            .arg(needed)));

    const QList<std::pair<QString, const char *>> widgets = {
        {"Labelbreite", "widthSpin"},
        {QString::fromUtf8("Labelhöhe"), "heightSpin"},
        {"Kopfzeile nicht drucken", "headerCheck"},
        {"Spalte Namen", "nameCombo"},
        {"Spalte Anzahl", "countCombo"}};
    for (const auto &[caption, name] : widgets) {
        QWidget *widget = tree->itemWidget(treeRow(window, caption), 1);
        QVERIFY2(widget, qPrintable("no widget in the row " + caption));
        QCOMPARE(widget->objectName(), QLatin1String(name));
    }
    QCOMPARE(combo("nameCombo")->count(), 0);
    QCOMPARE(combo("countCombo")->count(), 0);
}

void TestWindowLabels::spinBoxLimits_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("maximum");
    QTest::newRow("height") << "heightSpin" << 10 << 290;
    QTest::newRow("width") << "widthSpin" << 100 << 200;
}

void TestWindowLabels::spinBoxLimits() {
    QFETCH(QString, name);
    QFETCH(int, start);
    QFETCH(int, maximum);
    QSpinBox *box = spin(name.toLatin1());
    QVERIFY2(box, qPrintable("no spin box " + name));
    QCOMPARE(box->value(), start);
    QCOMPARE(box->suffix(), QStringLiteral("mm"));
    QCOMPARE(box->text(), QString::number(start) + "mm");
    QCOMPARE(box->minimum(), 1);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->singleStep(), 1);
    box->setValue(maximum + 1);
    QCOMPARE(box->value(), maximum);
    box->setValue(0);
    QCOMPARE(box->value(), 1);
    // Typed digits beyond the maximum are not taken either.
    box->selectAll();
    QTest::keyClicks(box, QString::number(maximum * 10));
    QVERIFY2(box->value() <= maximum, qPrintable(box->text()));
}

void TestWindowLabels::sizeBeforeImportChangesOnlyTheLayout() {
    spin("heightSpin")->setValue(20);
    QCOMPARE(window->ui.pagePreview->labelHeight, 20);
    QCOMPARE(window->ui.pagePreview->labelRows, 13);
    QVERIFY(treeValue(window, "Labelreihen").isEmpty());
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));
}

void TestWindowLabels::importFillsTreeCombosAndLabels() {
    window->adoptImporter(new TableImporter("namen.xls", people()));
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("namen.xls"));
    QCOMPARE(treeValue(window, "Reihen"), QStringLiteral("5"));
    QCOMPARE(treeValue(window, "Spalten"), QStringLiteral("4"));
    QCOMPARE(treeValue(window, "Labelspalten"), QStringLiteral("2"));
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("28"));

    const QStringList captions{"Vorname", "Nachname", "Anzahl", "Menge"};
    for (const char *name : {"nameCombo", "countCombo"}) {
        QStringList items;
        for (int i = 0; i < combo(name)->count(); ++i)
            items << combo(name)->itemText(i);
        // Index k is sheet column k; "(keine)" comes last.
        QCOMPARE(items,
                 name == QByteArray("countCombo") ? captions + QStringList{"(keine)"} : captions);
    }
    QCOMPARE(combo("nameCombo")->currentIndex(), 1);  // Nachname, the last "name"
    QCOMPARE(combo("countCombo")->currentIndex(), 3); // Menge, the last quantity caption
    // The caption row is a label too; Müller's later row replaces the quantity.
    QCOMPARE(labelNames(window),
             (QStringList{"Nachname=1", QString::fromUtf8("Müller=2"), "Schmidt=4", "Anders=5"}));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));
}

void TestWindowLabels::heightTwentyShowsTwoColumnsAndThirteenRows() {
    window->adoptImporter(new TableImporter("namen.xls", people()));
    spin("heightSpin")->setValue(20);
    QCOMPARE(treeValue(window, "Labelspalten"), QStringLiteral("2"));
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("13"));
    spin("widthSpin")->setValue(106);
    QCOMPARE(treeValue(window, "Labelspalten"), QStringLiteral("1"));
    QCOMPARE(window->ui.pagePreview->labelWidth, 106);
    QCOMPARE(window->ui.pagePreview->labelHeight, 20);
}

void TestWindowLabels::noLabelRowShowsZeroAndOnePage() {
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
    spin("heightSpin")->setValue(149);
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("0"));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));
    window->ui.nextButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));

    auto *print = window->findChild<QAction *>("actionD_rucken");
    QVERIFY2(print, "no actionD_rucken");
    print->trigger();
    auto *message = window->findChild<QMessageBox *>("noLabelFitsMessage");
    QVERIFY2(message && message->isVisible(), "printing did not say that no label fits");
    message->accept();
}

void TestWindowLabels::columnChangeRebuildsTheLabels() {
    window->adoptImporter(new TableImporter("namen.xls", people()));
    window->ui.filterEdit->setText("M");
    QCOMPARE(labelNames(window), (QStringList{QString::fromUtf8("Müller=2")}));

    combo("countCombo")->setCurrentIndex(2); // Anzahl
    QCOMPARE(labelNames(window), (QStringList{QString::fromUtf8("Müller=5")}));

    window->ui.filterEdit->clear();
    combo("nameCombo")->setCurrentIndex(0); // Vorname
    QCOMPARE(labelNames(window),
             (QStringList{"Vorname=1", "Anna=3", "Bert=1", "Carla=2", "Dora=5"}));
}

void TestWindowLabels::filterNarrowsAndReturnsToPageOne() {
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    window->ui.nextButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));

    QTest::keyClicks(window->ui.filterEdit, "name2");
    QCOMPARE(window->ui.pagePreview->currentPage, 0);
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));
    QCOMPARE(window->ui.pagePreview->labels.size(), 10); // Name20 to Name29
    QVERIFY(window->ui.pagePreview->labels.contains("Name25"));
    QVERIFY(!window->ui.pagePreview->labels.contains("Name30"));

    window->ui.filterEdit->clear();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
    QCOMPARE(window->ui.pagePreview->labels.totalCopies(), 61);
}

void TestWindowLabels::searchTurnsPageAndLabelFollows() {
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    // Name28's first copy is the 56th label (after the caption's), Name29's the 58th.
    window->ui.searchEdit->setText("name28");
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
    window->ui.searchEdit->setText("NAME29");
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));
    QCOMPARE(window->ui.pagePreview->searchText, QStringLiteral("NAME29"));

    // No match: the page stays.
    window->ui.searchEdit->setText("Zoe");
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));

    // The filter keeps the search text; the list starts again on page 1.
    window->ui.filterEdit->setText("n");
    QCOMPARE(window->ui.pagePreview->searchText, QStringLiteral("Zoe"));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
}

void TestWindowLabels::searchStepsThroughMatches_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("steps"); // keys, or "filter TEXT"
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("page");

    // "name2" finds Name20 to Name29: 10 entries, 20 labels; only Name29's
    // first copy (the 58th label) is on page 2.
    const QString all = QStringLiteral("31 Namen, 61 Labels. ");
    QTest::newRow("typed: the first match") << "name2" << QStringList{} << all + "Treffer 1 von 10."
                                            << "Seite 1/2";
    QTest::newRow("F3 counts entries, not copies")
        << "name2" << QStringList{"F3", "F3"} << all + "Treffer 3 von 10."
        << "Seite 1/2";
    QTest::newRow("the last match turns the page")
        << "name29" << QStringList{} << all + "Treffer 1 von 1."
        << "Seite 2/2";
    QTest::newRow("Return nine times: the last")
        << "name2" << QStringList(9, "Return") << all + "Treffer 10 von 10."
        << "Seite 2/2";
    QTest::newRow("F3 past the last wraps to the first")
        << "name2" << QStringList(10, "F3") << all + "Treffer 1 von 10."
        << "Seite 1/2";
    QTest::newRow("Shift+F3 before the first wraps to the last")
        << "name2" << QStringList{"Shift+F3"} << all + "Treffer 10 von 10."
        << "Seite 2/2";
    QTest::newRow("Shift+F3 goes back")
        << "name2" << QStringList{"F3", "F3", "Shift+F3"} << all + "Treffer 2 von 10."
        << "Seite 1/2";
    QTest::newRow("any letter case, the caption row too")
        << "NAME" << QStringList{"Shift+F3"} << all + "Treffer 31 von 31."
        << "Seite 2/2";
    QTest::newRow("no match: F3 keeps the page")
        << "zz" << QStringList{"F3", "Shift+F3"}
        << all + QString::fromUtf8("Die Suche nach „zz“ findet keinen Namen.") << "Seite 1/2";
    QTest::newRow("a filter counts again, none current")
        << "name2" << QStringList{"F3", "filter Name2"}
        << QStringLiteral("10 Namen, 20 Labels. 10 Treffer.") << "Seite 1/1";
    QTest::newRow("F3 after a filter: the first")
        << "name29" << QStringList{"filter Name2", "F3"}
        << QStringLiteral("10 Namen, 20 Labels. Treffer 1 von 1.") << "Seite 1/1";
}

void TestWindowLabels::searchStepsThroughMatches() {
    QFETCH(QString, search);
    QFETCH(QStringList, steps);
    QFETCH(QString, found);
    QFETCH(QString, page);
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->ui.searchEdit->setFocus();
    window->ui.searchEdit->setText(search);
    for (const QString &step : steps) {
        if (step.startsWith("filter "))
            window->ui.filterEdit->setText(step.section(' ', 1));
        else if (step == "Return")
            QTest::keyClick(window->ui.searchEdit, Qt::Key_Return);
        else // F3 works wherever the focus is
            QTest::keyClick(window->ui.pagePreview, Qt::Key_F3,
                            step == "Shift+F3" ? Qt::ShiftModifier : Qt::NoModifier);
    }
    // The list's caption row "Name" prints, and the status line says so last.
    const QString captionRow = QString::fromUtf8(
        "Die Kopfzeile wird als Label gedruckt („Kopfzeile nicht drucken“ lässt sie weg).");
    QCOMPARE(window->ui.statusLabel->text(), found + QLatin1Char(' ') + captionRow);
    QCOMPARE(pageLabel(window), page);
}

void TestWindowLabels::pageButtonsStopAtTheEnds() {
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));
    window->ui.nextButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));

    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    window->ui.prevButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
    window->ui.nextButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));
    window->ui.nextButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));
    window->ui.prevButton->click();
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
}

void TestWindowLabels::importKeepsSizeFilterAndSearch() {
    window->adoptImporter(new TableImporter("a.xls", thirtyPairs()));
    spin("heightSpin")->setValue(30);
    spin("widthSpin")->setValue(60);
    window->ui.filterEdit->setText("name1");
    window->ui.searchEdit->setText("name15");
    const QFont font(QStringLiteral("Liberation Serif"), 12);
    window->ui.pagePreview->labelFont = font;

    window->adoptImporter(new TableImporter("b.xls", thirtyPairs()));
    // The layout is the user's choice, not the file's.
    QCOMPARE(spin("heightSpin")->value(), 30);
    QCOMPARE(spin("widthSpin")->value(), 60);
    QCOMPARE(window->ui.pagePreview->labelHeight, 30);
    QCOMPARE(window->ui.pagePreview->labelWidth, 60);
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("8"));
    QCOMPARE(window->ui.filterEdit->text(), QStringLiteral("name1"));
    QCOMPARE(window->ui.pagePreview->labels.size(), 10); // the filter applies to the new file
    QCOMPARE(window->ui.pagePreview->searchText, QStringLiteral("name15"));
    QCOMPARE(window->ui.pagePreview->labelFont, font);
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("b.xls"));
}

void TestWindowLabels::importAgainReleasesThePrevious() {
    QPointer<QXLSImporter> first = new TableImporter("a.xls", people());
    window->adoptImporter(first);
    QCOMPARE(first->parent(), window);
    QPointer<QXLSImporter> second = new TableImporter("b.xls", thirtyPairs());
    window->adoptImporter(second);
    QVERIFY2(first.isNull(), "the previous importer is still alive");
    QVERIFY(!second.isNull());
    QCOMPARE(window->findChildren<QXLSImporter *>().size(), 1);

    // Same captions, other people: the labels are the new file's.
    window->adoptImporter(new TableImporter("c.xls", {{"Name", "Anzahl"}, {"Zoe", "3"}}));
    QCOMPARE(labelNames(window), (QStringList{"Name=1", "Zoe=3"}));
}

void TestWindowLabels::failedImportKeepsEverything_data() {
    QTest::addColumn<bool>("textFile"); // false: a path that does not exist
    QTest::newRow("nonexistent path") << false;
    QTest::newRow("PDF named .xls") << true;
}

void TestWindowLabels::failedImportKeepsEverything() {
    QFETCH(bool, textFile);
    QTemporaryDir dir;
    QString path = dir.filePath("fehlt/namen.xls");
    if (textFile) {
        path = dir.filePath("namen.xls");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }

    QPointer<QXLSImporter> previous = new TableImporter("alt.xls", people());
    window->adoptImporter(previous);
    spin("heightSpin")->setValue(20);
    combo("countCombo")->setCurrentIndex(2);
    window->ui.nextButton->click();
    const QStringList labelsBefore = labelNames(window);
    const QString pageBefore = pageLabel(window);

    QVERIFY(!window->importXLSFile(path));

    auto *message = window->findChild<QMessageBox *>("importFailedMessage");
    QVERIFY2(message, "no message about the failed import");
    QVERIFY2(message->isVisible(), "the failure message is not shown");
    QCOMPARE(message->windowModality(), Qt::WindowModal);
    QVERIFY2(message->text().contains("namen.xls"), qPrintable(message->text()));
    QVERIFY2(!message->informativeText().isEmpty(), "the message gives no reason");
    QVERIFY2(message->informativeText() == importFailureReason(xls::ReadErrorCode::FileNotOpened) ||
                 message->informativeText() ==
                     importFailureReason(xls::ReadErrorCode::NotCompoundFile),
             qPrintable("unexpected reason: " + message->informativeText()));
    QVERIFY2(!message->detailedText().isEmpty(), "no detail from the reader");
    message->accept();

    QVERIFY2(!previous.isNull(), "the previous importer was released");
    QCOMPARE(window->findChildren<QXLSImporter *>().size(), 1);
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("alt.xls"));
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("13"));
    QCOMPARE(spin("heightSpin")->value(), 20);
    QCOMPARE(combo("countCombo")->currentIndex(), 2);
    QCOMPARE(combo("countCombo")->count(), 5); // with "(keine)"
    QCOMPARE(labelNames(window), labelsBefore);
    QCOMPARE(pageLabel(window), pageBefore);
}

void TestWindowLabels::emptySheetShowsOnePage() {
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    window->adoptImporter(new TableImporter("leer.xls", {}));
    QCOMPARE(combo("nameCombo")->count(), 0);
    QCOMPARE(combo("countCombo")->count(), 1); // "(keine)" only
    QVERIFY(window->ui.pagePreview->labels.isEmpty());
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("leer.xls"));
    QCOMPARE(treeValue(window, "Reihen"), QStringLiteral("0"));
    QVERIFY2(!window->findChild<QMessageBox *>(), "a message for an empty sheet");
}

void TestWindowLabels::fontDialogChoiceIsApplied_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestWindowLabels::fontDialogChoiceIsApplied() {
    QFETCH(bool, accept);
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    window->ui.nextButton->click();
    const QFont before = window->ui.pagePreview->labelFont;
    QFont offered;
    bool handled = false;
    whenModal<QFontDialog>(
        [&](QFontDialog *dialog) {
            offered = dialog->currentFont();
            dialog->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 16, QFont::Bold));
            accept ? dialog->accept() : dialog->reject();
        },
        &handled);
    window->findChild<QAction *>("actionSchriftart")->trigger();
    QVERIFY2(handled, "no font dialog was shown");
    // The dialog starts from the label font (the family as the font list names it).
    QCOMPARE(offered.pointSize(), before.pointSize());
    if (accept) {
        QCOMPARE(window->ui.pagePreview->labelFont.family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(window->ui.pagePreview->labelFont.pointSize(), 16);
        QVERIFY(window->ui.pagePreview->labelFont.bold());
        // The labels are rebuilt, which returns to the first page.
        QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
    } else {
        QCOMPARE(window->ui.pagePreview->labelFont, before);
        QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));
    }
}

void TestWindowLabels::importDialogAsksForExcelFiles_data() {
    QTest::addColumn<bool>("documentsFolder");
    QTest::addColumn<bool>("importedBefore");
    QTest::addColumn<QString>("startsIn"); // relative to the home folder
    QTest::newRow("home only: the home folder") << false << false << "";
    QTest::newRow("with a documents folder") << true << false << "Documents";
    QTest::newRow("after an import: its folder") << true << true << "Listen";
}

void TestWindowLabels::importDialogAsksForExcelFiles() {
    QFETCH(bool, documentsFolder);
    QFETCH(bool, importedBefore);
    QFETCH(QString, startsIn);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    if (documentsFolder)
        QVERIFY(QDir(home.path()).mkpath("Documents"));
    if (importedBefore) {
        QVERIFY(QDir(home.path()).mkpath("Listen"));
        const QString copy = home.filePath("Listen/namen.xls");
        QVERIFY(QFile::copy(testpaths::dataFile("workbooks/namensliste-xlwt.xls"), copy));
        QVERIFY(window->importXLSFile(copy));
    }

    QString title;
    QStringList filters;
    QString directory;
    bool handled = false;
    whenModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            directory = dialog->directory().absolutePath();
            dialog->reject();
        },
        &handled);
    window->findChild<QAction *>("actionXLS_Importieren")->trigger();
    qputenv("HOME", oldHome);

    QVERIFY2(handled, "no file dialog was shown");
    QCOMPARE(title, QString::fromUtf8("Exceldatei öffnen"));
    QCOMPARE(filters, QStringList{"Excel Dateien (*.xls)"});
    QCOMPARE(directory, QDir(home.filePath(startsIn)).absolutePath());
    // Cancelled: nothing changed, nothing said.
    QCOMPARE(window->findChildren<QXLSImporter *>().size(), importedBefore ? 1 : 0);
    QVERIFY(!window->findChild<QMessageBox *>());
}

QTEST_MAIN(TestWindowLabels)
#include "test_windowlabels.moc"
