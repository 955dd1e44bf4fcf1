// import_limit: how close the import of one file comes to what its libraries
// allow. For a zip package (.xlsx, .ods) the limit is the file read, its
// sheet parts (and shared strings) inflated by zlib and run through expat with
// empty handlers, no cell made: once with expat's namespace processing and
// once without. For CSV and .xls it is the file read plus the imported table
// filled with the same texts straight from memory, columns side by side on
// the cores as the importer fills them. The import is QXLSImporter's whole
// importFile() in the same process, on the heap xlsdump sets up, after one
// untimed import. Each is the median of the runs, in wall time and in
// processor time over all threads: half the import's processor time is the
// least wall time it can take on two cores, however well its work overlaps.
// Usage: import_limit FILE [RUNS]   (default 5 runs)
#include "import/ImportedTable.h"
#include "import/ProcessHeap.h"
#include "import/QXLSImporter.h"
#include "xls/model/FileBytes.h"
#include "xls/zip/ZipArchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <expat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// What a run made, freed after its time is taken: handing back half a
// million texts is no part of reading them.
using Made = std::shared_ptr<void>;

// The median wall time of the runs, and the median processor time they took
// on all threads: half the latter is the least wall time two cores allow.
struct Timing {
    double wallMs;
    double cpuMs;
};

double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Timing medianTiming(int runs, const std::function<Made()> &run) {
    std::vector<double> walls, cpus;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpuStart = processCpuMs();
        Made made = run();
        cpus.push_back(processCpuMs() - cpuStart);
        walls.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return {median(walls), median(cpus)};
}

std::vector<std::uint8_t> readFile(const char *path) {
    std::vector<std::uint8_t> bytes;
    xls::ReadError error;
    if (!xls::readFileBytes(
            path, [](xls::ByteSpan) { return std::uint64_t(1) << 31; }, bytes, error))
        std::fprintf(stderr, "import_limit: %s\n", error.describe().c_str());
    return bytes;
}

// The parts a sheet reader parses: the first worksheet and the shared
// strings of an .xlsx, the content of an .ods.
bool isSheetPart(const std::string &name) {
    return name == "xl/sharedStrings.xml" || name == "xl/worksheets/sheet1.xml" ||
           name == "content.xml";
}

void emptyStart(void *, const XML_Char *, const XML_Char **) {}
void emptyEnd(void *, const XML_Char *) {}
void emptyText(void *, const XML_Char *, int) {}

// The file read, its sheet parts inflated and parsed with empty handlers.
void inflateAndParse(const char *path, bool namespaces) {
    const std::vector<std::uint8_t> bytes = readFile(path);
    xls::ZipArchive zip;
    xls::ReadError error;
    xls::InflateBudget budget;
    if (!zip.open(bytes, error))
        return;
    zip.setInflateOnWorker(false); // the limit inflates and parses on one thread
    for (const xls::ZipEntry &entry : zip.entries()) {
        if (!isSheetPart(entry.name))
            continue;
        XML_Parser parser =
            namespaces ? XML_ParserCreateNS(nullptr, '|') : XML_ParserCreate(nullptr);
        XML_SetElementHandler(parser, emptyStart, emptyEnd);
        XML_SetCharacterDataHandler(parser, emptyText);
        zip.read(
            entry,
            [&](xls::ByteSpan piece) {
                return XML_Parse(parser, reinterpret_cast<const char *>(piece.data()),
                                 int(piece.size()), XML_FALSE) == XML_STATUS_OK;
            },
            budget, error);
        if (XML_Parse(parser, nullptr, 0, XML_TRUE) != XML_STATUS_OK || error)
            std::fprintf(stderr, "import_limit: %s: %s%s\n", entry.name.c_str(),
                         XML_ErrorString(XML_GetErrorCode(parser)), error.describe().c_str());
        XML_ParserFree(parser);
    }
}

// The texts of the table, column by column, as UTF-16 held in memory.
struct Texts {
    std::vector<std::vector<std::pair<int, std::u16string>>> columns;
};

Texts textsOf(const ImportedTable &table) {
    Texts texts;
    texts.columns.resize(std::size_t(table.size()));
    for (auto column = table.begin(); column != table.end(); ++column)
        for (auto cell = column->begin(); cell != column->end(); ++cell)
            texts.columns[std::size_t(column.key())].emplace_back(
                cell.key(), std::u16string(reinterpret_cast<const char16_t *>(cell->utf16()),
                                           std::size_t(cell->size())));
    for (auto &column : texts.columns)
        std::sort(column.begin(), column.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
    return texts;
}

// The file read and the table filled from the texts in memory, a column per
// core at a time.
Made readAndFill(const char *path, const Texts &texts) {
    const std::vector<std::uint8_t> bytes = readFile(path);
    std::vector<ImportedColumn> columns(texts.columns.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t c; (c = next++) < columns.size();) {
            columns[c].reserve(qsizetype(texts.columns[c].size()));
            for (const auto &[row, text] : texts.columns[c])
                columns[c].insert(row, QString(reinterpret_cast<const QChar *>(text.data()),
                                               qsizetype(text.size())));
        }
    };
    // On the pool's threads, as the importer's workers, so on their heaps.
    std::vector<int> workers(2);
    QtConcurrent::blockingMap(workers, [&](int) { work(); });
    auto table = std::make_shared<ImportedTable>();
    table->reserve(qsizetype(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c)
        table->insert(int(c), std::move(columns[c]));
    return table;
}

} // namespace

int main(int argc, char **argv) {
    tuneHeapForOneImport(); // the heap xlsdump imports on
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: import_limit FILE [RUNS]\n", stderr);
        return 2;
    }
    const char *path = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const QString name = QString::fromLocal8Bit(path);
    // A first import, untimed, warms the heap as the limit's runs find it
    // warm, and leaves its table for the limit's texts. Each importer with
    // its table is freed after its time is taken, as the limit's are.
    ImportedTable imported;
    {
        QXLSImporter first(nullptr);
        first.importFile(name);
        imported = first.importedTable();
    }
    const Timing import = medianTiming(runs, [&] {
        auto importer = std::make_shared<QXLSImporter>(nullptr);
        importer->importFile(name);
        return importer;
    });
    const bool zip = name.endsWith(QLatin1String(".xlsx")) || name.endsWith(QLatin1String(".ods"));
    if (zip) {
        imported = {};
        const Timing withNs = medianTiming(runs, [&] {
            inflateAndParse(path, true);
            return Made();
        });
        const Timing withoutNs = medianTiming(runs, [&] {
            inflateAndParse(path, false);
            return Made();
        });
        const double limit = std::min(withNs.wallMs, withoutNs.wallMs);
        std::printf("import %.1f ms (processor %.1f ms); limit (inflate + expat, empty handlers) "
                    "%.1f ms with namespace processing, %.1f ms without; import / limit %.2f; "
                    "half the import's processor time / limit %.2f\n",
                    import.wallMs, import.cpuMs, withNs.wallMs, withoutNs.wallMs,
                    import.wallMs / limit, import.cpuMs / 2 / limit);
        return 0;
    }
    const Texts texts = textsOf(imported);
    imported = {};
    const Timing limit = medianTiming(runs, [&] { return readAndFill(path, texts); });
    std::printf("import %.1f ms (processor %.1f ms); limit (file read + table filled from memory) "
                "%.1f ms (processor %.1f ms); import / limit %.2f; half the import's processor "
                "time / limit %.2f\n",
                import.wallMs, import.cpuMs, limit.wallMs, limit.cpuMs,
                import.wallMs / limit.wallMs, import.cpuMs / 2 / limit.wallMs);
    return 0;
}
