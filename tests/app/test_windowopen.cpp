// The ways a file reaches the window: "Öffnen..." and the import entries,
// decided by content; a dropped file; the command line's file.
#include "WindowTestSupport.h"
#include "app/TextImportDialog.h"
#include "support/TestPaths.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QMimeDatabase>
#include <QStringEncoder>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// namensliste.csv as a German registration site exports it: Windows-1252,
// semicolons; the rows Windows-1252 cannot hold are left out (9 rows of 20
// labels remain).
QByteArray windows1252SemicolonList() {
    QFile file(testpaths::dataFile(QStringLiteral("workbooks/namensliste.csv")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray list;
    for (const QByteArray &line : file.readAll().split('\n')) {
        QStringEncoder encoder("windows-1252");
        const QByteArray encoded = encoder.encode(QString::fromUtf8(line).replace(',', ';'));
        if (!line.isEmpty() && !encoder.hasError())
            list += encoded + "\r\n";
    }
    return list;
}

QString failureOf(MainWindow *window) {
    auto *message = window->findChild<QMessageBox *>("importFailedMessage");
    return message ? message->informativeText() : QString();
}

} // namespace

class TestWindowOpen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { window = new MainWindow; }
    void cleanup() {
        delete window;
        window = nullptr;
    }

    void openDecidesByContent_data();
    void openDecidesByContent();
    void cancelledTextImportKeepsTheList();
    void droppedFileIsOpened_data();
    void droppedFileIsOpened();
    void commandLineFileIsOpened_data();
    void commandLineFileIsOpened();
    void entriesAskForTheirFiles_data();
    void entriesAskForTheirFiles();
    void desktopEntryDeclaresEveryFormat_data();
    void desktopEntryDeclaresEveryFormat();

private:
    QString copyAs(const QString &fixture, const QString &name);
    QString writeAs(const QByteArray &bytes, const QString &name);

    QTemporaryDir dir;
    MainWindow *window = nullptr;
};

void TestWindowOpen::initTestCase() {
    QVERIFY(dir.isValid());
    QVERIFY2(!windows1252SemicolonList().isEmpty(), "namensliste.csv is missing");
}

QString TestWindowOpen::copyAs(const QString &fixture, const QString &name) {
    const QString path = dir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy(testpaths::dataFile("workbooks/" + fixture), path))
        qFatal("cannot copy %s", qPrintable(fixture));
    return path;
}

QString TestWindowOpen::writeAs(const QByteArray &bytes, const QString &name) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Every row: the same 12-row list of 24 labels, whatever the file is called.
// The fixture list under other names: the workbooks hold 12 rows and 24
// labels, the Windows-1252 export 9 rows and 20 labels.
void TestWindowOpen::openDecidesByContent_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("textImport"); // the Textimport dialog comes first
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("copies");

    QTest::newRow("workbook") << copyAs("namensliste-libreoffice.xls", "liste.xls") << false << 12
                              << 24;
    QTest::newRow("workbook called .csv")
        << copyAs("namensliste-gnumeric.xls", "liste-gnumeric.csv") << false << 12 << 24;
    QTest::newRow("windows-1252 csv")
        << writeAs(windows1252SemicolonList(), "export.csv") << true << 9 << 20;
    QTest::newRow("csv called .xls")
        << writeAs(windows1252SemicolonList(), "export.xls") << true << 9 << 20;
    QTest::newRow("utf-8 csv called .txt")
        << copyAs("namensliste.csv", "namen.txt") << true << 12 << 24;
}

void TestWindowOpen::openDecidesByContent() {
    QFETCH(QString, path);
    QFETCH(bool, textImport);
    QFETCH(int, rows);
    QFETCH(int, copies);
    bool handled = false;
    if (textImport)
        whenModal<TextImportDialog>([](TextImportDialog *dialog) { dialog->accept(); }, &handled);
    QVERIFY2(window->openFile(path), qPrintable("import failed: " + failureOf(window)));
    QCOMPARE(handled, textImport);
    QCOMPARE(treeValue(window, "Datei"), QFileInfo(path).fileName());
    QCOMPARE(treeValue(window, "Reihen"), QString::number(rows));
    QCOMPARE(window->findChild<QComboBox *>("nameCombo")->currentText(),
             QStringLiteral("Nachname"));
    QCOMPARE(window->ui.pagePreview->labels.totalCopies(), copies);
    // The umlauts read right in every encoding.
    QVERIFY(window->ui.pagePreview->labels.contains(QString::fromUtf8("Müller")));
}

void TestWindowOpen::cancelledTextImportKeepsTheList() {
    QVERIFY(window->openFile(copyAs("namensliste-xlwt.xls", "vorher.xls")));
    bool handled = false;
    whenModal<TextImportDialog>([](TextImportDialog *dialog) { dialog->reject(); }, &handled);
    QVERIFY(!window->openFile(writeAs("Name;Anzahl\nZoe;5\n", "neu.csv")));
    QVERIFY(handled);
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("vorher.xls"));
    QCOMPARE(window->ui.pagePreview->labels.totalCopies(), 24);
    QVERIFY(!window->findChild<QMessageBox *>("importFailedMessage"));
}

void TestWindowOpen::droppedFileIsOpened_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown"); // the file the window shows afterwards

    const QString csv = writeAs(windows1252SemicolonList(), "gezogen.csv");
    const QString xls = copyAs("namensliste-xlwt.xls", "gezogen.xls");
    QTest::newRow("csv") << QList<QUrl>{QUrl::fromLocalFile(csv)} << true << "gezogen.csv";
    QTest::newRow("xls") << QList<QUrl>{QUrl::fromLocalFile(xls)} << true << "gezogen.xls";
    QTest::newRow("no file") << QList<QUrl>{} << false << "";
    QTest::newRow("two files") << QList<QUrl>{QUrl::fromLocalFile(csv), QUrl::fromLocalFile(xls)}
                               << false << "";
    QTest::newRow("web address") << QList<QUrl>{QUrl("https://example.org/liste.csv")} << false
                                 << "";
}

void TestWindowOpen::droppedFileIsOpened() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(window->width() / 2, window->height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (!accepted)
        return;
    bool handled = false;
    const bool textImport = shown.endsWith(QLatin1String(".csv"));
    if (textImport)
        whenModal<TextImportDialog>([](TextImportDialog *dialog) { dialog->accept(); }, &handled);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(treeValue(window, "Datei"), shown);
    QCOMPARE(handled, textImport);
    QVERIFY(window->ui.pagePreview->labels.totalCopies() > 0);
}

void TestWindowOpen::commandLineFileIsOpened_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("failureMessage");

    QTest::newRow("workbook") << QStringList{"tagomat", copyAs("namensliste-xlwt.xls", "a.xls")}
                              << "a.xls" << false;
    QTest::newRow("csv") << QStringList{"tagomat", writeAs(windows1252SemicolonList(), "b.csv")}
                         << "b.csv" << false;
    QTest::newRow("missing file") << QStringList{"tagomat", dir.filePath("fehlt.csv")} << ""
                                  << true;
    QTest::newRow("no file") << QStringList{"tagomat"} << "" << false;
}

void TestWindowOpen::commandLineFileIsOpened() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, shown);
    QFETCH(bool, failureMessage);

    bool handled = false;
    if (shown.endsWith(QLatin1String(".csv")))
        whenModal<TextImportDialog>([](TextImportDialog *dialog) { dialog->accept(); }, &handled);
    window->openFileFromArguments(arguments);
    // Nothing happens before the event loop runs.
    QCOMPARE(treeValue(window, "Datei"), QString());
    QTest::qWait(50);
    QTRY_COMPARE(treeValue(window, "Datei"), shown);
    QCOMPARE(handled, shown.endsWith(QLatin1String(".csv")));
    QCOMPARE(window->findChild<QMessageBox *>("importFailedMessage") != nullptr, failureMessage);
    if (failureMessage)
        QVERIFY2(failureOf(window).contains("kann nicht gelesen werden"),
                 qPrintable(failureOf(window)));
}

void TestWindowOpen::entriesAskForTheirFiles_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("firstFilter");

    QTest::newRow("Öffnen") << "actionOeffnen"
                            << QString::fromUtf8("Alle unterstützten Dateien (*.xls *.xlsx *.xlsm "
                                                 "*.ods *.fods *.xml *.csv *.txt *.tsv)");
    QTest::newRow("XLS") << "actionXLS_Importieren"
                         << "Excel Dateien (*.xls)";
    QTest::newRow("CSV") << "actionCVS_Importieren"
                         << "Textdateien (*.csv *.txt *.tsv)";
    QTest::newRow("XML") << "actionXML_Importieren"
                         << "Arbeitsmappen (*.xlsx *.xlsm *.ods *.fods *.xml)";
}

void TestWindowOpen::entriesAskForTheirFiles() {
    QFETCH(QString, action);
    QFETCH(QString, firstFilter);
    QStringList filters;
    bool handled = false;
    whenModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            filters = dialog->nameFilters();
            dialog->reject();
        },
        &handled);
    window->findChild<QAction *>(action)->trigger();
    QVERIFY2(handled, "no file dialog was shown");
    QCOMPARE(filters.value(0), firstFilter);
    QVERIFY(window->findChildren<QXLSImporter *>().isEmpty());
}

// "Open with Tagomat" is offered for a file when the desktop entry declares
// the MIME type the system gives its name, and the file reaches the program.
void TestWindowOpen::desktopEntryDeclaresEveryFormat_data() {
    QTest::addColumn<QString>("extension");
    for (const char *extension : {"xls", "xlsx", "xlsm", "ods", "fods", "xml", "csv", "txt", "tsv"})
        QTest::newRow(extension) << QString::fromLatin1(extension);
}

void TestWindowOpen::desktopEntryDeclaresEveryFormat() {
    QFETCH(QString, extension);
    QFile file(testpaths::dataFile(QStringLiteral("../../resources/de.tagomat.Tagomat.desktop")));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList declared;
    QString exec;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("MimeType="))
            declared = QString::fromUtf8(line.mid(9)).split(';', Qt::SkipEmptyParts);
        if (line.startsWith("Exec="))
            exec = QString::fromUtf8(line.mid(5));
    }
    QCOMPARE(exec, QStringLiteral("tagomat %f"));
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("liste." + extension, QMimeDatabase::MatchExtension);
    QVERIFY2(declared.contains(type.name()) || std::any_of(declared.begin(), declared.end(),
                                                           [&](const QString &name) {
                                                               return type.inherits(name) &&
                                                                      name != "text/plain" &&
                                                                      name != "application/xml";
                                                           }),
             qPrintable(type.name() + " is not declared"));
}

QTEST_MAIN(TestWindowOpen)
#include "test_windowopen.moc"
