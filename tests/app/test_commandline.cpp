#include "app/CommandLine.h"
#include "pages/ColumnLookup.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/LabelTemplate.h"

#include "PdfLabels.h"
#include "ProgramRun.h"
#include "support/TestPaths.h"
#include "support/WorkbookBuilder.h"

#include "TagomatVersion.h"
#include "support/FileContent.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <array>

#include <unistd.h>

namespace {
// How far a printed name's centre may lie from its label's centre.
constexpr double centreToleranceMm = 0.5;

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runCommandLine(const QStringList &arguments) {
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = CommandLine::run(arguments, out, err);
    return run;
}

// The names of a CSV list as the labels print them: each name as often as
// its count says, the caption row left out.
QStringList expectedNames(const QString &csvPath) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QStringList fields = lines[index].trimmed().split(QLatin1Char(','));
        if (fields.size() == 2)
            for (int copy = 0; copy < fields[1].toInt(); ++copy)
                names.append(fields[0]);
    }
    return names;
}

// Nine columns named to make each way of naming a column meet the others:
// an empty caption, two captions equal but for the letter case, one caption
// twice, a caption of the numbered form and a caption that is a number.
const QStringList namingCaptions{"Vorname", "Nachname", "Firma",    "FIRMA", "",
                                 "Ort",     "Ort",      "Spalte 2", "7"};

// One table for the one look-up: row 0 the captions, row 1 "r0" to "r8".
void addColumnNames() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("column"); // counted from 0; -1 refused
    QTest::addColumn<QString>("reason");
    const QString absent = QStringLiteral("keine Spalte");
    const QString ambiguous = QStringLiteral("passt auf die Spalten");
    QTest::newRow("caption") << "Nachname" << 1 << QString();
    QTest::newRow("caption with spaces around") << " Vorname " << 0 << QString();
    QTest::newRow("caption in another letter case") << "nachname" << 1 << QString();
    QTest::newRow("exact case before any case") << "FIRMA" << 3 << QString();
    QTest::newRow("number") << "5" << 4 << QString();
    QTest::newRow("Spalte n") << "Spalte 5" << 4 << QString();
    QTest::newRow("spalte n in any case") << "spalte 1" << 0 << QString();
    QTest::newRow("a caption Spalte 2 is no caption: column 2") << "Spalte 2" << 1 << QString();
    QTest::newRow("a caption that is a number before the number") << "7" << 8 << QString();
    QTest::newRow("ambiguous in any case") << "firma" << -1 << ambiguous;
    QTest::newRow("ambiguous: one caption twice") << "Ort" << -1 << ambiguous;
    QTest::newRow("number beyond the columns") << "10" << -1 << absent;
    QTest::newRow("Spalte 0") << "Spalte 0" << -1 << absent;
    QTest::newRow("absent") << "Telefon" << -1 << absent;
}

// Writes a list of the given kind: "teilnehmer" the sixty names of the test
// data, "huge" one name of 2147483647 copies, "nameless" captions and
// quantities without a name.
bool writeList(const QString &kind, const QString &path) {
    if (kind == QLatin1String("teilnehmer"))
        return QFile::copy(testpaths::dataFile("workbooks/teilnehmer-xlwt.xls"), path);
    WorkbookBuilder builder;
    testwriters::BiffWriter &cells = builder.addSheet(3, 2);
    cells.labelSst(0, 0, builder.addString(u"Name"));
    cells.labelSst(0, 1, builder.addString(u"Anzahl"));
    if (kind == QLatin1String("huge")) {
        cells.labelSst(1, 0, builder.addString(u"Anna"));
        cells.number(1, 1, 2147483647);
    } else if (kind == QLatin1String("nameless")) {
        cells.number(1, 1, 3);
        cells.number(2, 1, 2);
    }
    return builder.writeTo(path);
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void printsEachNameAtItsLabelsCentre_data();
    void printsEachNameAtItsLabelsCentre();
    void printsOnlyThePickedLabels_data();
    void printsOnlyThePickedLabels();
    void longNamesStayInsideTheirLabels();
    void printsTheLabelTextOnTwoLines();
    void refusesWhatItCannotUse_data();
    void refusesWhatItCannotUse();
    void listsTheCatalogue_data();
    void listsTheCatalogue();
    void runsWithoutAnyDisplay();
    void showsProgressOnlyOnATerminal_data();
    void showsProgressOnlyOnATerminal();
    void printsUsageAndVersionWithoutAnyDisplay_data();
    void printsUsageAndVersionWithoutAnyDisplay();
    void lookUpNamesTheColumn_data() { addColumnNames(); }
    void lookUpNamesTheColumn();
    void labelTextNamesTheColumn_data() { addColumnNames(); }
    void labelTextNamesTheColumn();
    void commandLineNamesTheColumn_data() { addColumnNames(); }
    void commandLineNamesTheColumn();

private:
    // The naming workbook, written once.
    QString namingWorkbook();
    // Prints the naming workbook with these options and answers the one
    // label's text, or the run's error.
    QString printedNamingLabel(const QStringList &options, int *status);

    QTemporaryDir dir;
};

void TestCommandLine::printsEachNameAtItsLabelsCentre_data() {
    QTest::addColumn<QString>("workbook");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("offset"); // --offset-x, --offset-y as typed
    QTest::addColumn<QPointF>("offsetMm");
    QTest::addColumn<int>("pages");

    const QString libreOffice = QStringLiteral("teilnehmer-libreoffice.xls");
    const QString gnumeric = QStringLiteral("teilnehmer-gnumeric.xls");
    QTest::newRow("L7160, 60 labels on 3 sheets")
        << libreOffice << QStringLiteral("L7160") << 1 << QStringList() << QPointF() << 3;
    QTest::newRow("L4785 name badges from label 4")
        << gnumeric << QStringLiteral("L4785") << 4 << QStringList() << QPointF() << 7;
    QTest::newRow("L7160 by its alias, offset right and up")
        << libreOffice << QStringLiteral("J8160") << 1 << QStringList{"1.5", "-2"}
        << QPointF(1.5, -2) << 3;
    QTest::newRow("L4785 offset with decimal commas, from the last label")
        << gnumeric << QStringLiteral("L4785") << 10 << QStringList{"-3,2", "4,5"}
        << QPointF(-3.2, 4.5) << 7;
    QTest::newRow("DK-11202 roll: a page of 62 x 100 mm per label")
        << libreOffice << QStringLiteral("DK-11202") << 1 << QStringList() << QPointF() << 60;
    QTest::newRow("DYMO 11354 roll, offset: pages of 57 x 32 mm")
        << gnumeric << QStringLiteral("11354") << 1 << QStringList{"0.5", "-0.5"}
        << QPointF(0.5, -0.5) << 60;
}

void TestCommandLine::printsEachNameAtItsLabelsCentre() {
    QFETCH(QString, workbook);
    QFETCH(QString, stock);
    QFETCH(int, start);
    QFETCH(QStringList, offset);
    QFETCH(QPointF, offsetMm);
    QFETCH(int, pages);
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    QStringList arguments{
        "--print-pdf",          pdf,      "--stock",       stock, "--skip-header", "--start",
        QString::number(start), "--font", "DejaVu Sans,14"};
    if (!offset.isEmpty())
        arguments << "--offset-x" << offset[0] << "--offset-y" << offset[1];
    const Run run = runCommandLine(arguments << testpaths::dataFile("workbooks/" + workbook));
    QVERIFY2(run.status == 0, qPrintable(run.err));

    const LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(stock);
    QString error;
    const QList<pdflabels::Page> printed = pdflabels::readPages(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(printed.size(), pages);
    const QStringList names = expectedNames(testpaths::dataFile("workbooks/teilnehmer.csv"));
    QVERIFY(names.size() == 60);
    qsizetype copy = 0;
    for (qsizetype page = 0; page < printed.size(); ++page) {
        // The sheet's paper, or a roll's label (whole points in the PDF).
        QVERIFY(std::abs(printed[page].sizeMm.width() - sheet.paperSizeMm().width()) < 0.5);
        QVERIFY(std::abs(printed[page].sizeMm.height() - sheet.paperSizeMm().height()) < 0.5);
        const auto labels = pdflabels::labelWords(printed[page], sheet, offsetMm);
        QVERIFY2(!labels.contains(-1), qPrintable("outside every label: " + labels[-1].text));
        const std::int64_t firstSlot = page == 0 ? start - 1 : 0;
        for (std::int64_t slot = 0; slot < sheet.labelsPerPage(); ++slot) {
            if (slot < firstSlot || copy >= names.size()) {
                QVERIFY2(!labels.contains(slot), qPrintable(QString::number(slot)));
                continue;
            }
            // NFKC: pdftotext gives ligatures such as "ff" as one character.
            QCOMPARE(labels.value(slot).text.normalized(QString::NormalizationForm_KC),
                     names[copy++]);
            const QPointF want = sheet.labelRect(slot).translated(offsetMm).center();
            const QRectF box = labels.value(slot).boxMm;
            QVERIFY2(std::abs(box.center().x() - want.x()) <= centreToleranceMm &&
                         std::abs(box.center().y() - want.y()) <= centreToleranceMm,
                     qPrintable(QStringLiteral("page %1 slot %2: %3, label centre (%4, %5)")
                                    .arg(page)
                                    .arg(slot)
                                    .arg(pdflabels::describe(box))
                                    .arg(want.x())
                                    .arg(want.y())));
        }
    }
    QCOMPARE(copy, names.size());
}

void TestCommandLine::printsOnlyThePickedLabels_data() {
    // The list (spreadsheet rows 1 to 6): captions; Anna Schmidt, Stadtwerke,
    // 1; Bert Meier, Schmiede AG, 2; Clara Groß, Stadtwerke, 1; Anna Schmidt,
    // Stadtwerke, 3 (merged into row 2's label, which takes its quantity);
    // Dieter Weiß, Rathaus, 1. Printed on L7160 with two lines per label.
    QTest::addColumn<QStringList>("pick");
    QTest::addColumn<QStringList>("printed"); // slot by slot; empty: refused
    const QString anna = QStringLiteral("Anna Schmidt Stadtwerke");
    const QString bert = QStringLiteral("Bert Meier Schmiede AG");
    const QString clara = QStringLiteral("Clara Groß Stadtwerke");
    const QString dieter = QStringLiteral("Dieter Weiß Rathaus");
    QTest::newRow("--only a later line in another letter case")
        << QStringList{"--only", "STADTWERKE"} << QStringList{anna, anna, anna, clara};
    QTest::newRow("--only any line: a name and a company")
        << QStringList{"--only", "schm"} << QStringList{anna, anna, anna, bert, bert};
    QTest::newRow("--only folded fully: SS finds ß")
        << QStringList{"--only", "WEISS"} << QStringList{dieter};
    QTest::newRow("--rows a row and a span, in list order")
        << QStringList{"--rows", "3,5-6"} << QStringList{anna, anna, anna, bert, bert, dieter};
    QTest::newRow("--rows a row merged into an earlier label picks it")
        << QStringList{"--rows", "5"} << QStringList{anna, anna, anna};
    QTest::newRow("--rows with spaces, the caption row giving no label")
        << QStringList{"--rows", " 1 - 2 , 4"} << QStringList{anna, anna, anna, clara};
    QTest::newRow("both: a label satisfies both")
        << QStringList{"--only", "stadtwerke", "--rows", "2-3"} << QStringList{anna, anna, anna};
    QTest::newRow("both, satisfied by no label")
        << QStringList{"--only", "rathaus", "--rows", "2-5"} << QStringList();
    QTest::newRow("--rows beyond the list") << QStringList{"--rows", "7-99"} << QStringList();
}

void TestCommandLine::printsOnlyThePickedLabels() {
    QFETCH(QStringList, pick);
    QFETCH(QStringList, printed);
    const std::vector<std::array<std::u16string, 4>> rows{
        {u"Vorname", u"Nachname", u"Firma", u"Anzahl"}, {u"Anna", u"Schmidt", u"Stadtwerke", u"1"},
        {u"Bert", u"Meier", u"Schmiede AG", u"2"},      {u"Clara", u"Groß", u"Stadtwerke", u"1"},
        {u"Anna", u"Schmidt", u"Stadtwerke", u"3"},     {u"Dieter", u"Weiß", u"Rathaus", u"1"}};
    WorkbookBuilder builder;
    testwriters::BiffWriter &cells = builder.addSheet(std::uint32_t(rows.size()), 4);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < 4; ++column)
            cells.labelSst(std::uint16_t(row), std::uint16_t(column),
                           builder.addString(rows[row][column]));
    const QString workbook = dir.filePath(QStringLiteral("picked.xls"));
    QVERIFY(builder.writeTo(workbook));
    const QString pdf = dir.filePath(QStringLiteral("picked.pdf"));
    QFile::remove(pdf);
    const Run run = runCommandLine(QStringList{"--print-pdf", pdf, "--stock", "L7160", "--text",
                                               "«Vorname» «Nachname»|«Firma»"} +
                                   pick + QStringList{workbook});
    if (printed.isEmpty()) {
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("ergibt mit ") + pick.first()),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QString error;
    const QList<pdflabels::Page> pages = pdflabels::readPages(pdf, &error);
    QVERIFY2(pages.size() == 1, qPrintable(error));
    const LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L7160"));
    QStringList labels;
    for (const pdflabels::LabelWords &label : pdflabels::labelWords(pages.first(), sheet))
        labels << label.text;
    QCOMPARE(labels, printed);
}

void TestCommandLine::longNamesStayInsideTheirLabels() {
    // Mini labels of 38.1 x 21.2 mm with 2.5 mm gaps and a 20 pt font.
    const std::vector<std::u16string> names{
        u"Name", u"Maximilian Alexander Friedrich von Hohenzollern-Sigmaringen",
        u"Donaudampfschifffahrtsgesellschaftskapitän", u"Bo"};
    WorkbookBuilder builder;
    testwriters::BiffWriter &cells = builder.addSheet(std::uint32_t(names.size()), 1);
    for (std::size_t row = 0; row < names.size(); ++row)
        cells.labelSst(std::uint16_t(row), 0, builder.addString(names[row]));
    const QString workbook = dir.filePath(QStringLiteral("long.xls"));
    QVERIFY(builder.writeTo(workbook));
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    const Run run = runCommandLine(
        {"--print-pdf", pdf, "--stock", "L7651", "--font", "DejaVu Sans,20", workbook});
    QVERIFY2(run.status == 0, qPrintable(run.err));

    QString error;
    const QList<pdflabels::Page> printed = pdflabels::readPages(pdf, &error);
    QVERIFY2(printed.size() == 1, qPrintable(error));
    const LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L7651"));
    const auto labels = pdflabels::labelWords(printed.first(), sheet);
    QVERIFY(!labels.contains(-1));
    QCOMPARE(labels.size(), 4);
    for (auto label = labels.begin(); label != labels.end(); ++label) {
        const QRectF rect = sheet.labelRect(label.key());
        QVERIFY2(rect.contains(label->boxMm),
                 qPrintable(label->text + " at " + pdflabels::describe(label->boxMm)));
    }
    // The longest name is not cut: it is set smaller, on two lines.
    QCOMPARE(labels.value(1).text,
             QStringLiteral("Maximilian Alexander Friedrich von Hohenzollern-Sigmaringen"));
    QRectF first;
    QRectF last;
    QRectF shortName;
    for (const pdflabels::Word &word : printed.first().words) {
        if (word.text == QLatin1String("Maximilian"))
            first = word.boxMm;
        else if (word.text == QLatin1String("Hohenzollern-Sigmaringen"))
            last = word.boxMm;
        else if (word.text == QLatin1String("Bo"))
            shortName = word.boxMm;
    }
    QVERIFY2(last.top() >= first.bottom() - 0.1,
             qPrintable(pdflabels::describe(first) + pdflabels::describe(last)));
    QVERIFY(first.height() < shortName.height());
}

void TestCommandLine::printsTheLabelTextOnTwoLines() {
    const std::vector<std::array<std::u16string, 3>> rows{{u"Vorname", u"Nachname", u"Firma"},
                                                          {u"Anna", u"Schmidt", u"Stadtwerke"}};
    WorkbookBuilder builder;
    testwriters::BiffWriter &cells = builder.addSheet(std::uint32_t(rows.size()), 3);
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < 3; ++column)
            cells.labelSst(std::uint16_t(row), std::uint16_t(column),
                           builder.addString(rows[row][column]));
    const QString workbook = dir.filePath(QStringLiteral("badges.xls"));
    QVERIFY(builder.writeTo(workbook));
    const QString pdf = dir.filePath(QStringLiteral("badges.pdf"));
    const Run run = runCommandLine({"--print-pdf", pdf, "--stock", "L4785", "--skip-header",
                                    "--text", "«Vorname» «Nachname»|«Firma»", workbook});
    QVERIFY2(run.status == 0, qPrintable(run.err));

    QString error;
    const QList<pdflabels::Page> printed = pdflabels::readPages(pdf, &error);
    QVERIFY2(printed.size() == 1, qPrintable(error));
    QHash<QString, QRectF> boxes;
    for (const pdflabels::Word &word : printed.first().words)
        boxes.insert(word.text, word.boxMm);
    const QRectF label =
        LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L4785"))->labelRect(0);
    for (const char *word : {"Anna", "Schmidt", "Stadtwerke"})
        QVERIFY2(boxes.contains(QLatin1String(word)) &&
                     label.contains(boxes.value(QLatin1String(word))),
                 word);
    // The second line lies beneath the first and is set smaller.
    QVERIFY(boxes.value(QStringLiteral("Stadtwerke")).top() >=
            boxes.value(QStringLiteral("Anna")).bottom() - 0.1);
    QVERIFY(boxes.value(QStringLiteral("Stadtwerke")).height() <
            boxes.value(QStringLiteral("Anna")).height());
}

void TestCommandLine::refusesWhatItCannotUse_data() {
    // OUT is the output file, FILE a copy of the list, both in a folder of
    // their own; LINK is a symbolic and HARDLINK a hard link to FILE.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("list"); // what FILE holds: see writeList
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reasonPart"); // empty: the run succeeds
    const QStringList out{"--print-pdf", "OUT"};
    const QString teilnehmer = QStringLiteral("teilnehmer");
    QTest::newRow("unknown stock")
        << out + QStringList{"--stock", "X9999", "FILE"} << teilnehmer << 1 << "X9999";
    QTest::newRow("not a workbook")
        << out + QStringList{testpaths::dataFile("container/large.xls.qz")} << teilnehmer << 1
        << "large.xls.qz";
    QTest::newRow("label text with an unknown caption")
        << out + QStringList{"--text", "«Name»|«Firma»", "FILE"} << teilnehmer << 1 << "Firma";
    QTest::newRow("missing file") << out + QStringList{"/nonexistent/liste.xls"} << teilnehmer << 1
                                  << "liste.xls";
    QTest::newRow("unknown name column")
        << out + QStringList{"--name-column", "Vorname", "FILE"} << teilnehmer << 1 << "Vorname";
    QTest::newRow("no input file") << out << teilnehmer << 2 << "Eingabedatei";
    QTest::newRow("start 0") << out + QStringList{"--start", "0", "FILE"} << teilnehmer << 2
                             << "--start";
    QTest::newRow("font without size")
        << out + QStringList{"--font", "Arial", "FILE"} << teilnehmer << 2 << "--font";
    QTest::newRow("offset no number")
        << out + QStringList{"--offset-x", "links", "FILE"} << teilnehmer << 2 << "--offset-x";
    QTest::newRow("unknown option")
        << out + QStringList{"--colour", "FILE"} << teilnehmer << 2 << "colour";
    QTest::newRow("start 22 on a sheet of 21")
        << out + QStringList{"--stock", "L7160", "--start", "22", "FILE"} << teilnehmer << 2
        << "hat nur 21 Etiketten";
    QTest::newRow("start 100 on a sheet of 21")
        << out + QStringList{"--stock", "L7160", "--start", "100", "FILE"} << teilnehmer << 2
        << "--start 100";
    QTest::newRow("start at the largest number")
        << out + QStringList{"--stock", "L7160", "--start", "9223372036854775807", "FILE"}
        << teilnehmer << 2 << "--start 9223372036854775807";
    QTest::newRow("offset 10.5 mm across")
        << out + QStringList{"--offset-x", "10.5", "FILE"} << teilnehmer << 2 << "--offset-x";
    QTest::newRow("offset 11 mm up")
        << out + QStringList{"--offset-y", "-11", "FILE"} << teilnehmer << 2 << "--offset-y";
    QTest::newRow("more pages than --max-pages")
        << out + QStringList{"--stock", "L7160", "--skip-header", "--max-pages", "2", "FILE"}
        << teilnehmer << 1 << "60 Etiketten ergäben 3 Seiten, mehr als --max-pages 2";
    QTest::newRow("a quantity of 2147483647 beyond the default page limit")
        << out +
               QStringList{"--stock", "L7160", "--skip-header", "--count-column", "Anzahl", "FILE"}
        << "huge" << 1 << "102261127 Seiten, mehr als --max-pages 10000";
    QTest::newRow("label text of literal text only")
        << out + QStringList{"--text", "Hallo", "FILE"} << teilnehmer << 1 << "nennt keine Spalte";
    QTest::newRow("a list without names")
        << out + QStringList{"--skip-header", "FILE"} << "nameless" << 1 << "keine Etiketten";
    QTest::newRow("four lines in --text") << out + QStringList{"--text", "«Name»|a|b|c", "FILE"}
                                          << teilnehmer << 2 << "--text hat 4 Zeilen";
    QTest::newRow("output is the input")
        << QStringList{"--print-pdf", "FILE", "FILE"} << teilnehmer << 2 << "Eingabedatei";
    QTest::newRow("output is a symbolic link to the input")
        << QStringList{"--print-pdf", "LINK", "FILE"} << teilnehmer << 2 << "Eingabedatei";
    QTest::newRow("output is a hard link to the input")
        << QStringList{"--print-pdf", "HARDLINK", "FILE"} << teilnehmer << 2 << "Eingabedatei";
    for (const char *rows : {"", "3,,5", "0", "9-5", "x", "4-", "99999999999"})
        QTest::newRow(qPrintable(QStringLiteral("--rows \"%1\"").arg(QLatin1String(rows))))
            << out + QStringList{"--rows", rows, "FILE"} << teilnehmer << 2
            << QStringLiteral("--rows erwartet Zeilennummern");
    QTest::newRow("--only that leaves no label")
        << out + QStringList{"--only", "Zebra", "FILE"} << teilnehmer << 1
        << QStringLiteral("ergibt mit --only \"Zebra\" keine Etiketten");
    QTest::newRow("printed, and nothing but OUT written")
        << out + QStringList{"--stock", "L7160", "FILE"} << teilnehmer << 0 << QString();
    QTest::newRow("tape length on a sheet")
        << out + QStringList{"--stock", "L7160", "--tape-length", "150", "FILE"} << teilnehmer << 2
        << "--tape-length gilt nur für Endlosband";
    QTest::newRow("tape length on die-cut labels of a roll")
        << out + QStringList{"--stock", "DK-11202", "--tape-length", "150", "FILE"} << teilnehmer
        << 2 << "nicht für DK-11202";
    QTest::newRow("tape length below 10 mm")
        << out + QStringList{"--stock", "DK-22205", "--tape-length", "9,5", "FILE"} << teilnehmer
        << 2 << "von 10 bis 1000, gefunden \"9,5\"";
    QTest::newRow("start 2 on a roll")
        << out + QStringList{"--stock", "DK-11202", "--start", "2", "FILE"} << teilnehmer << 2
        << "--start gilt nur für Bögen";
    QTest::newRow("tape cut to 150 mm, and nothing but OUT written")
        << out + QStringList{"--stock", "DK-22205", "--tape-length", "150", "--start", "1", "FILE"}
        << teilnehmer << 0 << QString();
    QTest::newRow("test page, and nothing but OUT written")
        << QStringList{"--test-page", "OUT", "--stock", "L7160"} << teilnehmer << 0 << QString();
}

void TestCommandLine::refusesWhatItCannotUse() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, list);
    QFETCH(int, status);
    QFETCH(QString, reasonPart);
    const QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("liste.xls"));
    QVERIFY(writeList(list, input));
    const QByteArray before = contentOf(input);
    QStringList expected{QStringLiteral("liste.xls")};
    const QHash<QString, QString> placeholders{
        {"OUT", folder.filePath(QStringLiteral("out.pdf"))},
        {"FILE", input},
        {"LINK", folder.filePath(QStringLiteral("link.pdf"))},
        {"HARDLINK", folder.filePath(QStringLiteral("hard.pdf"))}};
    if (arguments.contains(QStringLiteral("LINK"))) {
        QVERIFY(QFile::link(input, placeholders["LINK"]));
        expected << QStringLiteral("link.pdf");
    }
    if (arguments.contains(QStringLiteral("HARDLINK"))) {
        QVERIFY(::link(QFile::encodeName(input).constData(),
                       QFile::encodeName(placeholders["HARDLINK"]).constData()) == 0);
        expected << QStringLiteral("hard.pdf");
    }
    for (QString &argument : arguments)
        argument = placeholders.value(argument, argument);

    const Run run = runCommandLine(arguments);
    QVERIFY2(run.status == status, qPrintable(run.err));
    if (status != 0)
        QVERIFY2(run.err.startsWith(QLatin1String("tagomat: ")) && run.err.contains(reasonPart),
                 qPrintable(run.err));
    else
        expected << QStringLiteral("out.pdf");
    // Nothing but OUT is written, and only on success: no temporary file is
    // left, and the list is as it was.
    QStringList found = QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
    QCOMPARE(contentOf(input), before);
}

void TestCommandLine::listsTheCatalogue_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("line");
    QTest::newRow("L7160") << QStringLiteral("L7160")
                           << QStringLiteral("L7160,J8160\tAvery Zweckform\tAdressetiketten\t63.5\t"
                                             "38.1\t3\t7\t7.21\t15.15\t66.04\t38.1\tsheet");
    QTest::newRow("L4785 with its aliases")
        << QStringLiteral("L4786")
        << QStringLiteral("L4785,L4784,L4786,L4787\tAvery Zweckform\tNamensschilder\t80\t50\t2\t"
                          "5\t17.5\t13.5\t95\t55\tsheet");
    QTest::newRow("Herma 4360")
        << QStringLiteral("4360")
        << QStringLiteral("4360\tHerma\tEtiketten\t70\t36\t3\t8\t0\t4.5\t70\t36\tsheet");
    QTest::newRow("Brother DK-11201, a roll")
        << QStringLiteral("DK-11201")
        << QStringLiteral("DK-11201\tBrother\tStandard-Adressetiketten "
                          "(Rolle)\t29\t90\t1\t1\t0\t0\t29\t90\troll");
    QTest::newRow("Brother DK-22205, continuous tape of 100 mm by default")
        << QStringLiteral("DK-22205")
        << QStringLiteral(
               "DK-22205\tBrother\tEndlosetikett Papier 62 mm (Rolle)\t62\t100\t1\t1\t0\t"
               "0\t62\t100\troll");
    QTest::newRow("DYMO 99010, a roll")
        << QStringLiteral("99010")
        << QStringLiteral("99010\tDYMO\tAdressetiketten (LabelWriter-Rolle)\t28\t89\t1\t1\t0\t0\t"
                          "28\t89\troll");
}

void TestCommandLine::listsTheCatalogue() {
    QFETCH(QString, code);
    QFETCH(QString, line);
    const Run run = runCommandLine({"--list-stock"});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), LabelSheetCatalogue::builtIn().size());
    for (const QString &each : lines)
        QCOMPARE(each.count(QLatin1Char('\t')), 11);
    QVERIFY2(lines.contains(line), qPrintable(run.out));
    // Every code the line shows is taken by --stock.
    for (const QString &alias : line.section(QLatin1Char('\t'), 0, 0).split(QLatin1Char(',')))
        QCOMPARE(LabelSheetCatalogue::builtIn().findCode(alias)->code(),
                 LabelSheetCatalogue::builtIn().findCode(code)->code());
}

void TestCommandLine::runsWithoutAnyDisplay() {
    const QString pdf = dir.filePath(QStringLiteral("headless.pdf"));
    const ProgramRun run = runProgram({"--print-pdf", pdf, "--stock", "L7163",
                                       testpaths::dataFile("workbooks/namensliste-xlwt.xls")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QString error;
    const QList<pdflabels::Page> printed = pdflabels::readPages(pdf, &error);
    QVERIFY2(!printed.isEmpty() && !printed.first().words.isEmpty(), qPrintable(error));
}

void TestCommandLine::showsProgressOnlyOnATerminal_data() {
    QTest::addColumn<bool>("terminal");
    QTest::newRow("on a terminal: reading and pages counted, then the line emptied") << true;
    QTest::newRow("into a pipe: nothing shown") << false;
}

void TestCommandLine::showsProgressOnlyOnATerminal() {
    QFETCH(bool, terminal);
    const QStringList arguments{"--print-pdf", dir.filePath(QStringLiteral("progress.pdf")),
                                "--stock", "L7160",
                                testpaths::dataFile("workbooks/teilnehmer-xlwt.xls")};
    // As on a desktop, so that Qt has nothing to warn of there.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    if (!terminal) {
        const ProgramRun run = runProgram(arguments);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        return;
    }
    // The terminal's line as it stood each time the cursor went back to its
    // start, and at the end.
    QStringList shown;
    QString line;
    qsizetype column = 0;
    for (const QChar c : QString::fromUtf8(terminalOfProgram(arguments))) {
        if (c == u'\r' || c == u'\n') {
            shown << line.trimmed();
            column = 0;
            if (c == u'\n')
                line.clear();
        } else {
            line = line.left(column) + c + line.mid(column + 1);
            ++column;
        }
    }
    shown << line.trimmed();
    QVERIFY2(!shown.filter(QRegularExpression(QStringLiteral("^Lesen: \\d+ %$"))).isEmpty(),
             qPrintable(shown.join(u'|')));
    const int pages = 3; // sixty names, 21 on a sheet
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(shown.contains(QStringLiteral("Seite %1 von %2").arg(page).arg(pages)),
                 qPrintable(shown.join(u'|')));
    QCOMPARE(shown.last(), QString());
}

void TestCommandLine::printsUsageAndVersionWithoutAnyDisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("shown"); // a whole output when it is one line
    const QStringList usage{"--print-pdf", "--test-page", "--list-stock", "--max-pages", "--design",
                            "--logo",      "--qr",        "--version",    "FILE"};
    const QStringList version{QStringLiteral("tagomat %1\n").arg(QLatin1String(tagomatVersion))};
    QTest::newRow("--help") << QStringLiteral("--help") << usage;
    QTest::newRow("-h") << QStringLiteral("-h") << usage;
    QTest::newRow("--version") << QStringLiteral("--version") << version;
    QTest::newRow("-v") << QStringLiteral("-v") << version;
}

void TestCommandLine::printsUsageAndVersionWithoutAnyDisplay() {
    QFETCH(QString, option);
    QFETCH(QStringList, shown);
    const ProgramRun run = runProgram({option});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QString &output = run.out;
    if (shown.size() == 1)
        QCOMPARE(output, shown.first());
    for (const QString &part : shown)
        QVERIFY2(output.contains(part), qPrintable(output));
}

void TestCommandLine::lookUpNamesTheColumn() {
    QFETCH(QString, written);
    QFETCH(int, column);
    QFETCH(QString, reason);
    const ColumnLookup found = lookUpColumn(namingCaptions, written);
    QCOMPARE(found.found(), column >= 0);
    QCOMPARE(found.column, column);
    if (!reason.isEmpty())
        QVERIFY2(columnLookupProblem(found, written).contains(reason),
                 qPrintable(columnLookupProblem(found, written)));
}

void TestCommandLine::labelTextNamesTheColumn() {
    QFETCH(QString, written);
    QFETCH(int, column);
    const LabelTemplate text = LabelTemplate::parse(u'«' + written + u'»', namingCaptions);
    if (column >= 0) {
        QCOMPARE(text.soleColumn(), std::optional<int>(column));
        // Written back and read again, the field names the same column.
        const QString writtenBack = text.text(namingCaptions);
        QCOMPARE(LabelTemplate::parse(writtenBack, namingCaptions).soleColumn(),
                 std::optional<int>(column));
    } else {
        QCOMPARE(text.missingCaptions(), QStringList{written});
    }
}

QString TestCommandLine::namingWorkbook() {
    const QString path = dir.filePath(QStringLiteral("naming.xls"));
    if (QFile::exists(path))
        return path;
    WorkbookBuilder builder;
    testwriters::BiffWriter &cells = builder.addSheet(2, std::uint16_t(namingCaptions.size()));
    for (qsizetype column = 0; column < namingCaptions.size(); ++column) {
        if (!namingCaptions.at(column).isEmpty())
            cells.labelSst(0, std::uint16_t(column),
                           builder.addString(namingCaptions.at(column).toStdU16String()));
        cells.labelSst(1, std::uint16_t(column),
                       builder.addString(QStringLiteral("r%1").arg(column).toStdU16String()));
    }
    return builder.writeTo(path) ? path : QString();
}

QString TestCommandLine::printedNamingLabel(const QStringList &options, int *status) {
    const QString pdf = dir.filePath(QStringLiteral("naming.pdf"));
    QFile::remove(pdf);
    const Run run =
        runCommandLine(QStringList{"--print-pdf", pdf, "--stock", "L7160", "--skip-header"} +
                       options + QStringList{namingWorkbook()});
    *status = run.status;
    if (run.status != 0)
        return run.err;
    QString error;
    const QList<pdflabels::Page> printed = pdflabels::readPages(pdf, &error);
    if (printed.size() != 1)
        return error;
    const LabelSheet sheet = *LabelSheetCatalogue::builtIn().findCode(QStringLiteral("L7160"));
    return pdflabels::labelWords(printed.first(), sheet).value(0).text;
}

void TestCommandLine::commandLineNamesTheColumn() {
    QFETCH(QString, written);
    QFETCH(int, column);
    QFETCH(QString, reason);
    for (const QStringList &options :
         {QStringList{"--name-column", written}, QStringList{"--text", u'«' + written + u'»'}}) {
        int status = -1;
        const QString printed = printedNamingLabel(options, &status);
        if (column >= 0) {
            QCOMPARE(status, 0);
            QCOMPARE(printed, QStringLiteral("r%1").arg(column));
        } else {
            QCOMPARE(status, 1);
            QVERIFY2(printed.contains(reason), qPrintable(printed));
        }
    }
}

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
