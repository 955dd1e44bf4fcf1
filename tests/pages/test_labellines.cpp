#include "PdfLabels.h"
#include "pages/QPagePreview.h"
#include "pages/TextFit.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Half a point of slack for the PDF's rounding; the words' boxes are the
// font's, from ascent to descent.
constexpr qreal slackMm = 0.2;

// The preview's first page printed to PDF and read back: one label on one page.
QList<pdflabels::Page> printFirstPage(QPagePreview &preview) {
    std::int64_t printed = 0;
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::printAndRead(
        [&](QPrinter &printer) { return preview.printPageRange(printer, 0, 0); }, &printed, &error);
    [&] {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(printed, 1);
        QCOMPARE(pages.size(), 1);
    }();
    return pages;
}

// The words printed for one line of a label, found by their text.
QList<pdflabels::Word> wordsOfLine(const pdflabels::Page &page, const QString &line) {
    QList<pdflabels::Word> found;
    const QStringList wanted = line.split(u' ', Qt::SkipEmptyParts);
    for (const pdflabels::Word &word : page.words)
        if (wanted.contains(word.text))
            found << word;
    return found;
}

qreal meanHeight(const QList<pdflabels::Word> &words) {
    qreal sum = 0;
    for (const pdflabels::Word &word : words)
        sum += word.boxMm.height();
    return words.isEmpty() ? 0 : sum / words.size();
}

} // namespace

class TestLabelLines : public QObject {
    Q_OBJECT

private slots:
    void blockFitsItsBox_data();
    void blockFitsItsBox();
    void printedLinesInsideTheLabel_data();
    void printedLinesInsideTheLabel();
    void cellBreakLongNumberAndEmojiOnOneLabel();
};

void TestLabelLines::blockFitsItsBox_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QSizeF>("box"); // in pixels of a 72 dpi image: points
    // Each set line's size; a negative one: smaller than that, at least 6.
    QTest::addColumn<QList<qreal>>("points");
    // The lines under the first at this share of its size; 0: not checked.
    QTest::addColumn<qreal>("laterShare");

    const QStringList badge{"Anna Schmidt", "Stadtwerke Nord"};
    QTest::newRow("room enough: the chosen size")
        << badge << QSizeF(400, 200) << QList<qreal>{20, 14} << 0.7;
    QTest::newRow("one line alone keeps its size")
        << QStringList{"Anna"} << QSizeF(400, 200) << QList<qreal>{20} << 0.0;
    QTest::newRow("too narrow: only the long line shrinks")
        << badge << QSizeF(110, 200) << QList<qreal>{-20, 14} << 0.0;
    QTest::newRow("too low: both lines shrink in proportion")
        << badge << QSizeF(400, 30) << QList<qreal>{-20, -14} << 0.7;
    QTest::newRow("too low even at the smallest size: the lower lines go")
        << QStringList{"Anna", "Nord", "Hamburg"} << QSizeF(400, 9) << QList<qreal>{6} << 0.0;
    QTest::newRow("too narrow at the smallest size: broken in two or cut short")
        << QStringList{"Verkehrsbetriebe Hamburg-Holstein", "Aufsichtsratsvorsitzender"}
        << QSizeF(40, 200) << QList<qreal>{6, 6, 6} << 0.0;
    QTest::newRow("no lines") << QStringList{} << QSizeF(400, 200) << QList<qreal>{} << 0.0;
}

void TestLabelLines::blockFitsItsBox() {
    QFETCH(QStringList, lines);
    QFETCH(QSizeF, box);
    QFETCH(QList<qreal>, points);
    QFETCH(qreal, laterShare);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(2835); // 72 dpi: one point per pixel
    device.setDotsPerMeterY(2835);
    const QFont font(QStringLiteral("Arial"), 20);
    const FittedText block = fitText(lines, font, box, 6, &device);
    QCOMPARE(block.lines.size(), points.size());
    QCOMPARE(block.fonts.size(), points.size());
    if (points.isEmpty())
        return;
    for (qsizetype line = 0; line < points.size(); ++line) {
        const qreal set = block.fonts.at(line).pointSizeF();
        if (points.at(line) > 0)
            QCOMPARE(set, points.at(line));
        else
            QVERIFY2(set < -points.at(line) && set >= 6, qPrintable(QString::number(set)));
        if (line > 0 && laterShare > 0)
            QCOMPARE(set, block.fonts.first().pointSizeF() * laterShare);
    }
    // Measured again, line by line: nothing wider or taller than the box.
    qreal height = 0;
    for (qsizetype line = 0; line < block.lines.size(); ++line) {
        const QFontMetricsF metrics(block.fonts.at(line), &device);
        QVERIFY2(metrics.horizontalAdvance(block.lines.at(line)) <= box.width(),
                 qPrintable(block.lines.at(line)));
        height += metrics.height();
    }
    QVERIFY2(height <= box.height() || points.size() == 1, qPrintable(QString::number(height)));
    QCOMPARE(block.size.height(), height);
}

void TestLabelLines::printedLinesInsideTheLabel_data() {
    QTest::addColumn<QSize>("labelMm");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("linesWhole"); // false: cut short, so only the box is checked
    // The lines under the first between these shares of its height.
    QTest::addColumn<qreal>("leastShare");
    QTest::addColumn<qreal>("mostShare");

    QTest::newRow("badge: name and company")
        << QSize(80, 50) << 20 << QStringList{"Anna Schmidt", "Stadtwerke Nord"} << true << 0.65
        << 0.75;
    QTest::newRow("badge: three lines")
        << QSize(80, 50) << 20 << QStringList{"Anna Schmidt", "Stadtwerke Nord", "Hamburg"} << true
        << 0.65 << 0.75;
    QTest::newRow("a long company shrinks only itself")
        << QSize(60, 20) << 20
        << QStringList{"Anna Schmidt", "Verkehrsbetriebe Hamburg-Holstein GmbH"} << true << 0.2
        << 0.6;
    QTest::newRow("a low label shrinks both lines alike")
        << QSize(100, 10) << 20 << QStringList{"Anna Schmidt", "Stadtwerke Nord"} << true << 0.65
        << 0.75;
    QTest::newRow("too long even at 6 pt stays inside")
        << QSize(25, 10) << 20
        << QStringList{"Annamaria-Josefine Schmidt-Hohenstein", "Verkehrsbetriebe Hamburg-Holstein"}
        << false << 0.0 << 0.0;
}

void TestLabelLines::printedLinesInsideTheLabel() {
    QFETCH(QSize, labelMm);
    QFETCH(int, points);
    QFETCH(QStringList, lines);
    QFETCH(bool, linesWhole);
    QFETCH(qreal, leastShare);
    QFETCH(qreal, mostShare);

    auto preview = std::make_unique<QPagePreview>();
    preview->setLabelDimensions(labelMm.width(), labelMm.height());
    preview->labelFont = QFont(QStringLiteral("Arial"), points);
    LabelMap labels;
    labels.insert(lines.first(), 1, lines.mid(1));
    preview->setLabels(labels);

    const QList<pdflabels::Page> pages = printFirstPage(*preview);
    QVERIFY(!QTest::currentTestFailed());
    const pdflabels::Page &page = pages.first();
    QVERIFY(!page.words.isEmpty());

    const QRectF label =
        preview->pageLayout().labelRectMm(0).adjusted(-slackMm, -slackMm, slackMm, slackMm);
    for (const pdflabels::Word &word : page.words)
        QVERIFY2(label.contains(word.boxMm),
                 qPrintable(QStringLiteral("„%1“ at %2 outside the label at %3")
                                .arg(word.text, pdflabels::describe(word.boxMm),
                                     pdflabels::describe(label))));
    if (!linesWhole)
        return;

    QList<QList<pdflabels::Word>> printedLines;
    for (const QString &line : lines) {
        printedLines << wordsOfLine(page, line);
        QCOMPARE(printedLines.last().size(), line.split(u' ').size());
    }
    const qreal firstHeight = meanHeight(printedLines.first());
    for (qsizetype line = 1; line < printedLines.size(); ++line) {
        const qreal ratio = meanHeight(printedLines.at(line)) / firstHeight;
        QVERIFY2(ratio > leastShare && ratio < mostShare,
                 qPrintable(QStringLiteral("line %1 at %2 of the first line's height")
                                .arg(line + 1)
                                .arg(ratio)));
        // Each line under the one before it.
        QVERIFY(printedLines.at(line).first().boxMm.top() >=
                printedLines.at(line - 1).first().boxMm.bottom() - slackMm);
    }
    // The block sits in the middle of the label's height.
    const qreal blockMiddle =
        (printedLines.first().first().boxMm.top() + printedLines.last().first().boxMm.bottom()) / 2;
    QVERIFY2(qAbs(blockMiddle - label.center().y()) < 1.0,
             qPrintable(QStringLiteral("block centred at %1 mm, label at %2 mm")
                            .arg(blockMiddle)
                            .arg(label.center().y())));
}

// A cell of two lines, a number too long for the label and a character
// outside the Basic Multilingual Plane on one small label: every line inside
// the label, no two words on one another, no character broken in halves.
void TestLabelLines::cellBreakLongNumberAndEmojiOnOneLabel() {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, DejaVu Sans has it
    auto preview = std::make_unique<QPagePreview>();
    preview->setLabelDimensions(38, 21);
    preview->labelFont = QFont(QStringLiteral("DejaVu Sans"), 14);
    LabelMap labels;
    labels.insert(QStringLiteral("Anna\nSchmidt"), 1,
                  {QStringLiteral("4711081547110815471108154711081547110815") + emoji + emoji});
    preview->setLabels(labels);

    const QList<pdflabels::Page> pages = printFirstPage(*preview);
    QVERIFY(!QTest::currentTestFailed());
    const QList<pdflabels::Word> &words = pages.first().words;

    const QRectF label =
        preview->pageLayout().labelRectMm(0).adjusted(-slackMm, -slackMm, slackMm, slackMm);
    QStringList texts;
    for (qsizetype at = 0; at < words.size(); ++at) {
        const pdflabels::Word &word = words.at(at);
        texts << word.text;
        QVERIFY2(label.contains(word.boxMm),
                 qPrintable(word.text + " " + pdflabels::describe(word.boxMm)));
        QVERIFY2(!word.text.contains(QChar::ReplacementCharacter), qPrintable(word.text));
        for (qsizetype other = at + 1; other < words.size(); ++other) {
            const QRectF overlap = word.boxMm.intersected(words.at(other).boxMm);
            QVERIFY2(overlap.height() < slackMm || overlap.width() < slackMm,
                     qPrintable(word.text + " on " + words.at(other).text));
        }
    }
    // The cell's two lines, one under the other.
    QCOMPARE(texts.mid(0, 2), (QStringList{"Anna", "Schmidt"}));
    QVERIFY(words.at(1).boxMm.top() >= words.at(0).boxMm.bottom() - slackMm);
    // Too long at the smallest size, the number's line is broken in two, its
    // digits all kept.
    QCOMPARE(texts.size(), 4);
    QVERIFY(words.at(3).boxMm.top() >= words.at(2).boxMm.bottom() - slackMm);
    QVERIFY2((texts.at(2) + texts.at(3)).startsWith("4711081547110815471108154711081547110815"),
             qPrintable(texts.mid(2).join(u' ')));
}

QTEST_MAIN(TestLabelLines)
#include "test_labellines.moc"
