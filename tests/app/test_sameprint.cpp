#include "app/CommandLine.h"
#include "app/LabelTextEditor.h"
#include "app/SheetChooser.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/QPagePreview.h"

#include "PdfLabels.h"
#include "WindowTestSupport.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QPrinter>
#include <QSpinBox>
#include <QTextStream>

#include <memory>

using namespace windowtest;

static PrivateConfigHome privateConfigHome;

namespace {
// Word boxes of the same drawing in two PDFs agree to far below a printer's dot.
constexpr double sameBoxMm = 0.01;

QString describe(const pdflabels::Word &word) {
    return QStringLiteral("%1 at (%2, %3) %4 x %5")
        .arg(word.text)
        .arg(word.boxMm.left())
        .arg(word.boxMm.top())
        .arg(word.boxMm.width())
        .arg(word.boxMm.height());
}

bool sameBox(const QRectF &a, const QRectF &b) {
    return std::abs(a.left() - b.left()) <= sameBoxMm && std::abs(a.top() - b.top()) <= sameBoxMm &&
           std::abs(a.right() - b.right()) <= sameBoxMm &&
           std::abs(a.bottom() - b.bottom()) <= sameBoxMm;
}
} // namespace

// The window's print and the command line's PDF, made from the same list and
// settings, put the same words in the same places.
class TestSamePrint : public QObject {
    Q_OBJECT

private slots:
    void windowAndCommandLinePrintTheSame_data();
    void windowAndCommandLinePrintTheSame();

private:
    QTemporaryDir dir;
};

void TestSamePrint::windowAndCommandLinePrintTheSame_data() {
    QTest::addColumn<QString>("workbook");
    QTest::addColumn<QString>("stock"); // empty: the grid of the first start
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("frames");
    QTest::addColumn<QString>("text"); // empty: the name column

    QTest::newRow("grid, names by their quantities")
        << "namensliste-libreoffice.xls" << QString() << 1 << false << QString();
    QTest::newRow("L7160 from label 5 with frames") << "teilnehmer-libreoffice.xls"
                                                    << "L7160" << 5 << true << QString();
    QTest::newRow("L4785 badges of two lines")
        << "namensliste-gnumeric.xls"
        << "L4785" << 2 << false << QStringLiteral("«Vorname» «Nachname»|«Anzahl» Etiketten");
}

void TestSamePrint::windowAndCommandLinePrintTheSame() {
    QFETCH(QString, workbook);
    QFETCH(QString, stock);
    QFETCH(int, start);
    QFETCH(bool, frames);
    QFETCH(QString, text);
    const QString path = testpaths::dataFile("workbooks/" + workbook);
    const QFont font(QStringLiteral("DejaVu Sans"), 14);

    auto window = std::make_unique<MainWindow>();
    QVERIFY(window->importXLSFile(path));
    window->findChild<QCheckBox *>(QStringLiteral("headerCheck"))->setChecked(true);
    const LabelSheet *sheet = LabelSheetCatalogue::builtIn().findCode(stock);
    QVERIFY(window->findChild<SheetChooser *>()->chooseSheet(sheet ? sheet->maker : QString(),
                                                             sheet ? sheet->code() : QString()));
    window->findChild<QSpinBox *>(QStringLiteral("startSpin"))->setValue(start);
    window->findChild<QCheckBox *>(QStringLiteral("framesCheck"))->setChecked(frames);
    if (!text.isEmpty())
        window->findChild<LabelTextEditor *>()->setText(text);
    QPagePreview *preview = window->ui.pagePreview;
    preview->labelFont = font;
    const QString windowPdf = dir.filePath(QStringLiteral("window.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(windowPdf);
        QVERIFY(preview->printPageRange(printer, 0, preview->lastPageIndex()) > 0);
    }

    const QString commandLinePdf = dir.filePath(QStringLiteral("commandline.pdf"));
    QStringList arguments{"--print-pdf",          commandLinePdf, "--skip-header", "--start",
                          QString::number(start), "--font",       "DejaVu Sans,14"};
    if (sheet)
        arguments << "--stock" << stock;
    if (frames)
        arguments << "--frames";
    if (!text.isEmpty())
        arguments << "--text" << text;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QVERIFY2(CommandLine::run(arguments << path, outStream, errStream) == 0, qPrintable(err));

    QString error;
    const QList<pdflabels::Page> fromWindow = pdflabels::readPages(windowPdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QList<pdflabels::Page> fromCommandLine = pdflabels::readPages(commandLinePdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(fromCommandLine.size(), fromWindow.size());
    for (qsizetype page = 0; page < fromWindow.size(); ++page) {
        QCOMPARE(fromCommandLine[page].sizeMm, fromWindow[page].sizeMm);
        const QList<pdflabels::Word> &want = fromWindow[page].words;
        const QList<pdflabels::Word> &got = fromCommandLine[page].words;
        QVERIFY(!want.isEmpty());
        QCOMPARE(got.size(), want.size());
        for (qsizetype word = 0; word < want.size(); ++word)
            QVERIFY2(got[word].text == want[word].text &&
                         sameBox(got[word].boxMm, want[word].boxMm),
                     qPrintable(describe(got[word]) + " against " + describe(want[word])));
    }
}

QTEST_MAIN(TestSamePrint)
#include "test_sameprint.moc"
