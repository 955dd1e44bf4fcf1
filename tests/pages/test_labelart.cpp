#include "pages/CaseFolding.h"
#include "pages/LabelArt.h"
#include "pages/LabelJob.h"

#include "PdfLabels.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {
// The label of every test: a badge, its first slot at the grid's corner.
constexpr int badgeWidthMm = 80;
constexpr int badgeHeightMm = 50;
// The text keeps this far from the label's left and right edges.
constexpr qreal innerMarginMm = 1.5;
// What pdftotext's boxes and the printer's rounding leave uncertain.
constexpr qreal slackMm = 0.4;

LabelEntry entry(const QString &name, const QStringList &moreLines, int row,
                 const QString &codeText = QString(), const QString &category = QString()) {
    LabelEntry made;
    made.name = name;
    made.foldedName = foldCase(name);
    made.quantity = 1;
    made.moreLines = moreLines;
    made.row = row;
    made.codeText = codeText;
    made.category = category;
    return made;
}

LabelJob badgeJob(const QList<LabelEntry> &entries, const LabelDesign &design, int points = 20) {
    LabelJob job;
    job.setGrid(PageLayout::forLabelSize(badgeWidthMm, badgeHeightMm));
    job.setFont(QFont(QStringLiteral("Arial"), points));
    LabelMap labels;
    for (const LabelEntry &label : entries)
        labels.append(label);
    job.setLabels(labels);
    job.setDesign(design);
    return job;
}

// The first label of a job drawn on paper at dotsPerInch, the image covering
// that label alone.
QImage firstLabel(const LabelJob &job, int dotsPerInch) {
    const qreal scale = dotsPerInch / millimetresPerInch;
    const QRectF label = job.sheet().labelRect(0);
    QImage image((label.size() * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(scale * 1000));
    image.setDotsPerMeterY(qRound(scale * 1000));
    QPainter painter(&image);
    painter.translate(-label.topLeft() * scale);
    job.drawPage(painter, 0, scale, LabelJob::Medium::Paper);
    return image;
}

// Pixels this close to the label's edge are left out: its outline.
constexpr qreal outlineMm = 0.5;

// The box in mm around the pixels of nearly one colour, of those inside the
// label's outline.
QRectF colouredMm(const QImage &image, const QColor &colour, qreal scale) {
    const int inside = qCeil(outlineMm * scale);
    QRect box;
    for (int y = inside; y < image.height() - inside; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = inside; x < image.width() - inside; ++x)
            if (qAbs(qRed(line[x]) - colour.red()) < 8 &&
                qAbs(qGreen(line[x]) - colour.green()) < 8 &&
                qAbs(qBlue(line[x]) - colour.blue()) < 8)
                box |= QRect(x, y, 1, 1);
    }
    return QRectF(QPointF(box.topLeft()) / scale, QSizeF(box.size()) / scale);
}

// The box around the printed words of one line of a label.
QRectF lineBox(const pdflabels::Page &page, const QRectF &labelMm, const QString &line) {
    const QStringList wanted = line.split(u' ');
    QRectF box;
    for (const pdflabels::Word &word : page.words)
        if (labelMm.contains(word.boxMm.center()) && wanted.contains(word.text))
            box = box.isNull() ? word.boxMm : box.united(word.boxMm);
    return box;
}

QByteArray pngOf(const QColor &colour) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svgOf(const QColor &colour) {
    return QStringLiteral("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "width=\"40\" height=\"20\" viewBox=\"0 0 40 20\"><rect width=\"40\" "
                          "height=\"20\" fill=\"%1\"/></svg>")
        .arg(colour.name())
        .toUtf8();
}

LineStyle aligned(Qt::Alignment alignment) {
    LineStyle style;
    style.alignment = alignment;
    return style;
}

const QString longCompany =
    QStringLiteral("Verband der Elektrotechnik Elektronik Informationstechnik e.V.");
const QList<LabelEntry> badges{
    entry(QStringLiteral("Anna Schmidt"), {longCompany}, 1),
    entry(QStringLiteral("Bert Meier"), {QStringLiteral("Stadtwerke Nord")}, 2),
    entry(QStringLiteral("Maximiliane Hohenzollern-Sigmaringen"), {QStringLiteral("Team")}, 3)};
} // namespace

class TestLabelArt : public QObject {
    Q_OBJECT

private slots:
    void linesSetOnTheirOwn_data();
    void linesSetOnTheirOwn();
    void codeReadsBack_data();
    void codeReadsBack();
    void artWhereTheDesignPutsIt_data();
    void artWhereTheDesignPutsIt();
    void problemsSaid_data();
    void problemsSaid();
    void designProblemsNameTheRows();
};

void TestLabelArt::linesSetOnTheirOwn_data() {
    QTest::addColumn<LabelDesign>("design");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("nameAlignment");
    QTest::addColumn<int>("companyAlignment");
    // Every name of the same height (autoSize), the widest filling the box.
    QTest::addColumn<bool>("namesAlike");
    // A part of the label no line may touch, from its top-left corner.
    QTest::addColumn<QRectF>("keptFreeMm");

    QTest::newRow("untouched: centred, each line on its own")
        << LabelDesign() << 20 << int(Qt::AlignHCenter) << int(Qt::AlignHCenter) << false
        << QRectF();
    LabelDesign sides;
    sides.lines = {aligned(Qt::AlignLeft), aligned(Qt::AlignRight)};
    QTest::newRow("name left, company right")
        << sides << 20 << int(Qt::AlignLeft) << int(Qt::AlignRight) << false << QRectF();
    LabelDesign uniform;
    uniform.lines = {aligned(Qt::AlignHCenter)};
    uniform.lines[0].autoSize = true;
    QTest::newRow("automatic size: one name size on all labels")
        << uniform << 40 << int(Qt::AlignHCenter) << int(Qt::AlignHCenter) << true << QRectF();
    LabelDesign coded;
    coded.code = LabelCode{CodeSymbology::QrCode, QRectF(50, 30, 28, 18)};
    QTest::newRow("a code at the bottom: the lines above it")
        << coded << 28 << int(Qt::AlignHCenter) << int(Qt::AlignHCenter) << false
        << coded.code->areaMm;
}

void TestLabelArt::linesSetOnTheirOwn() {
    QFETCH(LabelDesign, design);
    QFETCH(int, points);
    QFETCH(int, nameAlignment);
    QFETCH(int, companyAlignment);
    QFETCH(bool, namesAlike);
    QFETCH(QRectF, keptFreeMm);
    const LabelJob job = badgeJob(badges, design, points);

    std::int64_t printed = 0;
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::printAndRead(
        [&](QPrinter &printer) { return job.print(printer, 0, 0, QPointF()); }, &printed, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(printed, 3);
    const pdflabels::Page &page = pages.first();

    QList<QRectF> names;
    QList<QRectF> companies;
    for (qsizetype slot = 0; slot < badges.size(); ++slot) {
        const QRectF label = job.sheet().labelRect(slot);
        names << lineBox(page, label, badges.at(slot).name);
        companies << lineBox(page, label, badges.at(slot).moreLines.first());
        QVERIFY2(!names.last().isNull() && !companies.last().isNull(),
                 qPrintable(badges.at(slot).name));
        const QRectF box = label.adjusted(innerMarginMm - slackMm, 0, slackMm - innerMarginMm, 0);
        QVERIFY2(box.contains(names.last()) && box.contains(companies.last()),
                 qPrintable(pdflabels::describe(box) + u' ' + pdflabels::describe(names.last()) +
                            u' ' + pdflabels::describe(companies.last())));
        // Each line across the box as its style says.
        const auto placed = [&](const QRectF &line, int alignment) {
            if (alignment == Qt::AlignLeft)
                return qAbs(line.left() - box.left()) < 2 * slackMm;
            if (alignment == Qt::AlignRight)
                return qAbs(line.right() - box.right()) < 2 * slackMm;
            return qAbs(line.center().x() - box.center().x()) < slackMm;
        };
        QVERIFY2(placed(names.last(), nameAlignment), qPrintable(badges.at(slot).name));
        const QRectF keptFree = keptFreeMm.translated(label.topLeft());
        QVERIFY(!keptFree.intersects(names.last()) && !keptFree.intersects(companies.last()));
        QVERIFY2(placed(companies.last(), companyAlignment), qPrintable(badges.at(slot).name));
    }
    // The long company shrinks its own line, not the name above it.
    QVERIFY(qAbs(names.at(0).height() - names.at(1).height()) < 0.1);
    QVERIFY2(companies.at(0).height() < companies.at(1).height() * 0.8,
             qPrintable(QString::number(companies.at(0).height())));
    const qreal tallest = std::max({names.at(0).height(), names.at(2).height()});
    const qreal lowest = std::min({names.at(0).height(), names.at(2).height()});
    QCOMPARE(tallest - lowest < 0.1, namesAlike);
    if (namesAlike) {
        // As large as the widest name allows: it fills the box's width.
        const qreal width = badgeWidthMm - 2 * innerMarginMm;
        QVERIFY2(names.at(2).width() > width * 0.9,
                 qPrintable(QString::number(names.at(2).width())));
    }
}

void TestLabelArt::codeReadsBack_data() {
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QRectF>("areaMm");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("zbarType");
    QTest::addColumn<QString>("printedText"); // what a PDF of the code holds as text

    QTest::newRow("QR code of an address")
        << int(CodeSymbology::QrCode) << QRectF(52, 22, 26, 26)
        << QStringLiteral("anna.schmidt@example.org") << QStringLiteral("QR-Code") << QString();
    QTest::newRow("QR code of a vCard")
        << int(CodeSymbology::QrCode) << QRectF(45, 15, 33, 33)
        << QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Schmidt;Anna;;;\r\nFN:Anna "
                          "Schmidt\r\nORG:Stadtwerke Nord\r\nEMAIL:anna@example.org\r\nEND:VCARD")
        << QStringLiteral("QR-Code") << QString();
    QTest::newRow("Code 128 of a number")
        << int(CodeSymbology::Code128) << QRectF(10, 30, 60, 18) << QStringLiteral("TGM-004711")
        << QStringLiteral("CODE-128") << QString();
    QTest::newRow("EAN-13") << int(CodeSymbology::Ean13) << QRectF(20, 28, 40, 20)
                            << QStringLiteral("4006381333931") << QStringLiteral("EAN-13")
                            << QStringLiteral("4 006381 333931");
}

void TestLabelArt::codeReadsBack() {
    QFETCH(int, symbology);
    QFETCH(QRectF, areaMm);
    QFETCH(QString, text);
    QFETCH(QString, zbarType);
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty())
        QSKIP("zbarimg (Debian zbar-tools) is not installed");
    LabelDesign design;
    design.code = LabelCode{CodeSymbology(symbology), areaMm};
    // A label of no text: the code alone.
    const LabelJob job = badgeJob({entry(QString(), {}, 1, text)}, design);
    constexpr int printerDotsPerInch = 600;
    const QImage image = firstLabel(job, printerDotsPerInch);

    // The code's dark modules lie inside its area.
    const QRectF dark = colouredMm(image, Qt::black, printerDotsPerInch / millimetresPerInch);
    QVERIFY2(areaMm.adjusted(-0.1, -0.1, 0.1, 0.1).contains(dark),
             qPrintable(pdflabels::describe(dark)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.png"));
    QVERIFY(image.save(path));
    QProcess zbar;
    zbar.start(zbarimg, {QStringLiteral("-q"), path});
    QVERIFY(zbar.waitForFinished(60000));
    const QString read = QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
    QCOMPARE(read, zbarType + u':' + text);

    std::int64_t printed = 0;
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::printAndRead(
        [&](QPrinter &printer) { return job.print(printer, 0, 0, QPointF()); }, &printed, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList words;
    for (const pdflabels::Word &word : pages.value(0).words)
        words << word.text;
    QTEST(words.join(u' '), "printedText");
}

void TestLabelArt::artWhereTheDesignPutsIt_data() {
    QTest::addColumn<LabelDesign>("design");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QRectF>("expectedMm"); // from the label's top-left corner

    const QColor red(220, 20, 20);
    const QColor blue(20, 40, 200);
    LabelPicture logo;
    logo.positionMm = QPointF(4, 6);
    logo.widthMm = 24; // the pictures are 2:1
    LabelDesign png;
    logo.bytes = pngOf(red);
    logo.fileName = QStringLiteral("logo.png");
    png.pictures = {logo};
    QTest::newRow("PNG logo") << png << QString() << red << QRectF(4, 6, 24, 12);
    LabelDesign svg;
    logo.bytes = svgOf(blue);
    logo.fileName = QStringLiteral("logo.svg");
    svg.pictures = {logo};
    QTest::newRow("SVG logo") << svg << QString() << blue << QRectF(4, 6, 24, 12);
    LabelDesign background;
    logo.placement = LabelPicture::Placement::Background;
    background.pictures = {logo};
    QTest::newRow("SVG background fills the label")
        << background << QString() << blue << QRectF(0, 0, badgeWidthMm, badgeHeightMm);
    LabelDesign band;
    band.category.colours = {{QStringLiteral("Presse"), red}};
    band.category.bandHeightMm = 6;
    QTest::newRow("band of the category, value in other letter case")
        << band << QStringLiteral(" presse ") << red
        << QRectF(0, badgeHeightMm - 6, badgeWidthMm, 6);
    QTest::newRow("a value without a colour: no band")
        << band << QStringLiteral("Team") << red << QRectF();
}

void TestLabelArt::artWhereTheDesignPutsIt() {
    QFETCH(LabelDesign, design);
    QFETCH(QString, category);
    QFETCH(QColor, colour);
    QFETCH(QRectF, expectedMm);
    const LabelJob job = badgeJob({entry(QStringLiteral("Anna"), {}, 1, {}, category)}, design);
    QVERIFY(job.designProblems().isEmpty());
    constexpr int dotsPerInch = 300;
    const QRectF found =
        colouredMm(firstLabel(job, dotsPerInch), colour, dotsPerInch / millimetresPerInch);
    if (expectedMm.isNull()) {
        QVERIFY(found.isEmpty());
        return;
    }
    const qreal pixel = millimetresPerInch / dotsPerInch;
    // Inside the outline, where colouredMm looks.
    const qreal outline = qCeil(outlineMm / pixel) * pixel;
    expectedMm &= QRectF(outline, outline, badgeWidthMm - 2 * outline, badgeHeightMm - 2 * outline);
    for (const auto &[at, wanted] :
         {std::pair{found.left(), expectedMm.left()}, std::pair{found.top(), expectedMm.top()},
          std::pair{found.right(), expectedMm.right()},
          std::pair{found.bottom(), expectedMm.bottom()}})
        QVERIFY2(qAbs(at - wanted) <= 2 * pixel,
                 qPrintable(QStringLiteral("%1 mm, not %2 mm").arg(at).arg(wanted)));
}

void TestLabelArt::problemsSaid_data() {
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QRectF>("areaMm");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("picture"); // checked instead when not null
    QTest::addColumn<QStringList>("said");   // empty: no problem

    const QRectF badgeCorner(50, 20, 28, 28);
    const QByteArray none;
    QTest::newRow("QR code of an address fits")
        << int(CodeSymbology::QrCode) << badgeCorner << QStringLiteral("anna@example.org") << none
        << QStringList();
    QTest::newRow("text too long for any QR code")
        << int(CodeSymbology::QrCode) << QRectF() << QString(3000, u'x') << none
        << QStringList{"3000 Bytes", "zu lang für einen QR-Code", "höchstens 2953 Bytes"};
    QTest::newRow("text too long for the chosen size")
        << int(CodeSymbology::QrCode) << QRectF(0, 0, 10, 10) << QString(300, u'x') << none
        << QStringList{"zu lang für die gewählte Größe", "0,25 mm"};
    QTest::newRow("EAN-13 with letters")
        << int(CodeSymbology::Ean13) << QRectF() << QStringLiteral("40063813339ab") << none
        << QStringList{"kein EAN-13", "13 Zeichen", "12 oder 13 Ziffern"};
    QTest::newRow("EAN-13 with a wrong check digit")
        << int(CodeSymbology::Ean13) << QRectF() << QStringLiteral("4006381333932") << none
        << QStringList{"Prüfziffer", "2 statt 1"};
    QTest::newRow("Code 128 outside Latin-1")
        << int(CodeSymbology::Code128) << QRectF() << QStringLiteral("Привет") << none
        << QStringList{"Zeichen, die Code 128 nicht darstellen kann"};
    QTest::newRow("an empty picture")
        << 0 << QRectF() << QString() << QByteArray("") << QStringList{"„logo.png“", "leer"};
    QTest::newRow("a picture that is no picture")
        << 0 << QRectF() << QString() << QByteArray("\x89PNG\r\n\x1a\ngarbage", 15)
        << QStringList{"„logo.png“", "lässt sich nicht lesen"};
    QTest::newRow("a broken SVG") << 0 << QRectF() << QString()
                                  << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect")
                                  << QStringList{"„logo.png“", "SVG ist fehlerhaft"};
    QTest::newRow("an SVG picture")
        << 0 << QRectF() << QString() << svgOf(Qt::blue) << QStringList();
}

void TestLabelArt::problemsSaid() {
    QFETCH(int, symbology);
    QFETCH(QRectF, areaMm);
    QFETCH(QString, text);
    QFETCH(QByteArray, picture);
    QFETCH(QStringList, said);
    QString problem;
    if (!picture.isNull()) {
        LabelPicture logo;
        logo.bytes = picture;
        logo.fileName = QStringLiteral("logo.png");
        problem = pictureProblem(logo);
    } else {
        problem = codeProblem(LabelCode{CodeSymbology(symbology), areaMm}, text);
    }
    QCOMPARE(problem.isEmpty(), said.isEmpty());
    for (const QString &part : said)
        QVERIFY2(problem.contains(part), qPrintable(problem));
}

// Eight labels whose EAN-13 is wrong and an unreadable logo: the logo, the
// first five rows as the spreadsheet numbers them, and how many more.
void TestLabelArt::designProblemsNameTheRows() {
    LabelDesign design;
    design.code = LabelCode{CodeSymbology::Ean13, QRectF(20, 28, 40, 20)};
    LabelPicture logo;
    logo.bytes = QByteArray("no picture");
    logo.fileName = QStringLiteral("verband.png");
    design.pictures = {logo};
    QList<LabelEntry> entries{entry(QStringLiteral("Gut"), {}, 1, QStringLiteral("4006381333931")),
                              entry(QStringLiteral("Ohne"), {}, 2)};
    for (int row = 3; row < 11; ++row)
        entries << entry(QStringLiteral("Name %1").arg(row), {}, row,
                         QStringLiteral("47%1").arg(row));
    const QStringList problems = badgeJob(entries, design).designProblems();
    QCOMPARE(problems.size(), 7);
    QVERIFY2(problems.first().contains(QStringLiteral("„verband.png“")),
             qPrintable(problems.first()));
    for (int named = 0; named < 5; ++named)
        QVERIFY2(problems.at(named + 1).startsWith(QStringLiteral("Zeile %1: ").arg(named + 4)) &&
                     problems.at(named + 1).contains(QStringLiteral("kein EAN-13")),
                 qPrintable(problems.at(named + 1)));
    QCOMPARE(problems.last(), QStringLiteral("und 3 weitere"));
}

QTEST_MAIN(TestLabelArt)
#include "test_labelart.moc"
