// The window with real workbooks: the name-list fixtures written by LibreOffice,
// Gnumeric and xlwt, imported through the XLS importer, shown and printed.
#include "PdfLabels.h"
#include "WindowTestSupport.h"
#include "support/TestPaths.h"
#include "support/writers/ZipWriter.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

// The CSV source of a fixture: rows of cell texts (no quoting is used there).
QList<QStringList> csvRows(const QString &name) {
    QFile file(testpaths::dataFile("workbooks/" + name + ".csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            rows.append(QString::fromUtf8(line.trimmed()).split(QLatin1Char(',')));
    return rows;
}

// The label sequence the rows give, copy by copy, for the chosen columns.
QStringList sequenceOf(const QList<QStringList> &rows, int nameColumn, int quantityColumn) {
    QStringList names;
    for (const QStringList &row : rows) {
        bool isNumber = false;
        const int quantity = row.at(quantityColumn).toInt(&isNumber);
        for (int i = 0; i < (isNumber && quantity != 0 ? quantity : 1); ++i)
            names << row.at(nameColumn);
    }
    return names;
}

QStringList writers() {
    return {"libreoffice", "gnumeric", "xlwt"};
}

QString failureOf(MainWindow *window) {
    auto *message = window->findChild<QMessageBox *>("importFailedMessage");
    return message ? message->informativeText() + " / " + message->detailedText()
                   : QStringLiteral("no message");
}

} // namespace

class TestWindowImport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nameListFillsTheWindow_data();
    void nameListFillsTheWindow();
    void participantsPrintOnTwoSheets_data();
    void participantsPrintOnTwoSheets();
    void failedImportKeepsTheWorkbookShown_data();
    void failedImportKeepsTheWorkbookShown();
    void importThroughTheFileDialog();

private:
    MainWindow *window = nullptr;
};

void TestWindowImport::init() {
    window = new MainWindow;
}

void TestWindowImport::cleanup() {
    delete window;
    window = nullptr;
}

void TestWindowImport::nameListFillsTheWindow_data() {
    QTest::addColumn<QString>("file");
    for (const QString &writer : writers())
        QTest::newRow(qPrintable(writer)) << "namensliste-" + writer + ".xls";
}

void TestWindowImport::nameListFillsTheWindow() {
    QFETCH(QString, file);
    const QList<QStringList> rows = csvRows("namensliste");
    QVERIFY2(rows.size() == 12, "namensliste.csv is missing or changed");

    QVERIFY2(window->importXLSFile(testpaths::dataFile("workbooks/" + file)),
             qPrintable("import failed: " + failureOf(window)));
    QCOMPARE(treeValue(window, "Datei"), file);
    QCOMPARE(treeValue(window, "Reihen"), QStringLiteral("12"));
    QCOMPARE(treeValue(window, "Spalten"), QStringLiteral("3"));
    QCOMPARE(treeValue(window, "Labelspalten"), QStringLiteral("2"));
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("28"));

    auto *nameCombo = window->findChild<QComboBox *>("nameCombo");
    auto *countCombo = window->findChild<QComboBox *>("countCombo");
    QVERIFY2(nameCombo && countCombo, "no column combo boxes");
    QCOMPARE(nameCombo->count(), 3);
    QCOMPARE(nameCombo->itemText(0), QStringLiteral("Vorname"));
    QCOMPARE(nameCombo->currentIndex(), 1);  // Nachname
    QCOMPARE(countCombo->currentIndex(), 2); // Anzahl

    QStringList labels;
    for (const LabelEntry &entry : window->ui.pagePreview->labels)
        for (int i = 0; i < entry.quantity; ++i)
            labels << entry.name;
    QCOMPARE(labels, sequenceOf(rows, 1, 2));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/1"));

    window->findChild<QSpinBox *>("heightSpin")->setValue(20);
    QCOMPARE(treeValue(window, "Labelspalten"), QStringLiteral("2"));
    QCOMPARE(treeValue(window, "Labelreihen"), QStringLiteral("13"));
}

void TestWindowImport::participantsPrintOnTwoSheets_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pageShown");
    QTest::addColumn<QList<int>>("labelsPerSheet");
    for (const QString &writer : writers()) {
        const QString file = "teilnehmer-" + writer + ".xls";
        // 30 people with 2 each and the caption row's label: 61.
        QTest::addRow("%s, page 1 shown", qPrintable(writer)) << file << 0 << QList<int>{56, 5};
        QTest::addRow("%s, page 2 shown", qPrintable(writer)) << file << 1 << QList<int>{5};
    }
}

void TestWindowImport::participantsPrintOnTwoSheets() {
    QFETCH(QString, file);
    QFETCH(int, pageShown);
    QFETCH(QList<int>, labelsPerSheet);
    const QStringList sequence = sequenceOf(csvRows("teilnehmer"), 0, 1);
    QVERIFY2(sequence.size() == 61, "teilnehmer.csv is missing or changed");

    QVERIFY2(window->importXLSFile(testpaths::dataFile("workbooks/" + file)),
             qPrintable("import failed: " + failureOf(window)));
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 1/2"));
    if (pageShown == 1)
        window->ui.nextButton->click();

    // What the dialog offers when accepted as it opens.
    QPagePreview *preview = window->ui.pagePreview;
    const int firstPage = preview->currentPage;
    const int lastPage = preview->lastPageIndex();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("labels.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    preview->printPageRange(printer, firstPage, lastPage);

    QString error;
    const QList<pdflabels::Page> sheets = pdflabels::readPages(dir.filePath("labels.pdf"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(sheets.size(), labelsPerSheet.size());
    for (int sheet = 0; sheet < sheets.size(); ++sheet) {
        const auto texts = pdflabels::labelTexts(sheets.at(sheet), preview->pageLayout());
        QVERIFY2(!texts.contains(-1), qPrintable("text outside the labels: " + texts.value(-1)));
        QCOMPARE(texts.size(), labelsPerSheet.at(sheet));
        for (auto slot = texts.begin(); slot != texts.end(); ++slot)
            QCOMPARE(slot.value(), sequence.at((firstPage + sheet) * 56 + slot.key()));
    }
}

void TestWindowImport::failedImportKeepsTheWorkbookShown_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("reasonSays");
    QTest::addColumn<QString>("detailSays");
    QTest::newRow("an unclosed quote")
        << "teilnehmer.xls" << QByteArray("Name;Anzahl\nAnna;2\n\"Bert;1\n")
        << QStringList{QString::fromUtf8("Anführungszeichen"), "(Zeile 3)"} << "Zeile 3";
    const std::string wordType =
        "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
    const std::vector<std::uint8_t> docx =
        testwriters::writeZip(
            {{"[Content_Types].xml", "<Types><Override PartName=\"/word/document.xml\" "
                                     "ContentType=\"" +
                                         wordType + "\"/></Types>"},
             {"_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"http://schemas."
                             "openxmlformats.org/officeDocument/2006/relationships/"
                             "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
             {"word/document.xml", "<document/>"}})
            .bytes;
    QTest::newRow("a Word document")
        << "einladung.docx"
        << QByteArray(reinterpret_cast<const char *>(docx.data()), qsizetype(docx.size()))
        << QStringList{QString::fromUtf8("Word-Dokument (.docx), keine Tabelle")} << "Stelle: Byte";
}

void TestWindowImport::failedImportKeepsTheWorkbookShown() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, reasonSays);
    QFETCH(QString, detailSays);
    QVERIFY2(window->importXLSFile(testpaths::dataFile("workbooks/teilnehmer-xlwt.xls")),
             qPrintable("import failed: " + failureOf(window)));
    window->ui.nextButton->click();
    const qint64 copies = window->ui.pagePreview->labels.totalCopies();

    QTemporaryDir dir;
    const QString notAWorkbook = dir.filePath(fileName);
    QFile broken(notAWorkbook);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(content);
    broken.close();
    QVERIFY(!window->importXLSFile(notAWorkbook));
    auto *message = window->findChild<QMessageBox *>("importFailedMessage");
    QVERIFY2(message && message->isVisible(), "no failure message");
    for (const QString &phrase : reasonSays)
        QVERIFY2(message->informativeText().contains(phrase),
                 qPrintable(message->informativeText()));
    // The details are German too: the reader's English text stays in its logs.
    QVERIFY2(message->detailedText().contains(detailSays) &&
                 !message->detailedText().contains(QLatin1String(" the ")),
             qPrintable(message->detailedText()));
    message->accept();

    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("teilnehmer-xlwt.xls"));
    QCOMPARE(window->ui.pagePreview->labels.totalCopies(), copies);
    QCOMPARE(pageLabel(window), QStringLiteral("Seite 2/2"));
}

void TestWindowImport::importThroughTheFileDialog() {
    const QString path = testpaths::dataFile("workbooks/namensliste-libreoffice.xls");
    bool handled = false;
    whenModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            // Typed as a user would; selectFile() waits for the folder to be listed.
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            if (!name)
                return dialog->reject();
            name->setText(path);
            // QFileDialog narrows accept() to protected; it is QDialog's slot.
            static_cast<QDialog *>(dialog)->accept();
        },
        &handled);
    window->findChild<QAction *>("actionXLS_Importieren")->trigger();
    QVERIFY2(handled, "no file dialog was shown");
    QVERIFY2(!treeValue(window, "Datei").isEmpty() ||
                 window->findChild<QMessageBox *>("importFailedMessage"),
             "the chosen file was not imported");
    QVERIFY2(!window->findChild<QMessageBox *>("importFailedMessage"),
             qPrintable("import failed: " + failureOf(window)));
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("namensliste-libreoffice.xls"));
    QCOMPARE(window->ui.pagePreview->labels.totalCopies(), 24);
}

QTEST_MAIN(TestWindowImport)
#include "test_windowimport.moc"
