#include "xls/model/FileBytes.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace xls {

namespace {

// The head decides the cap; the rest is read in chunks.
constexpr std::uint64_t kHead = 64 << 10;
constexpr std::uint64_t kChunk = 1 << 20;

struct FileCloser {
    void operator()(std::FILE *stream) const { std::fclose(stream); }
};

} // namespace

bool readFileBytes(const char *path, FileCap capFor, std::vector<std::uint8_t> &bytes,
                   ReadError &error) {
    bytes.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = {ReadErrorCode::FileNotOpened, std::string("not a file that can be read: ") + path,
                 std::nullopt};
        return false;
    }
    std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(path, "rb"));
    if (!stream) {
        error = {ReadErrorCode::FileNotOpened, std::string("cannot open ") + path, std::nullopt};
        return false;
    }
    // The size the file system gives only decides the room taken, once the
    // cap is known: nothing past the cap is read, and a file that changes
    // size meanwhile is still read as its bytes arrive.
    const std::uint64_t sizeHint = std::filesystem::file_size(path, ec);
    const std::uint64_t expected = ec ? kChunk : sizeHint + 1; // + 1 finds the end
    std::uint64_t cap = kHead; // until the head tells the file's own cap
    for (bool first = true; bytes.size() <= cap; first = false) {
        const std::size_t before = bytes.size();
        const std::uint64_t chunk = first ? std::min(kHead, expected) : kChunk;
        const std::size_t want = std::size_t(std::min<std::uint64_t>(chunk, cap + 1 - before));
        bytes.resize(before + want);
        const std::size_t read = std::fread(bytes.data() + before, 1, want, stream.get());
        bytes.resize(before + read);
        if (first) {
            cap = capFor(bytes);
            bytes.reserve(std::size_t(std::min(expected, cap + 1)));
        }
        if (read < want)
            break;
    }
    if (std::ferror(stream.get())) {
        error = {ReadErrorCode::FileReadFailed, "reading the file failed", bytes.size()};
        bytes.clear();
        return false;
    }
    return true;
}

} // namespace xls
