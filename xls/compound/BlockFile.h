#pragma once

#include "xls/common/ReadError.h"

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace xls {

// Fixed-size block access to the bytes of a compound file, held either in a
// file on disk or in a buffer in memory. Block b covers bytes b × blockSize up
// to (b + 1) × blockSize; the last block may be only partly present.
class BlockFile {
public:
    enum OpenMode : int { OpenRead = 1, OpenWrite = 2 };
    static constexpr std::uint32_t kInitialBlockSize = 512;

    BlockFile() = default;
    BlockFile(const BlockFile &) = delete;
    BlockFile &operator=(const BlockFile &) = delete;

    // Opens an existing file. Without OpenWrite it is opened read-only; with
    // OpenWrite it must also be writable (nothing is ever written). Fails on a
    // missing file, a directory, no permission, or neither mode flag.
    bool open(const char *path, int mode, ReadError &error);
    // Takes ownership of bytes already in memory.
    bool openMemory(std::vector<std::uint8_t> bytes);
    bool close();
    bool isOpen() const { return open_; }

    const std::string &path() const { return path_; }
    int mode() const { return mode_; }
    std::uint64_t fileSize() const { return fileSize_; }
    std::uint32_t blockSize() const { return blockSize_; }
    std::uint64_t blockCount() const { return blockCount_; }
    void setBlockSize(std::uint32_t size);

    // Bytes of block `index` present in the file: blockSize, fewer for a
    // partial last block, 0 past the end.
    std::uint64_t bytesPresent(std::uint64_t index) const;

    // Reads `count` consecutive blocks from `index` into `out` (count ×
    // blockSize bytes). Every block must start inside the file; the part of
    // a partial last block beyond the end is zero-filled. Returns None,
    // TruncatedFile (a block past the end, nothing read) or FileReadFailed.
    ReadErrorCode readBlocks(std::uint64_t index, std::uint64_t count, std::span<std::uint8_t> out);
    ReadErrorCode readBlock(std::uint64_t index, std::span<std::uint8_t> out) {
        return readBlocks(index, 1, out);
    }

private:
    bool readBytes(std::uint64_t offset, std::span<std::uint8_t> out);
    void recomputeBlockCount();

    std::string path_;
    int mode_ = 0;
    std::ifstream readOnly_;
    std::fstream readWrite_;
    std::vector<std::uint8_t> memory_;
    bool inMemory_ = false;
    bool open_ = false;
    std::uint64_t fileSize_ = 0;
    std::uint32_t blockSize_ = kInitialBlockSize;
    std::uint64_t blockCount_ = 0;
};

} // namespace xls
