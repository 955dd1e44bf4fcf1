#include "WindowTestSupport.h"
#include "app/MainWindow.h"
#include "app/Settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// Registration list: Vorname, Nachname, Firma, Anzahl.
QList<QStringList> badges() {
    return {{"Vorname", "Nachname", "Firma", "Anzahl"},
            {"Anna", "Schmidt", "Stadtwerke Nord", "2"},
            {"Bert", QString::fromUtf8("Müller"), "", "1"},
            {"", "Yilmaz", "Kreissparkasse", "3"},
            {"Anna", "Schmidt", "Stadtwerke Nord", "4"}};
}

// Every label as its lines joined by " / " and its quantity.
QStringList labelTexts(MainWindow *window) {
    QStringList texts;
    for (const LabelEntry &entry : window->ui.pagePreview->labels)
        texts << QStringLiteral("%1=%2")
                     .arg((QStringList{entry.name} + entry.moreLines).join(" / "))
                     .arg(entry.quantity);
    return texts;
}

} // namespace

class TestWindowLabelText : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void labelsOfTheWrittenText_data();
    void labelsOfTheWrittenText();
    void columnPickerInsertsAField_data();
    void columnPickerInsertsAField();
    void offerJoinsNamesOnlyOnClick_data();
    void offerJoinsNamesOnlyOnClick();
    void textKeptPerSetOfCaptions();
    void lineOneFollowsTheNameColumnUntilWritten();

private:
    QLineEdit *lineEdit(int line);
    QToolButton *columnButton(int line);
    QString example();

    MainWindow *window = nullptr;
};

void TestWindowLabelText::init() {
    privateConfigHome.startAfresh();
    window = new MainWindow;
}

void TestWindowLabelText::cleanup() {
    delete window;
    window = nullptr;
}

QLineEdit *TestWindowLabelText::lineEdit(int line) {
    return window->findChild<QLineEdit *>(QStringLiteral("labelLine%1Edit").arg(line));
}

QToolButton *TestWindowLabelText::columnButton(int line) {
    return window->findChild<QToolButton *>(QStringLiteral("labelLine%1ColumnButton").arg(line));
}

QString TestWindowLabelText::example() {
    auto *label = window->findChild<QLabel *>(QStringLiteral("labelTextExample"));
    return label ? label->text() : QStringLiteral("<no labelTextExample>");
}

void TestWindowLabelText::labelsOfTheWrittenText_data() {
    QTest::addColumn<QStringList>("typed"); // lines 1 to 3; a null line is left as it is
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("shownExample");

    QTest::newRow("untouched: the name column alone")
        << QStringList{QString(), QString(), QString()}
        << QStringList{"Nachname=1", "Schmidt=4", QString::fromUtf8("Müller=1"), "Yilmaz=3"}
        << "Schmidt";
    QTest::newRow("name and company")
        << QStringList{QString::fromUtf8("«Vorname» «Nachname»"), QString::fromUtf8("«Firma»"),
                       QString()}
        << QStringList{"Anna Schmidt / Stadtwerke Nord=4", QString::fromUtf8("Bert Müller=1"),
                       "Yilmaz / Kreissparkasse=3"}
        << "Anna Schmidt\nStadtwerke Nord";
    QTest::newRow("literal text and a third line")
        << QStringList{QString::fromUtf8("«Nachname»"), QString(), QString::fromUtf8("Gast")}
        << QStringList{"Schmidt / Gast=4", QString::fromUtf8("Müller / Gast=1"), "Yilmaz / Gast=3"}
        << "Schmidt\nGast";
    QTest::newRow("a caption that is not there")
        << QStringList{QString::fromUtf8("«Vorname» «Titel»"), QString(), QString()}
        << QStringList{"Anna=4", "Bert=1"} << QString::fromUtf8("Anna\nKeine Spalte „Titel“");
    QTest::newRow("line 1 emptied: line 2 moves up")
        << QStringList{"", QString::fromUtf8("«Firma»"), QString()}
        << QStringList{"Stadtwerke Nord=4", "Kreissparkasse=3"} << "Stadtwerke Nord";
    QTest::newRow("a bar typed into a line stays in it")
        << QStringList{QString::fromUtf8("«Nachname» | Gast"), QString(), QString()}
        << QStringList{"Schmidt | Gast=4", QString::fromUtf8("Müller | Gast=1"), "Yilmaz | Gast=3"}
        << "Schmidt | Gast";
}

void TestWindowLabelText::labelsOfTheWrittenText() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, labels);
    QFETCH(QString, shownExample);
    window->adoptImporter(new TableImporter("anmeldungen.xls", badges()));
    for (int line = 1; line <= 3; ++line) {
        if (typed.at(line - 1).isNull())
            continue;
        QLineEdit *edit = lineEdit(line);
        QVERIFY2(edit, qPrintable(QStringLiteral("no edit for line %1").arg(line)));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed.at(line - 1));
    }
    QCOMPARE(labelTexts(window), labels);
    QCOMPARE(example(), shownExample);
}

void TestWindowLabelText::columnPickerInsertsAField_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("lineText");
    QTest::addColumn<QString>("firstLabel");

    QTest::newRow("after the name column, with a space")
        << 1 << "Vorname" << QString::fromUtf8("«Nachname» «Vorname»") << "Schmidt Anna=4";
    QTest::newRow("into an empty second line")
        << 2 << "Firma" << QString::fromUtf8("«Firma»") << "Schmidt / Stadtwerke Nord=4";
}

void TestWindowLabelText::columnPickerInsertsAField() {
    QFETCH(int, line);
    QFETCH(QString, column);
    QFETCH(QString, lineText);
    QFETCH(QString, firstLabel);
    window->adoptImporter(new TableImporter("anmeldungen.xls", badges()));
    QToolButton *button = columnButton(line);
    QVERIFY2(button && button->menu(), "no column picker");
    QStringList offered;
    QAction *chosen = nullptr;
    for (QAction *action : button->menu()->actions()) {
        offered << action->text();
        if (action->text() == column)
            chosen = action;
    }
    QCOMPARE(offered, (QStringList{"Vorname", "Nachname", "Firma", "Anzahl"}));
    chosen->trigger();
    QCOMPARE(lineEdit(line)->text(), lineText);
    QCOMPARE(labelTexts(window).value(0), firstLabel);
}

void TestWindowLabelText::offerJoinsNamesOnlyOnClick_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<QString>("labelBefore");
    QTest::addColumn<QString>("labelAfter");

    QTest::newRow("Vorname and Nachname") << badges() << true << "Schmidt=4"
                                          << "Anna Schmidt=4";
    QTest::newRow("Name and Vorname")
        << QList<QStringList>{{"Name", "Vorname"}, {"Meier", "Eva"}} << true << "Eva=1"
        << "Eva Meier=1";
    QTest::newRow("a name column only") << thirtyPairs() << false << "Name01=2"
                                        << "Name01=2";
}

void TestWindowLabelText::offerJoinsNamesOnlyOnClick() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(bool, offered);
    QFETCH(QString, labelBefore);
    QFETCH(QString, labelAfter);
    window->show();
    window->adoptImporter(new TableImporter("liste.xls", rows));
    auto *offer = window->findChild<QWidget *>(QStringLiteral("fullNameOffer"));
    QVERIFY2(offer, "no fullNameOffer");
    QCOMPARE(offer->isVisible(), offered);
    QCOMPARE(labelTexts(window).value(1), labelBefore);
    if (!offered)
        return;
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("fullNameOfferButton")),
                      Qt::LeftButton);
    QVERIFY(!offer->isVisible());
    QCOMPARE(labelTexts(window).value(0), labelAfter);
    // Once taken, the same list opened again keeps it and is not asked again.
    window->adoptImporter(new TableImporter("liste.xls", rows));
    QCOMPARE(labelTexts(window).value(0), labelAfter);
    QVERIFY(!offer->isVisible());
}

void TestWindowLabelText::textKeptPerSetOfCaptions() {
    window->adoptImporter(new TableImporter("anmeldungen.xls", badges()));
    lineEdit(2)->setFocus();
    QTest::keyClicks(lineEdit(2), QString::fromUtf8("«Firma»"));
    QCOMPARE(labelTexts(window).value(0), "Schmidt / Stadtwerke Nord=4");

    // Other captions: their own, untouched text.
    window->adoptImporter(new TableImporter("liste.xls", thirtyPairs()));
    QCOMPARE(lineEdit(1)->text(), QString::fromUtf8("«Name»"));
    QCOMPARE(lineEdit(2)->text(), QString());
    QCOMPARE(labelTexts(window).value(1), "Name01=2");

    // The same captions in another file, and in a new window: the kept text.
    QList<QStringList> later = badges();
    later[1] = QStringList{"Carla", "Weber", "Nordbahn", "1"};
    window->adoptImporter(new TableImporter("nachmeldungen.xls", later));
    QCOMPARE(lineEdit(2)->text(), QString::fromUtf8("«Firma»"));
    QCOMPARE(labelTexts(window).value(0), "Weber / Nordbahn=1");
    delete window;
    window = new MainWindow;
    window->adoptImporter(new TableImporter("anmeldungen.xls", badges()));
    QCOMPARE(labelTexts(window).value(0), "Schmidt / Stadtwerke Nord=4");

    // Back to the untouched text: nothing is kept any more.
    lineEdit(2)->selectAll();
    QTest::keyClick(lineEdit(2), Qt::Key_Delete);
    QVERIFY(Settings().labelLines(badges().first()).isEmpty());
}

void TestWindowLabelText::lineOneFollowsTheNameColumnUntilWritten() {
    window->adoptImporter(new TableImporter("anmeldungen.xls", badges()));
    auto *names = window->findChild<QComboBox *>(QStringLiteral("nameCombo"));
    names->setCurrentIndex(2);
    QCOMPARE(lineEdit(1)->text(), QString::fromUtf8("«Firma»"));
    QCOMPARE(labelTexts(window).value(1), "Stadtwerke Nord=4");
    lineEdit(1)->setFocus();
    QTest::keyClicks(lineEdit(1), " Gast");
    names->setCurrentIndex(0);
    QCOMPARE(lineEdit(1)->text(), QString::fromUtf8("«Firma» Gast"));
    QCOMPARE(labelTexts(window).value(0), "Stadtwerke Nord Gast=4");
}

QTEST_MAIN(TestWindowLabelText)
#include "test_windowlabeltext.moc"
