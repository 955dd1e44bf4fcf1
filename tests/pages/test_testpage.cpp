// The test page read back from its PDF as a person holds it against a sheet
// of labels: the scales' numbers and the instructions must cover no label.
#include "PdfLabels.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/TestPage.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

class TestTestPage : public QObject {
    Q_OBJECT

private slots:
    void wordsCoverNoLabel_data();
    void wordsCoverNoLabel();
};

void TestTestPage::wordsCoverNoLabel_data() {
    QTest::addColumn<QString>("stock");
    QTest::newRow("L7160: room below the labels") << QStringLiteral("L7160");
    QTest::newRow("L4785: ellipses with gaps") << QStringLiteral("L4785");
    QTest::newRow("5051: 8.8 mm above and below") << QStringLiteral("5051");
}

void TestTestPage::wordsCoverNoLabel() {
    QFETCH(QString, stock);
    const LabelSheet *sheet = LabelSheetCatalogue::builtIn().findCode(stock);
    QVERIFY(sheet);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test-page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QVERIFY(printTestPage(printer, *sheet, QPointF()));

    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(pages.size(), 1);
    QStringList words;
    for (const pdflabels::Word &word : pages.first().words) {
        words.append(word.text);
        for (std::int64_t slot = 0; slot < sheet->labelsPerPage(); ++slot)
            QVERIFY2(!word.boxMm.intersects(sheet->labelRect(slot)),
                     qPrintable(QStringLiteral("\"%1\" at %2, %3 mm covers label %4")
                                    .arg(word.text)
                                    .arg(word.boxMm.left())
                                    .arg(word.boxMm.top())
                                    .arg(slot + 1)));
    }
    // Both scales' numbers and both lines of instructions are there.
    QVERIFY2(words.count(QStringLiteral("200")) == 2 && words.count(QStringLiteral("280")) == 1,
             qPrintable(words.join(QLatin1Char(' '))));
    QVERIFY2(words.contains(QStringLiteral("Testseite")) &&
                 words.contains(QStringLiteral("Druckerkorrektur")),
             qPrintable(words.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestTestPage)
#include "test_testpage.moc"
