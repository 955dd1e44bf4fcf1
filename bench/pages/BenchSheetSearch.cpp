// A keystroke in the sheet chooser's search field searches the whole
// catalogue; with 2,000 sheets loaded (the built-in ones, then imported and
// own sheets) the goal is an answer in under 5 ms.
#include "pages/LabelSheetCatalogue.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

constexpr int catalogueSize = 2000;

const QStringList &queries() {
    static const QStringList all{QStringLiteral("L"),
                                 QStringLiteral("L71"),
                                 QStringLiteral("L7160"),
                                 QStringLiteral("3490"),
                                 QStringLiteral("Namensschild"),
                                 QStringLiteral("63,5 x 38,1"),
                                 QStringLiteral("herma 70 x 3"),
                                 QStringLiteral("zz-nothing")};
    return all;
}

// The built-in sheets and as many made-up ones as make up the size, each
// with a code, an alias, a maker and a description of its own.
LabelSheetCatalogue largeCatalogue() {
    LabelSheetCatalogue catalogue = LabelSheetCatalogue::builtIn();
    QRandomGenerator random(2000);
    const QStringList makers{"Avery Zweckform", "Herma", "Sigel", "Endisch", "Igepa", "Rayfilm"};
    const QStringList descriptions{"Adressetiketten", "Namensschilder", "Versandetiketten",
                                   "Universal-Etiketten", "Mini-Etiketten"};
    for (qsizetype index = catalogue.size(); index < catalogueSize; ++index) {
        LabelSheet sheet;
        sheet.maker = makers[random.bounded(int(makers.size()))];
        sheet.description = descriptions[random.bounded(int(descriptions.size()))];
        sheet.codes = {QStringLiteral("T%1").arg(index),
                       QStringLiteral("A%1-%2").arg(index).arg(random.bounded(100))};
        sheet.labelWidth = 20 + random.bounded(1800) / 10.0;
        sheet.labelHeight = 10 + random.bounded(1400) / 10.0;
        sheet.columns = 1;
        sheet.rows = 1;
        catalogue.add(sheet);
    }
    return catalogue;
}

void searchKeystroke(benchmark::State &state) {
    static const LabelSheetCatalogue catalogue = largeCatalogue();
    const QString query = queries().at(state.range(0));
    state.SetLabel(query.toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.search(query));
}

} // namespace

BENCHMARK(searchKeystroke)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
