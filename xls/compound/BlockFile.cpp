#include "xls/compound/BlockFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace xls {

namespace {

ReadError openError(std::string text) {
    return ReadError{ReadErrorCode::FileNotOpened, std::move(text), std::nullopt};
}

} // namespace

bool BlockFile::open(const char *path, int mode, ReadError &error) {
    close();
    path_ = path ? path : "";
    if ((mode & (OpenRead | OpenWrite)) == 0) {
        error = openError("neither read nor write access was asked for");
        return false;
    }
    std::error_code ec;
    const auto status = std::filesystem::status(path_, ec);
    if (ec || !std::filesystem::exists(status)) {
        error = openError("the file does not exist: " + path_);
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = openError("not a regular file: " + path_);
        return false;
    }
    const auto size = std::filesystem::file_size(path_, ec);
    if (ec) {
        error = openError("the size of the file cannot be read: " + path_);
        return false;
    }
    // Unbuffered: blocks are read straight into the caller's buffer, one
    // system call each, instead of through the stream's own buffer.
    readOnly_.rdbuf()->pubsetbuf(nullptr, 0);
    readWrite_.rdbuf()->pubsetbuf(nullptr, 0);
    std::istream *stream = nullptr;
    if (mode & OpenWrite) {
        // Opens an existing file for update without creating or truncating it.
        readWrite_.open(path_, std::ios::in | std::ios::out | std::ios::binary);
        stream = &readWrite_;
    } else {
        readOnly_.open(path_, std::ios::in | std::ios::binary);
        stream = &readOnly_;
    }
    if (!*stream || (!readOnly_.is_open() && !readWrite_.is_open())) {
        error = openError(std::string("the file cannot be opened for ") +
                          ((mode & OpenWrite) ? "writing" : "reading") + ": " + path_);
        readOnly_ = std::ifstream();
        readWrite_ = std::fstream();
        return false;
    }
    mode_ = mode;
    open_ = true;
    fileSize_ = size;
    recomputeBlockCount();
    return true;
}

bool BlockFile::openMemory(std::vector<std::uint8_t> bytes) {
    close();
    memory_ = std::move(bytes);
    inMemory_ = true;
    open_ = true;
    mode_ = OpenRead;
    fileSize_ = memory_.size();
    recomputeBlockCount();
    return true;
}

bool BlockFile::close() {
    if (readOnly_.is_open())
        readOnly_.close();
    if (readWrite_.is_open())
        readWrite_.close();
    readOnly_.clear();
    readWrite_.clear();
    // Not `= {}`, which would pick the initializer-list assignment and keep
    // the whole file's capacity allocated.
    std::vector<std::uint8_t>().swap(memory_);
    inMemory_ = false;
    open_ = false;
    path_.clear();
    mode_ = 0;
    fileSize_ = 0;
    blockSize_ = kInitialBlockSize;
    blockCount_ = 0;
    return true;
}

void BlockFile::setBlockSize(std::uint32_t size) {
    blockSize_ = size;
    recomputeBlockCount();
}

void BlockFile::recomputeBlockCount() {
    blockCount_ = fileSize_ / blockSize_ + (fileSize_ % blockSize_ != 0 ? 1 : 0);
}

std::uint64_t BlockFile::bytesPresent(std::uint64_t index) const {
    if (index >= blockCount_)
        return 0;
    const std::uint64_t offset = index * blockSize_;
    return std::min<std::uint64_t>(blockSize_, fileSize_ - offset);
}

ReadErrorCode BlockFile::readBlocks(std::uint64_t index, std::uint64_t count,
                                    std::span<std::uint8_t> out) {
    if (count == 0)
        return ReadErrorCode::None;
    if (!open_ || index >= blockCount_ || count > blockCount_ - index)
        return ReadErrorCode::TruncatedFile;
    if (out.size() / blockSize_ < count)
        return ReadErrorCode::FileReadFailed;
    const std::uint64_t offset = index * blockSize_;
    const std::uint64_t wanted = count * blockSize_;
    const std::uint64_t present = std::min<std::uint64_t>(wanted, fileSize_ - offset);
    if (!readBytes(offset, out.first(present)))
        return ReadErrorCode::FileReadFailed;
    std::fill(out.begin() + present, out.begin() + wanted, std::uint8_t{0});
    return ReadErrorCode::None;
}

bool BlockFile::readBytes(std::uint64_t offset, std::span<std::uint8_t> out) {
    if (inMemory_) {
        std::memcpy(out.data(), memory_.data() + offset, out.size());
        return true;
    }
    std::istream &stream = (mode_ & OpenWrite) ? static_cast<std::istream &>(readWrite_)
                                               : static_cast<std::istream &>(readOnly_);
    stream.clear();
    stream.seekg(static_cast<std::streamoff>(offset));
    stream.read(reinterpret_cast<char *>(out.data()), static_cast<std::streamsize>(out.size()));
    return stream.good() && static_cast<std::uint64_t>(stream.gcount()) == out.size();
}

} // namespace xls
