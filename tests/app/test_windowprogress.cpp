// Long jobs of the window: an import shows its progress and may be cancelled,
// keeping the list shown; a long print run counts its pages, and a cancelled
// run to PDF leaves no file behind and a file there as it was.
#include "WindowTestSupport.h"
#include "support/FileContent.h"
#include "support/GuestList.h"

#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {

constexpr int listRows = 3000;

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
    void longPrintRunsCountTheirPagesAndLeaveNoPartialFile_data();
    void longPrintRunsCountTheirPagesAndLeaveNoPartialFile();

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
    const std::vector<std::uint8_t> list = guestList(format.toStdString(), listRows);
    QVERIFY(writeFile(
        path, QByteArray(reinterpret_cast<const char *>(list.data()), qsizetype(list.size()))));
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

void TestWindowProgress::longPrintRunsCountTheirPagesAndLeaveNoPartialFile_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("fileBefore");
    QTest::addColumn<bool>("pressCancel"); // in the dialog
    QTest::addColumn<int>("cancelAtPage"); // by the run's callback; 0 never
    QTest::addColumn<QString>("dialogShows");
    QTest::newRow("20 pages: no dialog") << 20 << false << false << 0 << QString();
    QTest::newRow("21 pages: the dialog counts them")
        << 21 << false << false << 0 << "Seite 1 von 21";
    QTest::newRow("21 pages, cancelled in the dialog on the first")
        << 21 << false << true << 0 << "Seite 1 von 21";
    QTest::newRow("new file, cancelled at page 5") << 30 << false << false << 5 << "Seite 1 von 30";
    QTest::newRow("file there, cancelled at page 5")
        << 30 << true << false << 5 << "Seite 1 von 30";
    QTest::newRow("file there, cancelled at the first page")
        << 30 << true << false << 1 << "Seite 1 von 30";
    QTest::newRow("file there, run to the end: replaced")
        << 30 << true << false << 0 << "Seite 1 von 30";
}

void TestWindowProgress::longPrintRunsCountTheirPagesAndLeaveNoPartialFile() {
    QFETCH(int, pages);
    QFETCH(bool, fileBefore);
    QFETCH(bool, pressCancel);
    QFETCH(int, cancelAtPage);
    QFETCH(QString, dialogShows);
    window->adoptImporter(new TableImporter(QStringLiteral("liste.xls"), namesForPages(pages)));
    QPagePreview *preview = window->ui.pagePreview;
    QCOMPARE(preview->pageCount(), pages);
    QTemporaryDir dir;
    const QString path = dir.filePath("etiketten.pdf");
    const QByteArray before("ein älteres Dokument");
    if (fileBefore)
        QVERIFY(writeFile(path, before));
    // The window's own progress, told to stop at cancelAtPage.
    QList<int> pagesPainted;
    preview->printProgress = [&, shownBy = preview->printProgress] {
        return [&, shown = shownBy()](int page, int of) {
            pagesPainted << page;
            return shown(page, of) && page != cancelAtPage;
        };
    };
    DialogSeen dialog;
    watchProgress(window, "printProgress", pressCancel, &dialog);
    std::unique_ptr<QPrinter> printer(pdfPrinter(path));
    const std::int64_t printed = preview->printPageRange(*printer, 0, pages - 1);
    const bool cancelled = pressCancel || cancelAtPage > 0;
    QCOMPARE(dialog.seen ? dialog.label : QString(), dialogShows);
    QVERIFY(!window->findChild<QProgressDialog *>("printProgress"));
    QCOMPARE(printed, cancelled ? 0 : preview->labels.totalCopies());
    QCOMPARE(pagesPainted.size(), cancelAtPage > 0 ? cancelAtPage : pressCancel ? 1 : pages);
    QCOMPARE(printer->outputFileName(), path);
    // Nothing beside the target is left over.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             fileBefore || !cancelled ? QStringList{"etiketten.pdf"} : QStringList{});
    if (cancelled && fileBefore)
        QCOMPARE(contentOf(path), before);
    else
        QCOMPARE(contentOf(path).startsWith("%PDF"), !cancelled);
}

QTEST_MAIN(TestWindowProgress)
#include "test_windowprogress.moc"
