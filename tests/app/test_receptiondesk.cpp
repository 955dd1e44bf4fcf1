#include "app/ReceptionDesk.h"

#include "PdfLabels.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

const QStringList fourPeople{"Name;Firma", "Anna Müller;Acme", "Jens Groß;Beta",
                             "Anna Schmidt;Gamma", "Lukas Meier;Delta"};

// The words of a one-page PDF in reading order, or what went wrong.
QString printedText(const QString &pdf) {
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(pdf, &error);
    if (pages.size() != 1)
        return QStringLiteral("<%1 pages: %2>").arg(pages.size()).arg(error);
    QStringList words;
    for (const pdflabels::Word &word : pages.first().words)
        words << word.text;
    return words.join(QLatin1Char(' '));
}

QString statusLine(MainWindow *window) {
    return window->ui.statusLabel->text();
}

} // namespace

// The reception desk driven through its widgets: a search and Return print a
// badge into a PDF and mark the person, and the marks, late registrations and
// corrections outlast the window in a data folder of the test's own.
class TestReceptionDesk : public QObject {
    Q_OBJECT

private slots:
    void init();
    void returnPrintsTheFoundPersonAndKeepsTheMark_data();
    void returnPrintsTheFoundPersonAndKeepsTheMark();
    void editedListKeepsTheMarksOfUnchangedLabels();
    void lateRegistrationAndCorrectionPrintExportAndUndo();

private:
    QString writeList(const QStringList &lines);
    std::unique_ptr<MainWindow> openWindow();
    // Opens the desk with Ctrl+E, printing into the test's PDF.
    ReceptionDesk *openDesk(MainWindow *window);
    // A person's status in the list of everyone (the search cleared).
    QString statusOf(const QString &label);
    void checkIn(const QString &search);
    template <typename Widget> Widget *deskWidget(const char *name) const {
        return desk ? desk->findChild<Widget *>(QLatin1String(name)) : nullptr;
    }

    std::unique_ptr<QTemporaryDir> dataHome;
    std::unique_ptr<QTemporaryDir> files;
    QString list;
    QString pdf;
    ReceptionDesk *desk = nullptr;
};

void TestReceptionDesk::init() {
    // The desk's records go to a data folder that lives as long as the test.
    dataHome = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", dataHome->path().toLocal8Bit());
    privateConfigHome.startAfresh();
    files = std::make_unique<QTemporaryDir>();
    list = files->filePath("gäste.csv");
    pdf = files->filePath("etikett.pdf");
    desk = nullptr;
}

QString TestReceptionDesk::writeList(const QStringList &lines) {
    QFile file(list);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(lines.join("\r\n").toUtf8() + "\r\n");
    return {};
}

std::unique_ptr<MainWindow> TestReceptionDesk::openWindow() {
    auto window = std::make_unique<MainWindow>();
    window->findChild<QCheckBox *>("headerCheck")->setChecked(true);
    if (!window->importXLSFile(list))
        return nullptr;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

ReceptionDesk *TestReceptionDesk::openDesk(MainWindow *window) {
    QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
    desk = window->findChild<ReceptionDesk *>("receptionDesk");
    if (!desk || !QTest::qWaitForWindowActive(desk))
        return nullptr;
    desk->choosePrinter = [this](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    desk->confirmReprint = [](const QString &label, const QDateTime &) {
        qWarning() << "unexpected question about" << label;
        return false;
    };
    return desk;
}

QString TestReceptionDesk::statusOf(const QString &label) {
    if (auto *field = deskWidget<QLineEdit>("deskSearchEdit"))
        field->clear();
    auto *people = deskWidget<QTreeWidget>("deskPeopleList");
    for (int i = 0; people && i < people->topLevelItemCount(); ++i)
        if (people->topLevelItem(i)->text(0) == label)
            return people->topLevelItem(i)->text(1);
    return QStringLiteral("<%1 not listed>").arg(label);
}

void TestReceptionDesk::checkIn(const QString &search) {
    auto *field = deskWidget<QLineEdit>("deskSearchEdit");
    // Typed as a whole: QTest types ASCII letters only.
    field->setText(search);
    QTest::keyClick(field, Qt::Key_Return);
}

void TestReceptionDesk::returnPrintsTheFoundPersonAndKeepsTheMark_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<bool>("printAgain");

    QTest::newRow("part of a surname") << "üll" << 1 << "Anna Müller" << true;
    QTest::newRow("any letter case, ß as ss") << "GROSS" << 1 << "Jens Groß" << false;
    QTest::newRow("several found: the first prints") << "anna" << 2 << "Anna Müller" << false;
    QTest::newRow("inside a word") << "uka" << 1 << "Lukas Meier" << true;
}

void TestReceptionDesk::returnPrintsTheFoundPersonAndKeepsTheMark() {
    QFETCH(QString, search);
    QFETCH(int, found);
    QFETCH(QString, printed);
    QFETCH(bool, printAgain);
    QCOMPARE(writeList(fourPeople), QString());
    std::unique_ptr<MainWindow> window = openWindow();
    QVERIFY(window);
    QVERIFY(openDesk(window.get()));

    auto *field = deskWidget<QLineEdit>("deskSearchEdit");
    field->setText(search);
    QCOMPARE(deskWidget<QTreeWidget>("deskPeopleList")->topLevelItemCount(), found);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(printedText(pdf), printed);
    QVERIFY2(statusOf(printed).startsWith("gedruckt "), qPrintable(statusOf(printed)));
    QVERIFY2(statusLine(window.get()).endsWith("1 von 4 gedruckt."),
             qPrintable(statusLine(window.get())));

    // A second Return asks first and prints only on Yes.
    QVERIFY(QFile::remove(pdf));
    QString asked;
    desk->confirmReprint = [&](const QString &label, const QDateTime &) {
        asked = label;
        return printAgain;
    };
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(asked, printed);
    QCOMPARE(QFile::exists(pdf), printAgain);

    // A new window on the same file finds the mark.
    window.reset();
    window = openWindow();
    QVERIFY(window);
    QVERIFY2(statusLine(window.get()).endsWith("1 von 4 gedruckt."),
             qPrintable(statusLine(window.get())));
    QVERIFY(openDesk(window.get()));
    QVERIFY2(statusOf(printed).startsWith("gedruckt "), qPrintable(statusOf(printed)));
    // Nothing beside the list: only the list and the PDF are in its folder.
    QCOMPARE(QDir(files->path()).entryList(QDir::Files).size(), printAgain ? 2 : 1);
}

void TestReceptionDesk::editedListKeepsTheMarksOfUnchangedLabels() {
    QCOMPARE(writeList(fourPeople), QString());
    std::unique_ptr<MainWindow> window = openWindow();
    QVERIFY(window);
    QVERIFY(openDesk(window.get()));
    checkIn("Müller");
    checkIn("Groß");
    QVERIFY2(statusLine(window.get()).endsWith("2 von 4 gedruckt."),
             qPrintable(statusLine(window.get())));

    // During the event someone adds a row at the top and mends a name.
    QStringList edited = fourPeople;
    edited.insert(1, "Bea Neu;Epsilon");
    edited.replace(edited.indexOf("Jens Groß;Beta"), "Jens Gross;Beta");
    QCOMPARE(writeList(edited), QString());
    QVERIFY(window->importXLSFile(list));

    QVERIFY2(statusOf("Anna Müller").startsWith("gedruckt "), qPrintable(statusOf("Anna Müller")));
    QCOMPARE(statusOf("Jens Gross"), QString());
    QCOMPARE(statusOf("Bea Neu"), QString());
    QVERIFY2(statusLine(window.get()).endsWith("1 von 5 gedruckt."),
             qPrintable(statusLine(window.get())));
}

void TestReceptionDesk::lateRegistrationAndCorrectionPrintExportAndUndo() {
    QCOMPARE(writeList(fourPeople), QString());
    std::unique_ptr<MainWindow> window = openWindow();
    QVERIFY(window);
    QVERIFY(openDesk(window.get()));

    deskWidget<QPushButton>("deskLateButton")->click();
    deskWidget<QLineEdit>("deskLateField1")->setText("Zoe Neu");
    // A company Excel would run as a formula exports as text.
    deskWidget<QLineEdit>("deskLateField2")->setText("=HYPERLINK(\"http://x\")");
    deskWidget<QPushButton>("deskLatePrintButton")->click();
    QCOMPARE(printedText(pdf), QString("Zoe Neu"));
    QVERIFY2(statusOf("Zoe Neu").contains("Nachmeldung"), qPrintable(statusOf("Zoe Neu")));

    const QString corrected = R"(Anna "Nina" Schmidt; Dr.)";
    deskWidget<QLineEdit>("deskSearchEdit")->setText("schmidt");
    deskWidget<QPushButton>("deskCorrectButton")->click();
    QCOMPARE(deskWidget<QLineEdit>("deskCorrectionLine1")->text(), QString("Anna Schmidt"));
    deskWidget<QLineEdit>("deskCorrectionLine1")->setText(corrected);
    deskWidget<QPushButton>("deskCorrectionPrintButton")->click();
    // The second badge goes beside the first instead of replacing it.
    QCOMPARE(printedText(pdf), QString("Zoe Neu"));
    QCOMPARE(printedText(files->filePath("etikett-2.pdf")), corrected);
    QVERIFY2(statusLine(window.get()).endsWith("2 von 5 gedruckt."),
             qPrintable(statusLine(window.get())));

    const QString exported = files->filePath("empfang.csv");
    desk->askExportPath = [&] {
        return exported;
    };
    deskWidget<QPushButton>("deskExportButton")->click();
    QFile csv(exported);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    const QString time = R"(\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)";
    const QStringList expected{"Name;Firma;Status;Zeit;Korrektur",
                               "Anna Müller;Acme;;;",
                               "Jens Groß;Beta;;;",
                               R"(Anna Schmidt;Gamma;gedruckt;TIME;"Anna ""Nina"" Schmidt; Dr.")",
                               "Lukas Meier;Delta;;;",
                               R"x(Zoe Neu;"'=HYPERLINK(""http://x"")";gedruckt;TIME;)x"};
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QString pattern = QRegularExpression::escape(expected.at(i)).replace("TIME", time);
        QVERIFY2(QRegularExpression("^" + pattern + "$").match(lines.at(i)).hasMatch(),
                 qPrintable(lines.at(i)));
    }

    // Ctrl+Z in the desk takes back the last mark, then the one before.
    auto *field = deskWidget<QLineEdit>("deskSearchEdit");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(statusOf(corrected), QString("korrigiert"));
    QVERIFY2(statusLine(window.get()).endsWith("1 von 5 gedruckt."),
             qPrintable(statusLine(window.get())));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY2(!statusLine(window.get()).contains("gedruckt"), qPrintable(statusLine(window.get())));

    // The late registration and the correction outlast the window.
    window.reset();
    window = openWindow();
    QVERIFY(window);
    QVERIFY(openDesk(window.get()));
    QCOMPARE(statusOf("Zoe Neu"), QString("Nachmeldung"));
    QCOMPARE(statusOf(corrected), QString("korrigiert"));
}

QTEST_MAIN(TestReceptionDesk)
#include "test_receptiondesk.moc"
