// Long jobs of the window: an import shows its progress and may be cancelled,
// keeping the list shown; a long print run counts its pages, and a cancelled
// run to PDF leaves no file behind.
#include "WindowTestSupport.h"
#include "support/FileContent.h"
#include "support/WorkbookBuilder.h"
#include "support/writers/ZipWriter.h"

#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

constexpr int listRows = 3000;

QByteArray bytesOf(const std::vector<std::uint8_t> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// A name list of listRows guests in the given format, long enough to report progress.
QByteArray guestList(const QString &format) {
    std::string rows;
    if (format == "csv") {
        for (int row = 0; row < listRows; ++row)
            rows += "Gast " + std::to_string(row) + ";1\n";
        return QByteArray::fromStdString(rows);
    }
    if (format == "xls") {
        WorkbookBuilder builder;
        const std::uint32_t name = builder.addString(u"Gast");
        testwriters::BiffWriter &cells = builder.addSheet(listRows, 1);
        for (int row = 0; row < listRows; ++row)
            cells.labelSst(std::uint16_t(row), 0, name);
        return bytesOf(builder.file());
    }
    if (format == "xlsx") {
        for (int row = 0; row < listRows; ++row)
            rows += "<row><c t=\"inlineStr\"><is><t>Gast " + std::to_string(row) +
                    "</t></is></c></row>";
        return bytesOf(
            testwriters::writeZip(testwriters::xlsxParts({"<sheetData>" + rows + "</sheetData>"}))
                .bytes);
    }
    for (int row = 0; row < listRows; ++row)
        rows += "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>Gast " +
                std::to_string(row) + "</text:p></table:table-cell></table:table-row>";
    return bytesOf(testwriters::writeZip(testwriters::odsParts(rows)).bytes);
}

QList<QStringList> namesForPages(int pages) {
    QList<QStringList> rows{{QStringLiteral("Name")}};
    // The window's first-start sheet holds 56 labels; the caption row's is one.
    for (int row = 1; row < pages * 56; ++row)
        rows.append({QStringLiteral("Gast %1").arg(row)});
    return rows;
}

QPrinter *pdfPrinter(const QString &path) {
    auto *printer = new QPrinter(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// What a progress dialog showed when the event loop first ran during a job;
// it presses "Abbrechen" when asked to.
struct DialogSeen {
    bool seen = false;
    QString label;
    int maximum = 0;
};

void watchProgress(MainWindow *window, const char *name, bool cancel, DialogSeen *seen) {
    QTimer::singleShot(0, window, [=] {
        auto *dialog = window->findChild<QProgressDialog *>(QString::fromLatin1(name));
        if (!dialog || !dialog->isVisible())
            return;
        *seen = {true, dialog->labelText(), dialog->maximum()};
        if (auto *button = dialog->findChild<QPushButton *>(); button && cancel)
            button->click();
    });
}

} // namespace

class TestWindowProgress : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importShowsProgressAndMayBeCancelled_data();
    void importShowsProgressAndMayBeCancelled();
    void longPrintRunsCountTheirPages_data();
    void longPrintRunsCountTheirPages();
    void cancelledPdfLeavesNoFile_data();
    void cancelledPdfLeavesNoFile();

private:
    MainWindow *window = nullptr;
};

void TestWindowProgress::init() {
    window = new MainWindow;
    window->adoptImporter(new TableImporter(QStringLiteral("liste.xls"), thirtyPairs()));
}

void TestWindowProgress::cleanup() {
    delete window;
    window = nullptr;
}

void TestWindowProgress::importShowsProgressAndMayBeCancelled_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("cancel");
    for (const QString format : {"csv", "xls", "xlsx", "ods"})
        QTest::addRow("%s cancelled: the list shown stays", qPrintable(format)) << format << true;
    QTest::newRow("ods left to run: imported") << "ods" << false;
}

void TestWindowProgress::importShowsProgressAndMayBeCancelled() {
    QFETCH(QString, format);
    QFETCH(bool, cancel);
    QTemporaryDir dir;
    const QString path = dir.filePath("gaeste." + format);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(guestList(format)) > 0);
    file.close();
    const QString status = window->ui.statusLabel->text();
    const qint64 copies = window->ui.pagePreview->labels.totalCopies();

    window->progressDelayMs = 0; // as if the list took long to read
    DialogSeen dialog;
    watchProgress(window, "importProgress", cancel, &dialog);
    const bool imported = window->importXLSFile(path);
    QVERIFY2(dialog.seen, "no progress dialog");
    QCOMPARE(dialog.label, QString::fromUtf8("Liste wird gelesen …"));
    QCOMPARE(dialog.maximum, 100);
    QVERIFY(!window->findChild<QMessageBox *>("importFailedMessage"));
    QVERIFY(!window->findChild<QProgressDialog *>("importProgress"));
    if (!cancel) {
        QVERIFY(imported);
        QCOMPARE(treeValue(window, "Datei"), "gaeste." + format);
        return;
    }
    QVERIFY(!imported);
    QCOMPARE(treeValue(window, "Datei"), QStringLiteral("liste.xls"));
    QCOMPARE(window->ui.pagePreview->labels.totalCopies(), copies);
    QCOMPARE(window->ui.statusLabel->text(), status + QString::fromUtf8(" Import abgebrochen."));
}

void TestWindowProgress::longPrintRunsCountTheirPages_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("dialogShows");
    QTest::newRow("20 pages: no dialog") << 20 << false << QString();
    QTest::newRow("21 pages: the dialog counts them") << 21 << false << "Seite 1 von 21";
    QTest::newRow("21 pages, cancelled on the first") << 21 << true << "Seite 1 von 21";
}

void TestWindowProgress::longPrintRunsCountTheirPages() {
    QFETCH(int, pages);
    QFETCH(bool, cancel);
    QFETCH(QString, dialogShows);
    window->adoptImporter(new TableImporter(QStringLiteral("liste.xls"), namesForPages(pages)));
    QPagePreview *preview = window->ui.pagePreview;
    QCOMPARE(preview->pageCount(), pages);
    QTemporaryDir dir;
    const QString path = dir.filePath("etiketten.pdf");
    std::unique_ptr<QPrinter> printer(pdfPrinter(path));
    DialogSeen dialog;
    watchProgress(window, "printProgress", cancel, &dialog);
    const std::int64_t printed = preview->printPageRange(*printer, 0, pages - 1);
    QCOMPARE(dialog.seen ? dialog.label : QString(), dialogShows);
    QVERIFY(!window->findChild<QProgressDialog *>("printProgress"));
    QCOMPARE(printed, cancel ? 0 : preview->labels.totalCopies());
    QCOMPARE(QFile::exists(path), !cancel);
}

void TestWindowProgress::cancelledPdfLeavesNoFile_data() {
    QTest::addColumn<bool>("fileBefore");
    QTest::addColumn<int>("cancelAtPage");
    QTest::newRow("new file, cancelled at page 5") << false << 5;
    QTest::newRow("file there, cancelled at page 5") << true << 5;
    QTest::newRow("file there, cancelled at the first page") << true << 1;
    QTest::newRow("file there, run to the end: replaced") << true << 0;
}

void TestWindowProgress::cancelledPdfLeavesNoFile() {
    QFETCH(bool, fileBefore);
    QFETCH(int, cancelAtPage);
    window->adoptImporter(new TableImporter(QStringLiteral("liste.xls"), namesForPages(30)));
    QPagePreview *preview = window->ui.pagePreview;
    QTemporaryDir dir;
    const QString path = dir.filePath("etiketten.pdf");
    const QByteArray before("ein älteres Dokument");
    if (fileBefore) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
    }
    QList<int> pagesPainted;
    preview->printProgress = [&] {
        return [&](int page, int) {
            pagesPainted << page;
            return page != cancelAtPage;
        };
    };
    std::unique_ptr<QPrinter> printer(pdfPrinter(path));
    preview->printPageRange(*printer, 0, 29);
    QCOMPARE(pagesPainted.size(), cancelAtPage > 0 ? cancelAtPage : 30);
    QCOMPARE(printer->outputFileName(), path);
    // Nothing beside the target is left over.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             fileBefore || cancelAtPage == 0 ? QStringList{"etiketten.pdf"} : QStringList{});
    if (cancelAtPage > 0 && fileBefore)
        QCOMPARE(contentOf(path), before);
    if (cancelAtPage == 0)
        QVERIFY(contentOf(path).startsWith("%PDF"));
}

QTEST_MAIN(TestWindowProgress)
#include "test_windowprogress.moc"
