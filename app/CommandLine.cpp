#include "app/CommandLine.h"

#include "app/ColumnChoice.h"
#include "app/DesignOptions.h"
#include "app/ImportFailureText.h"
#include "app/PdfOutput.h"
#include "app/TerminalProgress.h"
#include "app/Translations.h"
#include "app/WindowSettings.h"
#include "import/QXLSImporter.h"
#include "pages/ColumnLookup.h"
#include "pages/LabelJob.h"
#include "pages/LabelPick.h"
#include "pages/LabelSheetCatalogue.h"
#include "pages/LabelSource.h"
#include "pages/LabelTemplate.h"
#include "pages/TestPage.h"

#include "TagomatVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
using Failure = CommandLineFailure;

// The context these texts are filed under in the translation.
struct CommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString printPdfOption = QStringLiteral("print-pdf");
const QString testPageOption = QStringLiteral("test-page");
const QString listStockOption = QStringLiteral("list-stock");

struct Options {
    QString outputPath;
    QString inputPath;
    std::optional<LabelSheet> sheet;
    // The window's first-start font.
    QFont font = WindowSettings().labelFont;
    bool skipHeader = false;
    bool frames = false;
    // Counted from 0; checked against the sheet once it is known.
    std::int64_t startSlot = 0;
    // A longer job is refused before anything is drawn.
    std::int64_t maximumPages = 10000;
    QString nameColumn;
    QString countColumn;
    // The label text, lines separated by '|'; empty prints the name column.
    QString labelText;
    QPointF offsetMm;
    // A saved design, a logo and a QR code.
    DesignOptions design;
    // Only the labels with a line containing this text, of these rows.
    std::optional<QString> only;
    std::optional<RowNumbers> rows;
    QString rowsText;
    // A terminal that shows how far the run has come, or null.
    QTextStream *terminal = nullptr;
};

void addOptions(QCommandLineParser &parser) {
    parser.addOptions({
        {printPdfOption, CommandLineTexts::tr("Schreibt die Etiketten von FILE als PDF nach OUT."),
         QStringLiteral("OUT")},
        {testPageOption,
         CommandLineTexts::tr("Schreibt die Testseite des Etikettenbogens als PDF nach OUT."),
         QStringLiteral("OUT")},
        {listStockOption, CommandLineTexts::tr("Listet die Etikettenbögen des Katalogs auf.")},
        {QStringLiteral("stock"),
         CommandLineTexts::tr("Etikettenbogen nach Artikelnummer oder Alias."),
         QStringLiteral("CODE")},
        {QStringLiteral("font"), CommandLineTexts::tr("Schriftfamilie und Größe in Punkt."),
         QStringLiteral("FAMILY,POINTS")},
        {QStringLiteral("skip-header"), CommandLineTexts::tr("Lässt die Kopfzeile weg.")},
        {QStringLiteral("start"),
         CommandLineTexts::tr("Erstes benutztes Etikett auf dem ersten Bogen."),
         QStringLiteral("N")},
        {QStringLiteral("name-column"), CommandLineTexts::tr("Spalte der Namen."),
         QStringLiteral("CAPTION|NUMBER")},
        {QStringLiteral("count-column"), CommandLineTexts::tr("Spalte der Anzahlen."),
         QStringLiteral("CAPTION|NUMBER")},
        {QStringLiteral("text"),
         CommandLineTexts::tr("Etikettentext: Spalten als «Überschrift», Zeilen getrennt durch |."),
         QStringLiteral("TEXT")},
        {QStringLiteral("frames"),
         CommandLineTexts::tr("Druckt die Umrisse der Etiketten auf einem gewählten Bogen.")},
        {QStringLiteral("offset-x"), CommandLineTexts::tr("Verschiebt den Druck nach rechts (mm)."),
         QStringLiteral("MM")},
        {QStringLiteral("offset-y"), CommandLineTexts::tr("Verschiebt den Druck nach unten (mm)."),
         QStringLiteral("MM")},
        {QStringLiteral("tape-length"),
         CommandLineTexts::tr("Länge, die jedes Etikett vom Endlosband nimmt (mm, Vorgabe 100)."),
         QStringLiteral("MM")},
        {QStringLiteral("max-pages"),
         CommandLineTexts::tr("Lehnt einen Auftrag mit mehr als N Seiten ab (Vorgabe 10000)."),
         QStringLiteral("N")},
        {QStringLiteral("only"),
         CommandLineTexts::tr("Druckt nur die Etiketten mit einer Zeile, die TEXT enthält (Groß- "
                              "und Kleinschreibung egal)."),
         QStringLiteral("TEXT")},
        {QStringLiteral("rows"),
         CommandLineTexts::tr(
             "Druckt nur die Etiketten dieser Zeilen, nummeriert wie in der Tabelle."),
         QStringLiteral("3,5-9")},
    });
    DesignOptions::addTo(parser);
    parser.setApplicationDescription(CommandLineTexts::tr(
        "Druckt Namensetiketten aus einer Liste. Ohne --print-pdf, --test-page oder\n"
        "--list-stock öffnet Tagomat sein Fenster (tagomat [FILE]).\n"
        "In --text ist \\| ein | auf dem Etikett statt einer neuen Zeile.\n"
        "Rückgabewert: 0 erledigt, 1 eine Datei, ein Bogen oder eine Etikettenliste, die\n"
        "nicht verwendet werden können, 2 eine Befehlszeile, die nicht verwendet werden\n"
        "kann; OUT wird nur bei Erfolg geschrieben."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), CommandLineTexts::tr("Die Namensliste."));
}

std::optional<Failure> readFont(const QString &text, QFont *font) {
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    bool ok = false;
    const double points = comma > 0 ? text.mid(comma + 1).trimmed().toDouble(&ok) : 0;
    if (!ok || !(points > 0) || points > 400)
        return Failure{exitUnusableCommandLine,
                       CommandLineTexts::tr("--font erwartet FAMILIE,PUNKTE, z. B. \"Arial,12\"; "
                                            "gefunden \"%1\"")
                           .arg(text)};
    *font = QFont(text.left(comma).trimmed());
    font->setPointSizeF(points);
    return std::nullopt;
}

std::optional<Failure> readOffset(const QCommandLineParser &parser, const QString &name,
                                  qreal *mm) {
    if (!parser.isSet(name))
        return std::nullopt;
    double value = 0;
    if (!parseMillimetres(parser.value(name), &value) || !isPrinterOffset(value))
        return Failure{
            exitUnusableCommandLine,
            CommandLineTexts::tr("--%1 erwartet Millimeter von -%2 bis %2, gefunden \"%3\"")
                .arg(name)
                .arg(maximumPrinterOffsetMm)
                .arg(parser.value(name))};
    *mm = value;
    return std::nullopt;
}

// Continuous tape is cut to the length asked for; other stock has its own.
std::optional<Failure> readTapeLength(const QCommandLineParser &parser, Options *options) {
    const QString option = QStringLiteral("tape-length");
    if (!parser.isSet(option))
        return std::nullopt;
    double mm = 0;
    if (!parseMillimetres(parser.value(option), &mm) || mm < minimumTapeLengthMm ||
        mm > maximumTapeLengthMm)
        return Failure{
            exitUnusableCommandLine,
            CommandLineTexts::tr("--tape-length erwartet Millimeter von %1 bis %2, gefunden "
                                 "\"%3\"")
                .arg(minimumTapeLengthMm)
                .arg(maximumTapeLengthMm)
                .arg(parser.value(option))};
    if (!options->sheet || !options->sheet->continuous)
        return Failure{exitUnusableCommandLine,
                       CommandLineTexts::tr("--tape-length gilt nur für Endlosband (etwa --stock "
                                            "DK-22205), nicht für %1")
                           .arg(options->sheet
                                    ? options->sheet->code()
                                    : CommandLineTexts::tr("das Raster der Labelgröße"))};
    options->sheet = options->sheet->withTapeLength(mm);
    return std::nullopt;
}

std::optional<Failure> readOptions(const QCommandLineParser &parser, Options *options) {
    if (parser.isSet(QStringLiteral("stock"))) {
        const QString code = parser.value(QStringLiteral("stock"));
        const LabelSheet *sheet = LabelSheetCatalogue::builtIn().findCode(code);
        if (!sheet)
            return Failure{exitUnusableInput,
                           CommandLineTexts::tr("Unbekannter Etikettenbogen \"%1\" "
                                                "(tagomat --list-stock zeigt alle)")
                               .arg(code)};
        options->sheet = *sheet;
    }
    if (parser.isSet(QStringLiteral("font")))
        if (auto failure = readFont(parser.value(QStringLiteral("font")), &options->font))
            return failure;
    if (parser.isSet(QStringLiteral("start"))) {
        bool ok = false;
        const qlonglong start = parser.value(QStringLiteral("start")).toLongLong(&ok);
        if (!ok || start < 1)
            return Failure{exitUnusableCommandLine,
                           CommandLineTexts::tr("--start erwartet eine Etikettennummer ab 1")};
        options->startSlot = start - 1;
    }
    if (parser.isSet(QStringLiteral("max-pages"))) {
        bool ok = false;
        options->maximumPages = parser.value(QStringLiteral("max-pages")).toLongLong(&ok);
        if (!ok || options->maximumPages < 1)
            return Failure{exitUnusableCommandLine,
                           CommandLineTexts::tr("--max-pages erwartet eine Seitenzahl ab 1")};
    }
    qreal x = 0;
    qreal y = 0;
    if (auto failure = readOffset(parser, QStringLiteral("offset-x"), &x))
        return failure;
    if (auto failure = readOffset(parser, QStringLiteral("offset-y"), &y))
        return failure;
    options->offsetMm = QPointF(x, y);
    if (parser.isSet(QStringLiteral("only")))
        options->only = parser.value(QStringLiteral("only"));
    if (parser.isSet(QStringLiteral("rows"))) {
        options->rowsText = parser.value(QStringLiteral("rows"));
        options->rows = RowNumbers::parse(options->rowsText);
        if (!options->rows)
            return Failure{exitUnusableCommandLine,
                           CommandLineTexts::tr("--rows erwartet Zeilennummern ab 1 wie 3,5-9, "
                                                "gefunden \"%1\"")
                               .arg(options->rowsText)};
    }
    options->skipHeader = parser.isSet(QStringLiteral("skip-header"));
    options->frames = parser.isSet(QStringLiteral("frames"));
    options->nameColumn = parser.value(QStringLiteral("name-column"));
    options->countColumn = parser.value(QStringLiteral("count-column"));
    options->labelText = parser.value(QStringLiteral("text"));
    // Read without the list's captions: only the lines are counted here.
    if (const int surplus = LabelTemplate::parse(options->labelText, {}).surplusLines();
        surplus > 0)
        return Failure{exitUnusableCommandLine,
                       CommandLineTexts::tr("--text hat %1 Zeilen, ein Etikett höchstens %2")
                           .arg(LabelTemplate::maximumLines + surplus)
                           .arg(LabelTemplate::maximumLines)};
    if (auto failure = options->design.read(parser))
        return failure;
    // The options given override the design's sheet and font.
    if (!options->sheet)
        options->sheet = options->design.sheet();
    if (auto failure = readTapeLength(parser, options))
        return failure;
    if (!parser.isSet(QStringLiteral("font")))
        options->font = options->design.font(options->font);
    return std::nullopt;
}

std::optional<Failure> chooseColumn(const QString &wanted, const QStringList &captions,
                                    const char *option, int *column) {
    if (wanted.isEmpty())
        return std::nullopt;
    const ColumnLookup found = lookUpColumn(captions, wanted);
    if (!found.found())
        return Failure{
            exitUnusableInput,
            CommandLineTexts::tr("--%1: %2; Spalten: %3")
                .arg(QLatin1String(option),
                     columnLookupProblem(found, QLatin1Char('"') + wanted + QLatin1Char('"')),
                     captions.join(QStringLiteral(", ")))};
    *column = found.column;
    return std::nullopt;
}

// The options that pick labels as they were given, e.g. --only "Müller".
QString pickText(const Options &options) {
    QStringList given;
    if (options.only)
        given << QStringLiteral("--only \"%1\"").arg(*options.only);
    if (options.rows)
        given << QStringLiteral("--rows %1").arg(options.rowsText);
    return given.join(QLatin1Char(' '));
}

// Keeps the labels --only and --rows ask for; a label must satisfy both.
void pickLabels(const Options &options, const ImportedTable &table, const LabelChoice &choice,
                LabelMap *labels) {
    if (options.only)
        *labels = labelsContaining(*labels, *options.only);
    if (!options.rows)
        return;
    if (!choice.mergeEqual) {
        *labels = labelsOfRows(*labels, *options.rows);
        return;
    }
    // Each row's own label, so that a row merged into an equal one picks it.
    LabelChoice rowByRow = choice;
    rowByRow.mergeEqual = false;
    const LabelMap eachRow = LabelSource(table, rowByRow).filtered(QString());
    *labels = labelsOfRows(*labels, *options.rows, &eachRow);
}

std::optional<Failure> importLabels(const Options &options, LabelMap *labels,
                                    const xls::ProgressCallback &reading) {
    QXLSImporter importer(nullptr);
    LoadOptions loadOptions;
    loadOptions.progress = reading;
    importer.setLoadOptions(loadOptions);
    importer.importFile(options.inputPath);
    if (importer.errorCode() != xls::ReadErrorCode::None)
        return Failure{exitUnusableInput,
                       QStringLiteral("%1: %2 (%3)")
                           .arg(options.inputPath, importFailureReason(importer.readError()),
                                importFailureDetail(importer.readError()))};
    const QStringList captions = importer.headerRow();
    ColumnChoice columns = chooseColumns(captions);
    if (auto failure =
            chooseColumn(options.nameColumn, captions, "name-column", &columns.nameColumn))
        return failure;
    if (auto failure =
            chooseColumn(options.countColumn, captions, "count-column", &columns.quantityColumn))
        return failure;
    // Without a design: the columns the captions choose.
    LabelChoice byCaptions;
    byCaptions.text = LabelTemplate::ofColumn(columns.nameColumn);
    byCaptions.quantityColumn = columns.quantityColumn;
    LabelChoice choice = options.design.choice(captions, byCaptions);
    // The column options override the design's choice.
    if (!options.nameColumn.isEmpty())
        choice.text = LabelTemplate::ofColumn(columns.nameColumn);
    if (!options.countColumn.isEmpty())
        choice.quantityColumn = columns.quantityColumn;
    choice.skipCaptions = choice.skipCaptions || options.skipHeader;
    if (!options.labelText.isEmpty()) {
        choice.text = LabelTemplate::parse(options.labelText, captions);
        if (const QStringList missing = choice.text.missingCaptions(); !missing.isEmpty())
            return missingCaptionFailure(QStringLiteral("--text"), missing, captions);
        if (choice.text.columns().isEmpty())
            return Failure{exitUnusableInput,
                           CommandLineTexts::tr("--text \"%1\" nennt keine Spalte wie %2Name%3; es "
                                                "gäbe keine Etiketten")
                               .arg(options.labelText, LabelTemplate::fieldOpening,
                                    LabelTemplate::fieldClosing)};
    }
    if (auto failure = options.design.checkCaptions(choice, captions))
        return failure;
    *labels = LabelSource(importer.importedTable(), choice).filtered(QString());
    if (labels->totalCopies() == 0)
        return Failure{
            exitUnusableInput,
            CommandLineTexts::tr("%1 ergibt keine Etiketten: keine Zeile hat einen Namen mit "
                                 "einer Anzahl ab 1")
                .arg(options.inputPath)};
    pickLabels(options, importer.importedTable(), choice, labels);
    if (labels->totalCopies() == 0)
        return Failure{exitUnusableInput, CommandLineTexts::tr("%1 ergibt mit %2 keine Etiketten")
                                              .arg(options.inputPath, pickText(options))};
    return std::nullopt;
}

// The labels on the grid of the window's first-start label size, or on the
// chosen stock.
LabelJob jobOf(const Options &options) {
    const WindowSettings firstStart;
    LabelJob job;
    job.setGrid(PageLayout::forLabelSize(firstStart.labelWidthMm, firstStart.labelHeightMm));
    job.setChosenSheet(options.sheet);
    job.setStartSlot(options.startSlot);
    job.setFramesOnPaper(options.frames);
    job.setFont(options.font);
    const LabelSheet sheet = job.sheet();
    job.setDesign(options.design.look(sheet.labelRect(0).size()));
    return job;
}

// The start slot lies on the sheet: a larger one is refused rather than
// moved to the sheet's last label.
std::optional<Failure> checkStart(const Options &options, const LabelSheet &sheet) {
    if (options.startSlot < sheet.labelsPerPage())
        return std::nullopt;
    if (sheet.isRoll())
        return Failure{
            exitUnusableCommandLine,
            CommandLineTexts::tr("--start %1: auf der Rolle %2 hat jede Seite ein Etikett; "
                                 "--start gilt nur für Bögen")
                .arg(options.startSlot + 1)
                .arg(sheet.code())};
    return Failure{
        exitUnusableCommandLine,
        CommandLineTexts::tr("--start %1: der Bogen %2 hat nur %3 Etiketten")
            .arg(options.startSlot + 1)
            .arg(sheet.code().isEmpty() ? CommandLineTexts::tr("der Labelgröße") : sheet.code())
            .arg(sheet.labelsPerPage())};
}

// A job of more pages than allowed is refused before any is drawn.
std::optional<Failure> checkPages(const Options &options, const LabelJob &job) {
    const std::int64_t pages = job.sheet().pageCount(job.labels().totalCopies(), job.startSlot());
    if (pages <= options.maximumPages)
        return std::nullopt;
    return Failure{exitUnusableInput,
                   CommandLineTexts::tr("%1 Etiketten ergäben %2 Seiten, mehr als --max-pages %3")
                       .arg(job.labels().totalCopies())
                       .arg(pages)
                       .arg(options.maximumPages)};
}

std::optional<Failure> printPdf(const Options &options, QTextStream &out) {
    // The list is never replaced by what is made of it.
    if (sameFile(options.outputPath, options.inputPath))
        return Failure{
            exitUnusableCommandLine,
            CommandLineTexts::tr("%1 ist die Eingabedatei; die Ausgabe braucht einen anderen "
                                 "Namen")
                .arg(options.outputPath)};
    LabelJob job = jobOf(options);
    if (auto failure = checkStart(options, job.sheet()))
        return failure;
    TerminalProgress progress(options.terminal);
    LabelMap labels;
    if (auto failure = importLabels(options, &labels, progress.reading()))
        return failure;
    job.setLabels(std::move(labels));
    if (auto failure = checkPages(options, job))
        return failure;
    // A label that cannot be drawn as designed is not printed without it.
    if (const QStringList problems = job.designProblems(); !problems.isEmpty())
        return Failure{exitUnusableInput, problems.join(QStringLiteral("\ntagomat: "))};
    PdfOutput output(options.outputPath, job.sheet());
    const std::int64_t printed =
        job.print(output.writer(), 0, job.pageCount() - 1, options.offsetMm, progress.printing());
    progress.clear();
    if (auto failure = output.finish(job.sheet().labelsPerPage() > 0))
        return failure;
    out << CommandLineTexts::tr("%1 %2 auf %3 %4: %5\n")
               .arg(printed)
               .arg(printed == 1 ? CommandLineTexts::tr("Etikett")
                                 : CommandLineTexts::tr("Etiketten"))
               .arg(job.pageCount())
               .arg(job.pageCount() == 1 ? CommandLineTexts::tr("Seite")
                                         : CommandLineTexts::tr("Seiten"))
               .arg(options.outputPath);
    return std::nullopt;
}

std::optional<Failure> printTestPdf(const Options &options) {
    const WindowSettings firstStart;
    const LabelSheet sheet = options.sheet
                                 ? *options.sheet
                                 : LabelSheet::fromPageLayout(PageLayout::forLabelSize(
                                       firstStart.labelWidthMm, firstStart.labelHeightMm));
    PdfOutput output(options.outputPath, sheet);
    return output.finish(printTestPage(output.writer(), sheet, options.offsetMm));
}

// A font family the system does not have is replaced by another: said, so
// that the labels do not come out in a surprising face unnoticed.
void warnOfSubstitute(const QFont &font, QTextStream &err) {
    const QString used = QFontInfo(font).family();
    if (used.compare(font.family(), Qt::CaseInsensitive) != 0)
        err << CommandLineTexts::tr(
                   "tagomat: Warnung: Schrift \"%1\" nicht vorhanden, gedruckt wird "
                   "mit \"%2\"\n")
                   .arg(font.family(), used);
}

QString millimetres(double mm) {
    return formatMillimetres(mm, QLatin1Char('.'));
}

void listStock(QTextStream &out) {
    for (const LabelSheet &sheet : LabelSheetCatalogue::builtIn().sheets()) {
        const QStringList fields{sheet.codes.join(QLatin1Char(',')),
                                 sheet.maker,
                                 sheet.description,
                                 millimetres(sheet.labelWidth),
                                 millimetres(sheet.labelHeight),
                                 QString::number(sheet.columns),
                                 QString::number(sheet.rows),
                                 millimetres(sheet.leftMargin),
                                 millimetres(sheet.topMargin),
                                 millimetres(sheet.horizontalPitch),
                                 millimetres(sheet.verticalPitch),
                                 sheet.isRoll() ? QStringLiteral("roll") : QStringLiteral("sheet")};
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
}
} // namespace

bool CommandLine::wanted(const QStringList &arguments) {
    for (const QString &argument : arguments) {
        for (const char *answered : {"--help", "-h", "--version", "-v"})
            if (argument == QLatin1String(answered))
                return true;
        for (const QString &option : {printPdfOption, testPageOption, listStockOption})
            if (argument == QStringLiteral("--") + option ||
                argument.startsWith(QStringLiteral("--") + option + QLatin1Char('=')))
                return true;
    }
    return false;
}

int CommandLine::run(const QStringList &arguments, QTextStream &out, QTextStream &err,
                     QTextStream *terminal) {
    QCommandLineParser parser;
    addOptions(parser);
    std::optional<Failure> failure;
    Options options;
    if (!parser.parse(QStringList{QStringLiteral("tagomat")} + arguments)) {
        failure = Failure{exitUnusableCommandLine, parser.errorText()};
    } else if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return exitDone;
    } else if (parser.isSet(QStringLiteral("version"))) {
        out << QStringLiteral("tagomat ") << QLatin1String(tagomatVersion) << '\n';
        return exitDone;
    } else if (int(parser.isSet(printPdfOption)) + int(parser.isSet(testPageOption)) +
                   int(parser.isSet(listStockOption)) !=
               1) {
        failure =
            Failure{exitUnusableCommandLine,
                    CommandLineTexts::tr("genau eine von --print-pdf, --test-page, --list-stock")};
    } else if (parser.isSet(listStockOption)) {
        listStock(out);
    } else if (parser.isSet(printPdfOption) && parser.positionalArguments().size() != 1) {
        failure = Failure{exitUnusableCommandLine,
                          CommandLineTexts::tr("--print-pdf braucht genau eine Eingabedatei")};
    } else if (!(failure = readOptions(parser, &options))) {
        options.terminal = terminal;
        if (parser.isSet(printPdfOption)) {
            options.outputPath = parser.value(printPdfOption);
            options.inputPath = parser.positionalArguments().first();
            if (parser.isSet(QStringLiteral("font")) || options.design.hasDesign())
                warnOfSubstitute(options.font, err);
            failure = printPdf(options, out);
        } else {
            options.outputPath = parser.value(testPageOption);
            failure = printTestPdf(options);
        }
    }
    if (!failure)
        return exitDone;
    err << QStringLiteral("tagomat: ") << failure->reason << '\n';
    return failure->status;
}

namespace {
bool stderrIsTerminal() {
#ifdef Q_OS_UNIX
    return isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}
} // namespace

int CommandLine::main(int argc, char **argv) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Only the PDF modes draw; the list and the usage need no fonts.
    bool needsPainting = false;
    for (const QString &argument : arguments)
        for (const QString &option : {printPdfOption, testPageOption})
            needsPainting = needsPainting || argument.startsWith(QStringLiteral("--") + option);
    if (!needsPainting) {
        QCoreApplication application(argc, argv);
        installTranslations(application, QLocale::system());
        return run(arguments, out, err);
    }
    // Fonts and painting without a window: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    installTranslations(application, QLocale::system());
    // Progress only where someone watches it, never into a file or a pipe.
    return run(arguments, out, err, stderrIsTerminal() ? &err : nullptr);
}
