// Parses the workbook stream of a 65,536-row x 7-column sheet (458,752
// cells: names and towns as LABELSST, integers and decimals as RK and
// NUMBER) into its records: the globals with the shared strings, then the
// worksheet. Reports the time per parse, the heap allocations per cell (a
// counting global operator new) and the bytes per cell of the record-level
// form. Goals: under 40 ms, no allocation per cell record, at most 128 bytes
// per cell.
//
// Two layouts: one record per cell, and the one Excel writes, where the
// numbers of a row that are RK values share one MULRK record.
#include "support/writers/BiffWriter.h"
#include "xls/biff/Biff.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

std::size_t allocations = 0;

} // namespace

// Every allocation of the program goes through these; they only count.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void *operator new(std::size_t size) {
    ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void *p) noexcept {
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

using testwriters::BiffWriter;
using RowBlock = ZAreda::Worksheet::CellTable::RowBlock;

constexpr int kRows = 65536;
constexpr int kColumns = 7;
constexpr int kRowsPerBlock = 32;

struct Stream {
    std::vector<std::uint8_t> bytes;
    std::size_t sheetStart = 0;
};

std::vector<testwriters::SstString> sharedStrings() {
    const std::u16string first[] = {u"Jürgen", u"Björn", u"Zoë",   u"Käthe", u"Sören",
                                    u"Anna",   u"Paul",  u"Grete", u"Horst", u"Ülkü"};
    const std::u16string last[] = {u"Müller", u"Schäfer", u"Weiß",     u"Köhler",   u"Jäger",
                                   u"Krüger", u"Bäcker",  u"Schröder", u"Hoffmann", u"Wöhler"};
    std::vector<testwriters::SstString> strings;
    for (int k = 0; k < 20; ++k)
        for (const auto &l : last)
            for (const auto &f : first)
                strings.push_back(
                    {l + u", " + f + u" " + std::u16string(1, char16_t(u'A' + k)) + u".", false, 0,
                     0});
    for (const char16_t *town : {u"Köln", u"München", u"Düsseldorf", u"Görlitz", u"Łódź"})
        strings.push_back({town, town == std::u16string(u"Łódź"), 0, 0});
    return strings;
}

// Columns: name (LABELSST), town (LABELSST), count (RK integer), price (RK
// x100), amount (NUMBER), year (RK integer), weight (RK double).
void writeRow(BiffWriter &w, std::uint16_t r, bool mulRk) {
    const std::uint32_t count = testwriters::rkFromInteger(r % 97);
    const std::uint32_t price = testwriters::rkFromInteger(1250 + r % 100, true);
    const std::uint32_t year = testwriters::rkFromInteger(1950 + r % 60);
    const std::uint32_t weight = testwriters::rkFromDouble(0.5 * (r % 8));
    w.labelSst(r, 0, r % 2000).labelSst(r, 1, 2000 + r % 5);
    if (mulRk)
        w.mulRk(r, 2, {count, price});
    else
        w.rk(r, 2, count).rk(r, 3, price);
    w.number(r, 4, 1234.5678 + r).rk(r, 5, year).rk(r, 6, weight);
}

Stream buildStream(bool mulRk) {
    BiffWriter w;
    w.bof(0x0005).sst(sharedStrings()).boundSheet(0, "Namen").eof();
    Stream stream;
    stream.sheetStart = w.size();
    w.bof(0x0010).dimensions(0, kRows, 0, kColumns);
    for (int block = 0; block < kRows / kRowsPerBlock; ++block) {
        const int first = block * kRowsPerBlock;
        for (int r = first; r < first + kRowsPerBlock; ++r)
            w.row(std::uint16_t(r), 0, kColumns);
        for (int r = first; r < first + kRowsPerBlock; ++r)
            writeRow(w, std::uint16_t(r), mulRk);
        w.dbCell(0);
    }
    w.record(0x023E, std::vector<std::uint8_t>(18, 0)).eof();
    stream.bytes = w.bytes();
    return stream;
}

// Bytes the record-level form of a sheet takes, vectors' capacities included.
std::size_t sheetBytes(const ZAreda::Worksheet &sheet) {
    const auto &blocks = sheet.cellTable.rowBlocks;
    std::size_t bytes = sizeof sheet + blocks.capacity() * sizeof(RowBlock);
    for (const RowBlock &block : blocks) {
        bytes += block.cellBlocks.capacity() * sizeof(RowBlock::CellBlock);
        bytes += block.rows.capacity() * sizeof(RowBlock::Row);
        bytes += block.mulRKEntries.capacity() * sizeof(RowBlock::CellBlock::MulRK::Entry);
        bytes += block.mulBlankXFIndexes.capacity() * sizeof(std::uint16_t);
        bytes += block.dbCell.cellOffsets.capacity() * sizeof(std::uint16_t);
    }
    return bytes;
}

void parse(benchmark::State &state, bool mulRk) {
    const Stream stream = buildStream(mulRk);
    const xls::ByteSpan all(stream.bytes.data(), stream.bytes.size());
    std::size_t sheetAllocations = 0, totalAllocations = 0, bytes = 0, cellRecords = 0;
    std::optional<ZAreda::Workbook> globals;
    std::optional<ZAreda::Worksheet> sheet;
    for (auto _ : state) {
        // Freeing the previous parse is not part of parsing.
        state.PauseTiming();
        globals.reset();
        sheet.reset();
        state.ResumeTiming();

        const std::size_t before = allocations;
        globals.emplace().Read(all);
        const std::size_t afterGlobals = allocations;
        sheet.emplace().Read(all.subspan(stream.sheetStart));
        sheetAllocations = allocations - afterGlobals;
        totalAllocations = allocations - before;
        benchmark::DoNotOptimize(*sheet);
    }
    bytes = sheetBytes(*sheet);
    for (const RowBlock &block : sheet->cellTable.rowBlocks)
        cellRecords += block.cellBlocks.size();
    const double cells = double(kRows) * kColumns;
    state.counters["cells"] = cells;
    state.counters["cell_records"] = double(cellRecords);
    state.counters["sheet_allocs_per_cell"] = double(sheetAllocations) / cells;
    state.counters["allocs_per_cell"] = double(totalAllocations) / cells;
    state.counters["bytes_per_cell"] = double(bytes) / cells;
    state.counters["sizeof_CellBlock"] = double(sizeof(RowBlock::CellBlock));
    state.counters["stream_MB"] = double(stream.bytes.size()) / 1e6;
}

void BM_ParseOneRecordPerCell(benchmark::State &state) {
    parse(state, false);
}
void BM_ParseWithMulRk(benchmark::State &state) {
    parse(state, true);
}

BENCHMARK(BM_ParseOneRecordPerCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseWithMulRk)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
