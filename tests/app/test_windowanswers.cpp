// The window as a person uses it: paging by field and key, zooming, the
// quantity and header choices, the status line, the print command's state,
// settings across a restart and Qt's dialogs in German.
#include "WindowTestSupport.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/StatusText.h"
#include "app/Translations.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// Name001 to Name200, one each, without captions that name a quantity: with
// the caption row 201 labels, 56 a page, so 4 pages.
QList<QStringList> twoHundred() {
    QList<QStringList> rows{{QStringLiteral("Name")}};
    for (int i = 1; i <= 200; ++i)
        rows.append({QStringLiteral("Name%1").arg(i, 3, 10, QLatin1Char('0'))});
    return rows;
}

QStringList labelNames(MainWindow *window) {
    QStringList names;
    for (const LabelEntry &entry : window->ui.pagePreview->labels)
        names << QStringLiteral("%1=%2").arg(entry.name).arg(entry.quantity);
    return names;
}

QStringList buttonTexts(QWidget *dialog) {
    QStringList texts;
    for (auto *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text().remove(QLatin1Char('&'));
    for (auto *label : dialog->findChildren<QLabel *>())
        texts << label->text().remove(QLatin1Char('&'));
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(LabelListFacts)

class TestWindowAnswers : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagingByFieldAndKeys_data();
    void pagingByFieldAndKeys();
    void zoomChoices_data();
    void zoomChoices();
    void quantityAndHeaderChoices_data();
    void quantityAndHeaderChoices();
    void statusLineAnswers_data();
    void statusLineAnswers();
    void printOnlyWithLabels_data();
    void printOnlyWithLabels();
    void printingNamesItsPagesFirst_data();
    void printingNamesItsPagesFirst();
    void settingsLastAcrossARestart();
    void firstStartSize_data();
    void firstStartSize();
    void statusTexts_data();
    void statusTexts();
    void qtDialogsSpeakGerman_data();
    void qtDialogsSpeakGerman();

private:
    MainWindow *window = nullptr;
};

void TestWindowAnswers::init() {
    window = new MainWindow;
}

void TestWindowAnswers::cleanup() {
    delete window;
    window = nullptr;
}

void TestWindowAnswers::pagingByFieldAndKeys_data() {
    QTest::addColumn<QStringList>("steps"); // "type N", "key NAME", "ctrl NAME", "click NAME"
    QTest::addColumn<QString>("page");

    QTest::newRow("typed 3, Return") << QStringList{"type 3"} << "Seite 3/4";
    QTest::newRow("typed past the end: clamped") << QStringList{"type 999"} << "Seite 4/4";
    QTest::newRow("typed 0: clamped") << QStringList{"type 0"} << "Seite 1/4";
    QTest::newRow("typed beyond 64 bits")
        << QStringList{"type 99999999999999999999999"} << "Seite 4/4";
    QTest::newRow("emptied field keeps the page") << QStringList{"type 2", "type "} << "Seite 2/4";
    QTest::newRow("PgDn twice") << QStringList{"key PgDown", "key PgDown"} << "Seite 3/4";
    QTest::newRow("End, then PgUp") << QStringList{"key End", "key PgUp"} << "Seite 3/4";
    QTest::newRow("PgDn at the end stays") << QStringList{"key End", "key PgDown"} << "Seite 4/4";
    QTest::newRow("Home") << QStringList{"type 3", "key Home"} << "Seite 1/4";
    QTest::newRow("Ctrl+End") << QStringList{"ctrl End"} << "Seite 4/4";
    QTest::newRow("Ctrl+Home") << QStringList{"type 4", "ctrl Home"} << "Seite 1/4";
    QTest::newRow("last button") << QStringList{"click lastButton"} << "Seite 4/4";
    QTest::newRow("first button") << QStringList{"type 3", "click firstButton"} << "Seite 1/4";
}

void TestWindowAnswers::pagingByFieldAndKeys() {
    QFETCH(QStringList, steps);
    QFETCH(QString, page);
    window->adoptImporter(new TableImporter("liste.xls", twoHundred()));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/4"));
    auto *field = window->findChild<QLineEdit *>("pageEdit");
    QVERIFY2(field, "no pageEdit");
    const QMap<QString, Qt::Key> keys = {{"PgDown", Qt::Key_PageDown},
                                         {"PgUp", Qt::Key_PageUp},
                                         {"Home", Qt::Key_Home},
                                         {"End", Qt::Key_End}};
    for (const QString &step : steps) {
        const QString what = step.section(' ', 0, 0);
        const QString value = step.section(' ', 1);
        if (what == "type") {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, value);
            QTest::keyClick(field, Qt::Key_Return);
        } else if (what == "click") {
            window->findChild<QPushButton *>(value)->click();
        } else {
            QTest::keyClick(window->ui.pagePreview, keys.value(value),
                            what == "ctrl" ? Qt::ControlModifier : Qt::NoModifier);
        }
    }
    QCOMPARE(pageLabel(window), page);
    // The page shown is the page counted.
    QCOMPARE(QString::number(window->ui.pagePreview->currentPage + 1), field->text());
}

void TestWindowAnswers::zoomChoices_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("whole page") << "Ganze Seite" << 0 << false;
    QTest::newRow("true size") << "100 %" << 100 << true;
    QTest::newRow("double size") << "200 %" << 200 << true;
}

void TestWindowAnswers::zoomChoices() {
    QFETCH(QString, choice);
    QFETCH(int, percent);
    QFETCH(bool, scrolls);
    window->resize(900, 700);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *zoom = window->findChild<QComboBox *>("zoomCombo");
    QVERIFY2(zoom, "no zoomCombo");
    // From another level, so the choice is a change.
    zoom->setCurrentIndex(zoom->findText("50 %"));
    zoom->setCurrentIndex(zoom->findText(choice));
    QPagePreview *preview = window->ui.pagePreview;
    QCOMPARE(preview->zoomPercent(), percent);
    const qreal pixelsPerMm = preview->screen()->physicalDotsPerInch() / 25.4;
    if (percent > 0)
        QCOMPARE(preview->previewScale(), pixelsPerMm * percent / 100);
    const bool scrollable = preview->verticalScrollBar()->maximum() > 0 ||
                            preview->horizontalScrollBar()->maximum() > 0;
    QCOMPARE(scrollable, scrolls);

    // Ctrl+wheel steps up from what is shown and the choice follows.
    const qreal before = preview->previewScale();
    QWheelEvent wheel(QPointF(50, 50), preview->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview->viewport(), &wheel);
    QVERIFY2(preview->previewScale() > before, "Ctrl+wheel did not zoom in");
    QCOMPARE(zoom->currentData().toInt(), preview->zoomPercent());
}

void TestWindowAnswers::quantityAndHeaderChoices_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<bool>("skipHeader");
    QTest::addColumn<QString>("quantityChoice");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("columnChoices"); // in each combo, before "(keine)"

    const QList<QStringList> numbers{{"1"}, {"2"}, {"2226634"}};
    QTest::newRow("numbers, no caption: (keine), one label each")
        << numbers << false << "(keine)" << QStringList{"1=1", "2=1", "2226634=1"} << 1;
    QTest::newRow("numbers, first row left off")
        << numbers << true << "(keine)" << QStringList{"2=1", "2226634=1"} << 1;
    const QList<QStringList> people{{"Name", "Anzahl"}, {"Anna", "3"}, {"Bert", "2"}};
    QTest::newRow("caption match picks its column")
        << people << false << "Anzahl" << QStringList{"Name=1", "Anna=3", "Bert=2"} << 2;
    QTest::newRow("caption match, header left off")
        << people << true << "Anzahl" << QStringList{"Anna=3", "Bert=2"} << 2;
    const QList<QStringList> cities{{"Name", "Ort"}, {"Anna", "Bonn"}, {"Bert", "Ulm"}};
    QTest::newRow("no quantity caption")
        << cities << true << "(keine)" << QStringList{"Anna=1", "Bert=1"} << 2;
    // As a workbook that states more columns than it fills: the blank ones at
    // the end are no choice, a blank one between filled ones stays.
    const QList<QStringList> stated{
        {"Name", "", "Anzahl", "", "", ""}, {"Anna", "", "3", "", "", ""}, {"Bert", "", "2"}};
    QTest::newRow("trailing columns without a value are left off")
        << stated << false << "Anzahl" << QStringList{"Name=1", "Anna=3", "Bert=2"} << 3;
}

void TestWindowAnswers::quantityAndHeaderChoices() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(bool, skipHeader);
    QFETCH(QString, quantityChoice);
    QFETCH(QStringList, labels);
    QFETCH(int, columnChoices);
    auto *header = window->findChild<QCheckBox *>("headerCheck");
    QVERIFY2(header, "no headerCheck");
    QVERIFY2(!header->isChecked(), "the header option starts on");
    header->setChecked(skipHeader);
    window->adoptImporter(new TableImporter("liste.xls", rows));
    auto *countCombo = window->findChild<QComboBox *>("countCombo");
    QCOMPARE(countCombo->currentText(), quantityChoice);
    QCOMPARE(countCombo->count(), columnChoices + 1);
    QCOMPARE(window->findChild<QComboBox *>("nameCombo")->count(), columnChoices);
    // The tree still tells how many columns the sheet has.
    QCOMPARE(treeValue(window, "Spalten"), QString::number(rows.first().size()));
    QCOMPARE(labelNames(window), labels);
    // Turned back, the caption row is a label again.
    header->setChecked(false);
    QCOMPARE(labelNames(window).size(), rows.size());
}

void TestWindowAnswers::statusLineAnswers_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("status");

    // Row 0 prints while the name column alone makes the labels, and the line says so.
    const QString captionRow = QString::fromUtf8(
        "Die Kopfzeile wird als Label gedruckt („Kopfzeile nicht drucken“ lässt sie weg).");
    const QList<QStringList> list{{"Name", "Anzahl"}, {"Anna", "2"},
                                  {"Bert", "2,5"},    {"Carla", "-1"},
                                  {"Dora", "x"},      {QString::fromUtf8("Straße"), "1"}};
    QTest::newRow("the list")
        << list << ""
        << ""
        << QString::fromUtf8("6 Namen, 6 Labels. %1 2 Zeilen mit einer Anzahl, die keine ganze "
                             "Zahl ist, wurden als 1 gezählt. 1 Name mit einer Anzahl unter 1 "
                             "erhält kein Label.")
               .arg(captionRow);
    QTest::newRow("filter finds nothing")
        << list << "Zo"
        << ""
        << QString::fromUtf8("Kein Name beginnt mit „Zo“. %1 2 Zeilen mit einer Anzahl, die "
                             "keine ganze Zahl ist, wurden als 1 gezählt.")
               .arg(captionRow);
    QTest::newRow("search finds nothing")
        << list << "A"
        << "zz"
        << QString::fromUtf8("1 Name, 2 Labels. Die Suche nach „zz“ findet keinen Namen. %1 2 "
                             "Zeilen mit einer Anzahl, die keine ganze Zahl ist, wurden als 1 "
                             "gezählt.")
               .arg(captionRow);
    QTest::newRow("search finds sharp s by ss")
        << list << "S"
        << "STRASSE"
        << QString::fromUtf8("1 Name, 1 Label. Treffer 1 von 1. %1 2 Zeilen mit einer Anzahl, "
                             "die keine ganze Zahl ist, wurden als 1 gezählt.")
               .arg(captionRow);
    QTest::newRow("rows merged into an earlier label")
        << QList<QStringList>{{"Name", "Anzahl"}, {"Anna", "2"}, {"Anna", "3"}} << ""
        << ""
        << QString::fromUtf8("2 Namen, 4 Labels. %1 1 Zeile gleicht einem Label weiter oben und "
                             "wurde mit ihm zusammengefasst. Es zählt die Anzahl der letzten "
                             "gleichen Zeile.")
               .arg(captionRow);
    QTest::newRow("no names below the captions")
        << QList<QStringList>{{"Name", "Anzahl"}} << ""
        << ""
        << QString::fromUtf8("1 Name, 1 Label. Die Datei enthält keine Namen unter der "
                             "Kopfzeile. %1")
               .arg(captionRow);
    QTest::newRow("quantities above 1.000 named, the largest first")
        << QList<QStringList>{{"Name", "Anzahl"},
                              {"Bert", "1001"},
                              {"Anna", "2147483647"},
                              {"Carla", "1000"},
                              {"Dora", "5000"}}
        << ""
        << ""
        << QString::fromUtf8("5 Namen, 2.147.490.649 Labels. %1 Menge über 1.000: 2.147.483.647 "
                             "bei «Anna» und bei 2 weiteren Namen.")
               .arg(captionRow);
    QTest::newRow("a quantity above 1.000 outside the filter is not named")
        << QList<QStringList>{{"Name", "Anzahl"}, {"Anna", "2147483647"}, {"Bert", "2"}} << "B"
        << "" << QString::fromUtf8("1 Name, 2 Labels. %1").arg(captionRow);
}

void TestWindowAnswers::statusLineAnswers() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, filter);
    QFETCH(QString, search);
    QFETCH(QString, status);
    auto *line = window->findChild<QLabel *>("statusLabel");
    QVERIFY2(line, "no statusLabel");
    QVERIFY2(line->text().contains("Keine Namensliste"), qPrintable(line->text()));
    window->adoptImporter(new TableImporter("liste.xls", rows));
    window->ui.filterEdit->setText(filter);
    window->ui.searchEdit->setText(search);
    QCOMPARE(line->text(), status);
}

void TestWindowAnswers::printOnlyWithLabels_data() {
    QTest::addColumn<QList<QStringList>>("rows"); // empty: nothing imported
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("enabled");
    // Row 0 prints while the name column alone makes the labels, and the line says so.
    const QString captionRow = QString::fromUtf8(
        "Die Kopfzeile wird als Label gedruckt („Kopfzeile nicht drucken“ lässt sie weg).");
    const QList<QStringList> list{{"Name", "Anzahl"}, {"Anna", "2"}, {"Otto", "-3"}};
    QTest::newRow("nothing imported") << QList<QStringList>{} << "" << false;
    QTest::newRow("a list") << list << "" << true;
    QTest::newRow("filter finds nothing") << list << "Zoe" << false;
    QTest::newRow("only names without a label") << list << "Otto" << false;
    QTest::newRow("an empty sheet") << QList<QStringList>{{}} << "" << false;
}

void TestWindowAnswers::printOnlyWithLabels() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, filter);
    QFETCH(bool, enabled);
    if (!rows.isEmpty())
        window->adoptImporter(new TableImporter("liste.xls", rows));
    window->ui.filterEdit->setText(filter);
    QCOMPARE(window->findChild<QAction *>("actionD_rucken")->isEnabled(), enabled);
}

void TestWindowAnswers::printingNamesItsPagesFirst_data() {
    QTest::addColumn<int>("page");         // the page shown, counted from 1
    QTest::addColumn<QString>("pages");    // as the dialog's title names them
    QTest::addColumn<QString>("sentence"); // added to the status line; empty none
    QTest::newRow("the first page") << 1 << "Seiten 1 bis 4 von 4" << QString();
    QTest::newRow("a later page") << 2 << "Seiten 2 bis 4 von 4"
                                  << "Gedruckt werden die Seiten 2 bis 4 von 4.";
    QTest::newRow("the last page") << 4 << "Seite 4 von 4"
                                   << "Gedruckt wird die Seite 4 von 4.";
}

void TestWindowAnswers::printingNamesItsPagesFirst() {
    QFETCH(int, page);
    QFETCH(QString, pages);
    QFETCH(QString, sentence);
    window->adoptImporter(new TableImporter("liste.xls", twoHundred()));
    window->ui.pagePreview->showPage(page - 1);
    auto *line = window->findChild<QLabel *>("statusLabel");
    const QString status = line->text();
    // What the user sees while the print dialog is open; it is then cancelled.
    QString title;
    QString shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            shown = line->text();
            dialog->reject();
        }
    });
    answer.start(20);
    window->ui.actionD_rucken->trigger();
    QVERIFY2(title.endsWith(pages), qPrintable(title));
    QCOMPARE(shown, sentence.isEmpty() ? status : status + u' ' + sentence);
}

void TestWindowAnswers::settingsLastAcrossARestart() {
    privateConfigHome.startAfresh();
    QTemporaryDir lists;
    const QString workbook = lists.filePath("namen.xls");
    QVERIFY(QFile::copy(testpaths::dataFile("workbooks/namensliste-xlwt.xls"), workbook));

    // A first start has the defaults.
    QCOMPARE(window->findChild<QSpinBox *>("widthSpin")->value(), 100);
    QCOMPARE(window->findChild<QSpinBox *>("heightSpin")->value(), 10);
    QVERIFY(!window->findChild<QCheckBox *>("headerCheck")->isChecked());

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(1000, 760);
    window->findChild<QSpinBox *>("widthSpin")->setValue(70);
    window->findChild<QSpinBox *>("heightSpin")->setValue(36);
    window->findChild<QCheckBox *>("headerCheck")->setChecked(true);
    window->ui.pagePreview->labelFont = QFont("Liberation Serif", 14, QFont::Bold);
    auto *zoom = window->findChild<QComboBox *>("zoomCombo");
    zoom->setCurrentIndex(zoom->findText("150 %"));
    window->findChild<QSplitter *>("splitter")->setSizes({250, 750});
    const QList<int> splitterSizes = window->findChild<QSplitter *>("splitter")->sizes();
    QVERIFY(window->importXLSFile(workbook));
    QVERIFY(window->close());
    cleanup();

    init();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->findChild<QSpinBox *>("widthSpin")->value(), 70);
    QCOMPARE(window->findChild<QSpinBox *>("heightSpin")->value(), 36);
    QCOMPARE(window->ui.pagePreview->labelWidth, 70);
    QCOMPARE(window->ui.pagePreview->labelHeight, 36);
    QVERIFY(window->findChild<QCheckBox *>("headerCheck")->isChecked());
    QCOMPARE(window->ui.pagePreview->labelFont.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(window->ui.pagePreview->labelFont.pointSize(), 14);
    QVERIFY(window->ui.pagePreview->labelFont.bold());
    QCOMPARE(treeValue(window, "Schriftart"), QStringLiteral("Liberation Serif, 14 pt"));
    QCOMPARE(window->ui.pagePreview->zoomPercent(), 150);
    zoom = window->findChild<QComboBox *>("zoomCombo");
    QCOMPARE(zoom->currentText(), QStringLiteral("150 %"));
    QCOMPARE(window->size(), QSize(1000, 760));
    QCOMPARE(window->findChild<QSplitter *>("splitter")->sizes(), splitterSizes);
    QCOMPARE(Settings().window().lastFolder, QFileInfo(workbook).absolutePath());

    // Stored nonsense gives the defaults, not a broken window.
    {
        QSettings stored(Settings::organisationName(), Settings::applicationName());
        stored.setValue("window/labelWidthMm", 5000);
        stored.setValue("window/labelHeightMm", "abc");
        stored.setValue("window/zoomPercent", 37);
    }
    cleanup();
    init();
    QCOMPARE(window->findChild<QSpinBox *>("widthSpin")->value(), 100);
    QCOMPARE(window->findChild<QSpinBox *>("heightSpin")->value(), 10);
    QCOMPARE(window->ui.pagePreview->zoomPercent(), 0);
}

void TestWindowAnswers::firstStartSize_data() {
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("size");
    QTest::newRow("full HD: two thirds") << QSize(1920, 1040) << QSize(1280, 720);
    QTest::newRow("WQHD: two thirds") << QSize(2560, 1400) << QSize(1706, 933);
    QTest::newRow("laptop: the form's size") << QSize(1366, 728) << QSize(960, 720);
    QTest::newRow("narrow and tall: each side apart") << QSize(1080, 1880) << QSize(960, 1253);
}

void TestWindowAnswers::firstStartSize() {
    QFETCH(QSize, available);
    QFETCH(QSize, size);
    QCOMPARE(::firstStartSize(available, QSize(960, 720)), size);
}

void TestWindowAnswers::statusTexts_data() {
    QTest::addColumn<LabelListFacts>("facts");
    QTest::addColumn<QString>("status");
    LabelListFacts facts;
    QTest::newRow("nothing imported")
        << facts
        << QString::fromUtf8("Keine Namensliste importiert: Datei › Öffnen... öffnet eine.");
    facts.imported = true;
    facts.names = 1;
    facts.labels = 1;
    QTest::newRow("one of each") << facts << "1 Name, 1 Label.";
    facts.names = 2226634;
    facts.labels = 4453268;
    QTest::newRow("German digit groups") << facts << "2.226.634 Namen, 4.453.268 Labels.";
    facts.names = 0;
    facts.labels = 0;
    QTest::newRow("empty sheet") << facts << "0 Namen, 0 Labels.";
    facts.rowsWithFractionalQuantity = 1;
    facts.namesWithoutCopies = 2;
    QTest::newRow("notes, one and two")
        << facts
        << QString::fromUtf8("0 Namen, 0 Labels. 1 Zeile mit einer Anzahl, die keine ganze Zahl "
                             "ist, wurde als 1 gezählt. 2 Namen mit einer Anzahl unter 1 erhalten "
                             "kein Label.");
}

void TestWindowAnswers::statusTexts() {
    QFETCH(LabelListFacts, facts);
    QFETCH(QString, status);
    QCOMPARE(labelListStatus(facts), status);
}

void TestWindowAnswers::qtDialogsSpeakGerman_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("german");
    QTest::newRow("message box") << "message"
                                 << "Abbrechen";
    QTest::newRow("file dialog") << "file"
                                 << "Dateiname:";
    QTest::newRow("font dialog") << "font"
                                 << "Schriftart";
    QTest::newRow("print dialog") << "print"
                                  << "Alles drucken";
}

void TestWindowAnswers::qtDialogsSpeakGerman() {
    QFETCH(QString, dialog);
    QFETCH(QString, german);
    static const bool installed = installGermanTranslations(*QCoreApplication::instance());
    if (!installed)
        QSKIP("Qt's German translations (qt6-translations-l10n) are not installed");
    std::unique_ptr<QWidget> shown;
    QPrinter printer;
    if (dialog == "message")
        shown = std::make_unique<QMessageBox>(QMessageBox::Question, "Frage", "Weiter?",
                                              QMessageBox::Ok | QMessageBox::Cancel);
    else if (dialog == "file") {
        auto *files = new QFileDialog;
        files->setOption(QFileDialog::DontUseNativeDialog);
        shown.reset(files);
    } else if (dialog == "font") {
        auto *fonts = new QFontDialog;
        fonts->setOption(QFontDialog::DontUseNativeDialog);
        shown.reset(fonts);
    } else
        shown = std::make_unique<QPrintDialog>(&printer);
    shown->show();
    const QStringList texts = buttonTexts(shown.get());
    QVERIFY2(texts.contains(german), qPrintable(texts.join(" | ")));
}

QTEST_MAIN(TestWindowAnswers)
#include "test_windowanswers.moc"
