#include "WindowTestSupport.h"
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/StyleSheet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

// Closing the window writes its settings: into a folder of the test's own.
static windowtest::PrivateConfigHome privateConfigHome;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formObjectsExist_data();
    void formObjectsExist();
    void menusInOrder_data();
    void menusInOrder();
    void everyActionHasAnIcon();
    void startState();
    void fixedSizes_data();
    void fixedSizes();
    void layoutSpacings_data();
    void layoutSpacings();
    void slotsInOrder();
    void signalsAreConnected_data();
    void signalsAreConnected();
    void styleSheetRulesInOrder();
    void quitClosesTheWindow();
    void aboutOpensANewWindowEachTime();

private:
    MainWindow *window = nullptr;
};

void TestMainWindow::init() {
    window = new MainWindow;
}

void TestMainWindow::cleanup() {
    delete window;
    window = nullptr;
}

void TestMainWindow::formObjectsExist_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    const QList<std::pair<const char *, const char *>> objects = {
        {"actionOeffnen", "QAction"},
        {"actionD_rucken", "QAction"},
        {"actionXLS_Importieren", "QAction"},
        {"actionCVS_Importieren", "QAction"},
        {"actionXML_Importieren", "QAction"},
        {"action_Beenden", "QAction"},
        {"action_ber_Qt", "QAction"},
        {"action_ber_Tagomat", "QAction"},
        {"actionSchriftart", "QAction"},
        {"centralWidget", "QWidget"},
        {"horizontalLayout_2", "QHBoxLayout"},
        {"splitter", "QSplitter"},
        {"fileInfoTree", "QTreeWidget"},
        {"verticalLayoutWidget", "QWidget"},
        {"verticalLayout", "QVBoxLayout"},
        {"horizontalLayout_4", "QHBoxLayout"},
        {"label_2", "QLabel"},
        {"filterEdit", "QLineEdit"},
        {"horizontalLayout_3", "QHBoxLayout"},
        {"label", "QLabel"},
        {"searchEdit", "QLineEdit"},
        {"pagePreview", "QPagePreview"},
        {"horizontalLayout", "QHBoxLayout"},
        {"pageLabel", "QLabel"},
        {"pageEdit", "QLineEdit"},
        {"pageCountLabel", "QLabel"},
        {"firstButton", "QPushButton"},
        {"lastButton", "QPushButton"},
        {"zoomCombo", "QComboBox"},
        {"statusLabel", "QLabel"},
        {"prevButton", "QPushButton"},
        {"nextButton", "QPushButton"},
        {"menuBar", "QMenuBar"},
        {"menu_Datei", "QMenu"},
        {"menuHilfe", "QMenu"},
        {"menuFormat", "QMenu"},
        {"mainToolBar", "QToolBar"},
    };
    for (const auto &[name, className] : objects)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className);
}

void TestMainWindow::formObjectsExist() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QObject *object = window->findChild<QObject *>(name);
    QVERIFY2(object, qPrintable("no form object named " + name));
    QVERIFY2(object->inherits(className.toLatin1()),
             qPrintable(name + " is a " + object->metaObject()->className()));
}

void TestMainWindow::menusInOrder_data() {
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries"); // "-" stands for a separator

    QTest::newRow("Datei") << "menu_Datei"
                           << "&Datei"
                           << QStringList{QString::fromUtf8("Ö&ffnen..."),
                                          "D&rucken",
                                          "-",
                                          "&XLS Importieren...",
                                          "&CSV Importieren...",
                                          "X&ML Importieren...",
                                          "-",
                                          "&Empfang",
                                          "-",
                                          "&Beenden"};
    QTest::newRow("Format") << "menuFormat"
                            << "F&ormat" << QStringList{"&Schriftart..."};
    QTest::newRow("Hilfe") << "menuHilfe"
                           << "&Hilfe"
                           << QStringList{QString::fromUtf8("Über &Tagomat"),
                                          QString::fromUtf8("Über &Qt")};
}

void TestMainWindow::menusInOrder() {
    QFETCH(QString, menuName);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);

    auto *menu = window->findChild<QMenu *>(menuName);
    QVERIFY2(menu, qPrintable("no menu named " + menuName));
    QCOMPARE(menu->title(), title);
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, entries);

    QStringList barTitles;
    for (QAction *action : window->menuBar()->actions())
        barTitles << action->text();
    QCOMPARE(barTitles, (QStringList{"&Datei", "F&ormat", "&Hilfe"}));

    // Every keyboard path is unique: no two entries of a menu share their letter.
    QStringList letters;
    for (const QString &entry : entries) {
        const qsizetype amp = entry.indexOf(QLatin1Char('&'));
        if (entry == QStringLiteral("-"))
            continue;
        QVERIFY2(amp >= 0 && amp + 1 < entry.size(), qPrintable(entry + " has no mnemonic"));
        const QString letter = entry.mid(amp + 1, 1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable("the letter " + letter + " twice"));
        letters << letter;
    }
}

void TestMainWindow::everyActionHasAnIcon() {
    const QList<QAction *> actions =
        window->findChildren<QAction *>(QRegularExpression("^action"), Qt::FindDirectChildrenOnly);
    QCOMPARE(actions.size(), 10);
    for (QAction *action : actions) {
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName() + " has no icon"));
        // Printing and "Öffnen..." have the standard shortcuts, the desk Ctrl+E.
        const QKeySequence expected = action->objectName() == QStringLiteral("actionD_rucken")
                                          ? QKeySequence(QStringLiteral("Ctrl+P"))
                                      : action->objectName() == QStringLiteral("actionOeffnen")
                                          ? QKeySequence(QKeySequence::Open)
                                      : action->objectName() == QStringLiteral("actionEmpfang")
                                          ? QKeySequence(QStringLiteral("Ctrl+E"))
                                          : QKeySequence();
        QCOMPARE(action->shortcut(), expected);
    }
    for (const char *button : {"firstButton", "prevButton", "nextButton", "lastButton"}) {
        auto *push = window->findChild<QPushButton *>(button);
        QVERIFY2(push && !push->icon().isNull(), button);
        QVERIFY2(push->text().isEmpty(), button);
    }
}

void TestMainWindow::startState() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Tagomat"));
    QCOMPARE(window->size(), QSize(960, 720));
    QCOMPARE(window->objectName(), QStringLiteral("MainWindowClass"));

    auto *tree = window->findChild<QTreeWidget *>("fileInfoTree");
    QVERIFY2(tree, "no fileInfoTree");
    QCOMPARE(tree->headerItem()->text(0), QStringLiteral("Eigenschaft"));
    QCOMPARE(tree->headerItem()->text(1), QStringLiteral("Wert"));

    auto *pageLabel = window->findChild<QLabel *>("pageLabel");
    QVERIFY2(pageLabel, "no pageLabel");
    QCOMPARE(pageLabel->text(), QStringLiteral("Seite"));
    QCOMPARE(window->findChild<QLineEdit *>("pageEdit")->text(), QStringLiteral("1"));
    QCOMPARE(window->findChild<QLabel *>("pageCountLabel")->text(), QStringLiteral("/ 1"));
    QCOMPARE(window->findChild<QComboBox *>("zoomCombo")->currentText(),
             QStringLiteral("Ganze Seite"));
    // Nothing to print before an import.
    QVERIFY(!window->findChild<QAction *>("actionD_rucken")->isEnabled());
    QCOMPARE(window->findChild<QLabel *>("label_2")->text(), QStringLiteral("Filter:"));
    QCOMPARE(window->findChild<QLabel *>("label")->text(), QStringLiteral("Suche:"));

    auto *preview = window->ui.pagePreview;
    QCOMPARE(preview->labelWidth, 100);
    QCOMPARE(preview->labelHeight, 10);
    QCOMPARE(preview->labelColumns, 2);
    QCOMPARE(preview->labelRows, 28);
    QCOMPARE(preview->labelFont.family(), QStringLiteral("Arial"));
    QCOMPARE(preview->labelFont.pointSize(), 10);
    QCOMPARE(preview->labelFont.italic(), false);
    QCOMPARE(preview->labelFont.weight(), QFont::Normal);
}

void TestMainWindow::fixedSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<int>("horizontalPolicy");
    QTest::addColumn<int>("verticalPolicy");

    const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::newRow("preview") << "pagePreview" << QSize(220, 290) << unbounded
                             << int(QSizePolicy::Expanding) << int(QSizePolicy::Expanding);
    QTest::newRow("previous") << "prevButton" << QSize(24, 24) << QSize(24, 24)
                              << int(QSizePolicy::Minimum) << int(QSizePolicy::Fixed);
    QTest::newRow("next") << "nextButton" << QSize(24, 24) << QSize(24, 24)
                          << int(QSizePolicy::Minimum) << int(QSizePolicy::Fixed);
    QTest::newRow("first") << "firstButton" << QSize(24, 24) << QSize(24, 24)
                           << int(QSizePolicy::Minimum) << int(QSizePolicy::Fixed);
    QTest::newRow("last") << "lastButton" << QSize(24, 24) << QSize(24, 24)
                          << int(QSizePolicy::Minimum) << int(QSizePolicy::Fixed);
    QTest::newRow("tree") << "fileInfoTree" << QSize(0, 0) << unbounded
                          << int(QSizePolicy::Preferred) << int(QSizePolicy::Preferred);
}

void TestMainWindow::fixedSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(int, horizontalPolicy);
    QFETCH(int, verticalPolicy);

    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable("no widget named " + name));
    QCOMPARE(widget->minimumSize(), minimum);
    QCOMPARE(widget->maximumSize(), maximum);
    QCOMPARE(int(widget->sizePolicy().horizontalPolicy()), horizontalPolicy);
    QCOMPARE(int(widget->sizePolicy().verticalPolicy()), verticalPolicy);
}

void TestMainWindow::layoutSpacings_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<int>("itemCount");

    QTest::newRow("central") << "horizontalLayout_2" << 6 << QMargins(11, 11, 11, 11) << 1;
    // The form's five rows and the first-and-last-name offer under the status line.
    QTest::newRow("right pane") << "verticalLayout" << 6 << QMargins(0, 0, 0, 0) << 6;
    QTest::newRow("filter row") << "horizontalLayout_4" << 6 << QMargins(0, 0, 0, 0) << 2;
    QTest::newRow("search row") << "horizontalLayout_3" << 6 << QMargins(0, 0, 0, 0) << 2;
    QTest::newRow("page row") << "horizontalLayout" << 6 << QMargins(0, 0, 0, 0) << 10;
}

void TestMainWindow::layoutSpacings() {
    QFETCH(QString, name);
    QFETCH(int, spacing);
    QFETCH(QMargins, margins);
    QFETCH(int, itemCount);

    auto *layout = window->findChild<QLayout *>(name);
    QVERIFY2(layout, qPrintable("no layout named " + name));
    QCOMPARE(layout->spacing(), spacing);
    QCOMPARE(layout->contentsMargins(), margins);
    QCOMPARE(layout->count(), itemCount);
}

void TestMainWindow::slotsInOrder() {
    const QMetaObject &meta = MainWindow::staticMetaObject;
    QStringList signatures;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        QCOMPARE(meta.method(i).methodType(), QMetaMethod::Slot);
        signatures << QString::fromLatin1(meta.method(i).methodSignature());
    }
    QCOMPARE(signatures,
             (QStringList{"slotOpen()", "slotImportXLS()", "slotImportXML()", "slotImportCVS()",
                          "slotUpdateFileInfo()", "setLabelSize()", "printPages()", "selectFont()",
                          "nextPage()", "previousPage()", "reloadPage(QString)", "about()",
                          "scrollToName(QString)"}));
}

void TestMainWindow::signalsAreConnected_data() {
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<bool>("toApplication");
    QTest::addColumn<QByteArray>("slot");

    auto row = [](const char *sender, const char *signal, const char *slot, bool app = false) {
        QTest::newRow(sender) << sender << QByteArray(signal) << app << QByteArray(slot);
    };
    row("action_Beenden", SIGNAL(triggered()), SLOT(close()));
    row("action_ber_Qt", SIGNAL(triggered()), SLOT(aboutQt()), true);
    row("action_ber_Tagomat", SIGNAL(triggered()), SLOT(about()));
    row("actionOeffnen", SIGNAL(triggered()), SLOT(slotOpen()));
    row("actionXLS_Importieren", SIGNAL(triggered()), SLOT(slotImportXLS()));
    row("actionXML_Importieren", SIGNAL(triggered()), SLOT(slotImportXML()));
    row("actionCVS_Importieren", SIGNAL(triggered()), SLOT(slotImportCVS()));
    row("actionD_rucken", SIGNAL(triggered()), SLOT(printPages()));
    row("actionSchriftart", SIGNAL(triggered()), SLOT(selectFont()));
    row("searchEdit", SIGNAL(textChanged(QString)), SLOT(scrollToName(QString)));
    row("filterEdit", SIGNAL(textChanged(QString)), SLOT(reloadPage(QString)));
    row("nextButton", SIGNAL(clicked()), SLOT(nextPage()));
    row("prevButton", SIGNAL(clicked()), SLOT(previousPage()));
}

void TestMainWindow::signalsAreConnected() {
    QFETCH(QString, sender);
    QFETCH(QByteArray, signal);
    QFETCH(bool, toApplication);
    QFETCH(QByteArray, slot);

    QObject *object = window->findChild<QObject *>(sender);
    QVERIFY2(object, qPrintable("no sender named " + sender));
    QObject *receiver = toApplication ? static_cast<QObject *>(qApp) : window;
    // disconnect() answers whether exactly this connection existed.
    QVERIFY2(QObject::disconnect(object, signal, receiver, slot),
             qPrintable(sender + " is not connected to " + slot));
}

void TestMainWindow::styleSheetRulesInOrder() {
    const QString sheet = applicationStyleSheet();
    QCOMPARE(qApp->styleSheet(), sheet);

    QStringList selectors;
    const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    QStringList bodies;
    for (const QRegularExpressionMatch &match : rule.globalMatch(sheet)) {
        selectors << match.captured(1).trimmed();
        bodies << match.captured(2).simplified();
    }
    QCOMPARE(selectors, (QStringList{"QMainWindow, #centralWidget", "QMenuBar", "QMenuBar::item",
                                     "QMenuBar::item:selected", "QMenuBar::item:pressed"}));
    const QString gradient = QStringLiteral(
        "background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(210, "
        "210, 210, 255), stop:1 rgba(235, 235, 235, 255));");
    QCOMPARE(bodies.at(0), gradient);
    QCOMPARE(bodies.at(1), gradient + " min-height: 24px;");
    QCOMPARE(bodies.at(2),
             QStringLiteral("spacing: 0px 3px; padding: 0px 4px; background: transparent;"));
    QCOMPARE(bodies.at(3), QStringLiteral("background: transparent;"));
    QCOMPARE(bodies.at(4),
             QStringLiteral("border-style: solid; border-color: black; border-width: 1px; "
                            "border-bottom-style: none; border-bottom-width: 0px; "
                            "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, "
                            "y2:1, stop:0 rgba(80, 80, 80, 255), stop:1 rgba(140, 140, 140, "
                            "255));"));
}

void TestMainWindow::quitClosesTheWindow() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *quit = window->findChild<QAction *>("action_Beenden");
    QVERIFY2(quit, "no action_Beenden");
    quit->trigger();
    QVERIFY(!window->isVisible());
}

void TestMainWindow::aboutOpensANewWindowEachTime() {
    auto *about = window->findChild<QAction *>("action_ber_Tagomat");
    QVERIFY2(about, "no action_ber_Tagomat");
    about->trigger();
    about->trigger();

    QList<AboutDialog *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<AboutDialog *>(widget); dialog && dialog->isVisible())
            dialogs << dialog;
    QCOMPARE(dialogs.size(), 2);
    for (AboutDialog *dialog : dialogs) {
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Über..."));
        QVERIFY(dialog->ui.appInfo->openExternalLinks());
        QVERIFY(dialog->ui.appInfo->text().contains("mailto:info@example.org"));
        QVERIFY(!dialog->ui.label->pixmap().isNull());
        QVERIFY(!dialog->ui.aboutCloseButton->icon().isNull());
    }

    dialogs.first()->ui.aboutCloseButton->click();
    QVERIFY(!dialogs.first()->isVisible());
    QVERIFY(dialogs.last()->isVisible());

    // The windows belong to the program's window and go with it.
    QPointer<AboutDialog> remaining = dialogs.last();
    cleanup();
    QVERIFY(remaining.isNull());
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
