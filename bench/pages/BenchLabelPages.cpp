// A keystroke in the filter line rebuilds the label list and repaints the
// preview; on a sheet of 65,536 names the goal is under 20 ms. Choosing
// another column reads both columns again, as an import does. Painting a page, finding a name and
// printing a page must not depend on the number of copies: here every name has a quantity of
// 1,000,000, and the last page is painted, found and printed. A badge design's automatic name
// size is found once per list; the codes of all labels are checked for the design's problems.
#include "app/MainWindow.h"
#include "import/QXLSImporter.h"

#include <QApplication>
#include <QComboBox>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int sheetRows = 65536;

// A sheet as a successful import leaves it: captions, then one person a row.
class SheetImporter : public QXLSImporter {
public:
    explicit SheetImporter(const QString &quantity) : QXLSImporter(nullptr) {
        QRandomGenerator random(4711);
        ImportedColumn names;
        ImportedColumn quantities;
        names.insert(0, QStringLiteral("Name"));
        quantities.insert(0, QStringLiteral("Anzahl"));
        for (int row = 1; row < sheetRows; ++row) {
            names.insert(row, randomWord(random) + QLatin1Char(' ') + randomWord(random));
            quantities.insert(row, quantity.isEmpty() ? QString::number(1 + row % 5) : quantity);
        }
        table.insert(0, names);
        table.insert(1, quantities);
        info.insert(QStringLiteral("NAME"), QStringLiteral("gross.xls"));
        info.insert(QStringLiteral("ROWS"), QString::number(sheetRows));
        info.insert(QStringLiteral("COLUMNS"), QStringLiteral("2"));
    }

private:
    static QString randomWord(QRandomGenerator &random) {
        QString word(4 + random.bounded(6), QLatin1Char('a'));
        for (QChar &letter : word)
            letter = QChar(u'a' + random.bounded(26));
        word[0] = word[0].toUpper();
        return word;
    }
};

struct Window {
    explicit Window(const QString &quantity) {
        window.resize(800, 600);
        window.show();
        window.adoptImporter(new SheetImporter(quantity));
        QApplication::processEvents();
    }
    QPagePreview &preview() { return *window.ui.pagePreview; }
    MainWindow window;
};

const char *const filters[] = {"", "k", "ka", "zzz"};

void BM_FilterKeystroke(benchmark::State &state) {
    Window shown(QString{});
    const QString filter = QString::fromLatin1(filters[state.range(0)]);
    for (auto _ : state) {
        shown.window.reloadPage(filter);
        shown.preview().repaint();
    }
    state.SetLabel(QStringLiteral("filter \"%1\": %2 names")
                       .arg(filter)
                       .arg(shown.preview().labels.size())
                       .toStdString());
}
BENCHMARK(BM_FilterKeystroke)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The list rebuild alone, without the repaint.
void BM_FilterRebuildOnly(benchmark::State &state) {
    Window shown(QString{});
    const QString filter = QString::fromLatin1(filters[state.range(0)]);
    for (auto _ : state)
        shown.window.reloadPage(filter);
}
BENCHMARK(BM_FilterRebuildOnly)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A change of the quantity column, like an import, reads both columns again.
void BM_ColumnChoiceRebuild(benchmark::State &state) {
    Window shown(QString{});
    auto *countCombo = shown.window.findChild<QComboBox *>(QStringLiteral("countCombo"));
    int column = 1;
    for (auto _ : state) {
        column = 1 - column;
        countCombo->setCurrentIndex(column);
        shown.preview().repaint();
    }
}
BENCHMARK(BM_ColumnChoiceRebuild)->Unit(benchmark::kMillisecond);

void BM_PaintLastPageOfMillions(benchmark::State &state) {
    Window shown(QStringLiteral("1000000"));
    shown.preview().currentPage = shown.preview().lastPageIndex();
    for (auto _ : state)
        shown.preview().repaint();
    state.SetLabel(QStringLiteral("page %1").arg(shown.preview().currentPage + 1).toStdString());
}
BENCHMARK(BM_PaintLastPageOfMillions)->Unit(benchmark::kMillisecond);

void BM_FindLastNameOfMillions(benchmark::State &state) {
    Window shown(QStringLiteral("1000000"));
    const QString last = shown.preview().labels.at(shown.preview().labels.size() - 1).name;
    for (auto _ : state) {
        shown.preview().findName(last);
        benchmark::DoNotOptimize(shown.preview().currentPage);
    }
    state.SetLabel(
        QStringLiteral("found on page %1").arg(shown.preview().currentPage + 1).toStdString());
}
BENCHMARK(BM_FindLastNameOfMillions)->Unit(benchmark::kMillisecond);

void BM_PrintLastPageOfMillions(benchmark::State &state) {
    Window shown(QStringLiteral("1000000"));
    QTemporaryDir dir;
    const int last = shown.preview().lastPageIndex();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("last.pdf")));
        benchmark::DoNotOptimize(shown.preview().printPageRange(printer, last, last));
    }
}
BENCHMARK(BM_PrintLastPageOfMillions)->Unit(benchmark::kMillisecond);

// A badge design: the name's size automatic, alike on all labels, and a QR
// code. The first paint after a new list measures each distinct name once.
LabelDesign badgeDesign() {
    LabelDesign design;
    design.lines = {LineStyle{}};
    design.lines[0].autoSize = true;
    design.code = LabelCode{CodeSymbology::QrCode, QRectF(40, 2, 20, 20)};
    return design;
}

void BM_AutoSizeNewList(benchmark::State &state) {
    Window shown(QString{});
    shown.preview().setDesign(badgeDesign());
    const LabelMap labels = shown.preview().labels;
    for (auto _ : state) {
        LabelMap fresh = labels;
        fresh.append(labels.at(0)); // new entries: the sizes are found again
        shown.preview().setLabels(fresh);
        shown.preview().repaint();
    }
}
BENCHMARK(BM_AutoSizeNewList)->Unit(benchmark::kMillisecond);

void BM_AutoSizeRepaint(benchmark::State &state) {
    Window shown(QString{});
    shown.preview().setDesign(badgeDesign());
    shown.preview().repaint();
    for (auto _ : state)
        shown.preview().repaint();
}
BENCHMARK(BM_AutoSizeRepaint)->Unit(benchmark::kMillisecond);

// Every label's e-mail address checked against its QR code's size.
void BM_DesignProblemsOfQrCodes(benchmark::State &state) {
    LabelMap labels;
    for (int row = 1; row < sheetRows; ++row) {
        LabelEntry entry;
        entry.name = QStringLiteral("Name %1").arg(row);
        entry.quantity = 1;
        entry.codeText = QStringLiteral("person%1@example.org").arg(row);
        entry.row = row;
        labels.append(entry);
    }
    LabelJob job;
    job.setLabels(labels);
    job.setDesign(badgeDesign());
    for (auto _ : state)
        benchmark::DoNotOptimize(job.designProblems());
}
BENCHMARK(BM_DesignProblemsOfQrCodes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The "Found:" lines of the search would flood the output.
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
