#pragma once

#include "xls/common/ReadError.h"
#include "xls/compound/BlockFile.h"
#include "xls/compound/CompoundHeader.h"
#include "xls/compound/DirectoryEntry.h"
#include "xls/compound/DirectoryNode.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace xls {

// Reader of an [MS-CFB] compound file: the container of an .xls workbook.
//
// Every count, sector number and link in the file is treated as hostile: a
// damaged file makes an operation fail with a reason (lastError()), never
// read out of bounds, loop or allocate more than the file's own size.
//
// Paths are UTF-16, components separated by a backslash; a leading backslash
// starts at the root, otherwise at the current storage (the root after
// open). The narrow forms widen each byte to one UTF-16 unit (Latin-1).
class CompoundFile {
public:
    static constexpr int OpenRead = BlockFile::OpenRead;
    static constexpr int OpenWrite = BlockFile::OpenWrite;

    // Results of the path and stream operations.
    static constexpr int Success = 1;
    static constexpr int DirectoryNotFound = -2;
    static constexpr int NoSuchEntry = -4;
    static constexpr int ReadFailed = -5; // the entry exists, its bytes cannot be read

    CompoundFile();
    CompoundFile(const CompoundFile &) = delete;
    CompoundFile &operator=(const CompoundFile &) = delete;

    // Opens a file and loads its header, tables and directory. Read-only
    // unless `mode` holds OpenWrite (nothing is ever written). On failure
    // everything is closed again and lastError() says why.
    bool open(const char *path, int mode = OpenRead);
    // The same for a file already in memory; the reader keeps the bytes.
    bool openMemory(std::vector<std::uint8_t> bytes);
    bool isOpen() const { return file_.isOpen(); }
    // Forgets everything of the current file; safe to call at any time.
    void close();

    // Why the last failing operation failed; open() starts clean.
    const ReadError &lastError() const { return error_; }

    // Reads a whole stream: Success with `out` holding exactly the entry's
    // size, NoSuchEntry or ReadFailed with `out` empty. Names match exactly.
    int readStream(const char *path, std::vector<std::uint8_t> &out);
    int readStream(std::u16string_view path, std::vector<std::uint8_t> &out);
    int readStream(const DirectoryNode *node, std::vector<std::uint8_t> &out);
    int streamSize(const char *path, std::uint64_t &size);
    int streamSize(std::u16string_view path, std::uint64_t &size);

    const DirectoryNode *findEntry(const char *path);
    const DirectoryNode *findEntry(std::u16string_view path);
    // Exact, case-sensitive match of one child's name; an empty name matches nothing.
    const DirectoryNode *findChild(const DirectoryNode *node, std::u16string_view name) const;
    // Matches names the way [MS-CFB] orders them: upper-cased.
    const DirectoryNode *findChildIgnoringCase(const DirectoryNode *node,
                                               std::u16string_view name) const;
    int changeDirectory(const char *path);
    int changeDirectory(std::u16string_view path);

    const DirectoryNode *rootNode() const { return nodes_.empty() ? nullptr : &nodes_.front(); }
    const DirectoryNode *currentNode() const { return currentNode_; }

    // Chains of the FAT (useFat) or of the MiniFAT, checked link by link.
    bool collectChain(std::uint32_t startSector, bool useFat, std::vector<std::uint32_t> &chain);
    bool chainByteLength(std::uint32_t startSector, bool useFat, std::uint64_t &length);
    // Reads a whole chain; `buffer` is resized to its byte length.
    bool readChain(std::uint32_t startSector, bool useFat, std::vector<std::uint8_t> &buffer);

    const CompoundHeader &header() const { return header_; }
    const BlockFile &blockFile() const { return file_; }
    const std::vector<std::uint32_t> &fat() const { return fat_; }
    const std::vector<std::uint32_t> &miniFat() const { return miniFat_; }
    const std::vector<DirectoryEntry> &entries() const { return entries_; }
    // Sectors of the file after its header; a partial last one counts.
    std::uint64_t sectorCount() const { return sectorCount_; }

private:
    bool loadContents();
    bool readHeader();
    bool loadAllocationTables();
    bool locateFatSectors(std::vector<std::uint32_t> &fatSectors);
    bool loadMiniFat();
    bool readTableSector(std::uint32_t sector, std::span<std::uint32_t> out, const char *what);
    bool loadDirectory();
    bool buildTree();

    bool miniStreamSectorCount(std::uint64_t &count);
    bool readSectors(std::span<const std::uint32_t> chain, std::span<std::uint8_t> out);
    bool readMiniSectors(std::span<const std::uint32_t> chain, std::span<std::uint8_t> out);
    bool readEntry(const DirectoryNode &node, std::vector<std::uint8_t> &out);
    std::uint64_t sectorOffset(std::uint32_t sector) const;

    bool fail(ReadErrorCode code, std::string text, std::optional<std::uint64_t> offset = {});

    std::vector<std::uint8_t> sectorBuffer_;
    BlockFile file_;
    CompoundHeader header_;
    std::uint64_t sectorCount_ = 0;
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<DirectoryEntry> entries_;
    std::vector<DirectoryNode> nodes_; // nodes_[0] is the root
    const DirectoryNode *currentNode_ = nullptr;
    ReadError error_;
};

} // namespace xls
