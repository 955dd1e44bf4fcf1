// Opens a compound file of about 9 MB and reads its Workbook stream, from
// the page cache and from memory. The goal is at least 1 GB/s.
#include "support/writers/CompoundWriter.h"
#include "xls/compound/CompoundFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t kWorkbookSize = 9 << 20;

// Contiguous: the Workbook stream in one run of sectors. Interleaved: two
// streams of half the size whose sectors alternate, so every sector of the
// Workbook stream is a read of its own.
std::vector<std::uint8_t> buildFile(bool interleaved) {
    testwriters::CompoundWriter writer;
    writer.setFragmented(interleaved);
    const std::size_t size = interleaved ? kWorkbookSize / 2 : kWorkbookSize;
    writer.addStream(u"Workbook", testwriters::patternBytes(size, 1));
    if (interleaved)
        writer.addStream(u"Other", testwriters::patternBytes(size, 2));
    writer.addStream(u"\u0005SummaryInformation", testwriters::patternBytes(400, 3));
    return writer.build().bytes;
}

// A file in the temporary folder for the life of the program.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::vector<std::uint8_t> &bytes, const std::string &tag)
        : path_(std::filesystem::temp_directory_path() /
                ("tagomat-bench-" + std::to_string(::getpid()) + "-" + tag + ".xls")) {
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    }
    ~TemporaryFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

const TemporaryFile &benchFile(bool interleaved) {
    static const TemporaryFile contiguous(buildFile(false), "contiguous");
    static const TemporaryFile split(buildFile(true), "interleaved");
    return interleaved ? split : contiguous;
}

void readFromFile(benchmark::State &state) {
    const bool interleaved = state.range(0) != 0;
    const std::string path = benchFile(interleaved).path();
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        xls::CompoundFile file;
        if (!file.open(path.c_str()) ||
            file.readStream("Workbook", out) != xls::CompoundFile::Success) {
            state.SkipWithError(file.lastError().describe().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(out.size()));
    state.SetLabel(interleaved ? "one read per sector" : "contiguous sectors");
}

// Includes handing the reader its own copy of the bytes.
void readFromMemory(benchmark::State &state) {
    const std::vector<std::uint8_t> bytes = buildFile(false);
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        xls::CompoundFile file;
        if (!file.openMemory(bytes) ||
            file.readStream("Workbook", out) != xls::CompoundFile::Success) {
            state.SkipWithError(file.lastError().describe().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(out.size()));
}

} // namespace

BENCHMARK(readFromFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(readFromMemory)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
