// The directory tree of a compound file, path lookups and stream reads.
#include "xls/compound/CompoundFile.h"

#include <algorithm>
#include <string>

namespace xls {

namespace {

constexpr char16_t kSeparator = u'\\';

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

// Narrow paths are Latin-1: each byte becomes the code unit of the same value.
std::u16string widen(const char *path) {
    std::u16string wide;
    for (const char *p = path ? path : ""; *p != 0; ++p)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(*p)));
    return wide;
}

struct PendingLink {
    std::size_t parentNode;
    std::uint32_t entry;
    std::uint32_t from;
    const char *kind;
};

} // namespace

bool CompoundFile::loadDirectory() {
    if (header_.firstDirectorySector == cfb::kEndOfChain)
        return fail(ReadErrorCode::CorruptDirectory, "the directory chain is empty",
                    cfb::header::kFirstDirectorySector);
    std::vector<std::uint8_t> stream;
    if (!readChain(header_.firstDirectorySector, true, stream)) {
        error_.text = "directory: " + error_.text;
        return false;
    }
    const bool wideSizes = header_.sectorShift == cfb::kSectorShiftV4;
    entries_ = decodeDirectory(stream, wideSizes);
    // Some writers leave the root's name empty, so a root entry is missing
    // only when its slot is wholly unused.
    if (entries_.empty() ||
        (entries_.front().isFree() && entries_.front().objectType == cfb::kTypeUnused))
        return fail(ReadErrorCode::CorruptDirectory,
                    "the first directory slot is free: there is no root entry",
                    sectorOffset(header_.firstDirectorySector));
    return buildTree();
}

// Every entry reachable from the root through left, right and child links
// becomes a node; siblings share the parent, children keep entry order. The
// walk uses a work list, not recursion, and places each entry once.
bool CompoundFile::buildTree() {
    nodes_.clear();
    nodes_.reserve(entries_.size()); // nodes point at each other: never reallocate
    std::vector<bool> placed(entries_.size(), false);
    nodes_.push_back(DirectoryNode{nullptr, &entries_.front(), 0, {}});
    placed.front() = true;
    std::vector<PendingLink> pending;
    const auto follow = [&pending](std::size_t parent, std::uint32_t entry, std::uint32_t from,
                                   const char *kind) {
        if (entry != cfb::kNoStream)
            pending.push_back({parent, entry, from, kind});
    };
    follow(0, entries_.front().child, 0, "child");
    while (!pending.empty()) {
        const PendingLink link = pending.back();
        pending.pop_back();
        const auto what = [&link] {
            return "directory entry " + number(link.from) + " links (" + link.kind + ") to entry " +
                   number(link.entry);
        };
        if (link.entry >= entries_.size())
            return fail(ReadErrorCode::CorruptDirectory,
                        what() + ", outside the " + number(entries_.size()) + " entries");
        if (placed[link.entry])
            return fail(ReadErrorCode::CorruptDirectory, what() + ", which is already linked");
        placed[link.entry] = true;
        const DirectoryEntry &entry = entries_[link.entry];
        nodes_.push_back(DirectoryNode{&nodes_[link.parentNode], &entry, link.entry, {}});
        const std::size_t node = nodes_.size() - 1;
        nodes_[link.parentNode].children.push_back(&nodes_[node]);
        follow(link.parentNode, entry.leftSibling, link.entry, "left sibling");
        follow(link.parentNode, entry.rightSibling, link.entry, "right sibling");
        follow(node, entry.child, link.entry, "child");
    }
    for (DirectoryNode &node : nodes_)
        std::sort(
            node.children.begin(), node.children.end(),
            [](const DirectoryNode *a, const DirectoryNode *b) { return a->index < b->index; });
    return true;
}

const DirectoryNode *CompoundFile::findChild(const DirectoryNode *node,
                                             std::u16string_view name) const {
    if (!node || name.empty())
        return nullptr;
    for (const DirectoryNode *child : node->children) {
        if (child->name() == name)
            return child;
    }
    return nullptr;
}

const DirectoryNode *CompoundFile::findChildIgnoringCase(const DirectoryNode *node,
                                                         std::u16string_view name) const {
    if (!node || name.empty())
        return nullptr;
    for (const DirectoryNode *child : node->children) {
        if (equalIgnoringCase(child->name(), name))
            return child;
    }
    return nullptr;
}

int CompoundFile::changeDirectory(const char *path) {
    return changeDirectory(widen(path));
}

int CompoundFile::changeDirectory(std::u16string_view path) {
    if (path == u".")
        return Success;
    if (path == u"..") {
        if (currentNode_ && currentNode_->parent)
            currentNode_ = currentNode_->parent;
        return Success;
    }
    const DirectoryNode *saved = currentNode_;
    if (!path.empty() && path.front() == kSeparator) {
        currentNode_ = rootNode();
        path.remove_prefix(1);
    }
    while (!path.empty()) {
        const std::size_t end = std::min(path.find(kSeparator), path.size());
        const DirectoryNode *next = findChild(currentNode_, path.substr(0, end));
        if (!next) {
            currentNode_ = saved;
            return DirectoryNotFound;
        }
        currentNode_ = next;
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    return Success;
}

const DirectoryNode *CompoundFile::findEntry(const char *path) {
    return findEntry(widen(path));
}

const DirectoryNode *CompoundFile::findEntry(std::u16string_view path) {
    const DirectoryNode *saved = currentNode_;
    if (!path.empty() && path.front() == kSeparator)
        currentNode_ = rootNode();
    const std::size_t split = path.rfind(kSeparator);
    std::u16string_view leaf = path;
    if (split != std::u16string_view::npos && split >= 1) {
        if (changeDirectory(path.substr(0, split)) != Success) {
            currentNode_ = saved;
            return nullptr;
        }
        leaf = path.substr(split + 1);
    } else if (!leaf.empty() && leaf.front() == kSeparator) {
        leaf.remove_prefix(1);
    }
    const DirectoryNode *node = findChild(currentNode_, leaf);
    currentNode_ = saved;
    return node;
}

int CompoundFile::streamSize(const char *path, std::uint64_t &size) {
    return streamSize(widen(path), size);
}

int CompoundFile::streamSize(std::u16string_view path, std::uint64_t &size) {
    size = 0;
    const DirectoryNode *node =
        path == std::u16string_view(&kSeparator, 1) ? rootNode() : findEntry(path);
    if (!node) {
        fail(ReadErrorCode::NoSuchEntry, "no entry at the path \"" + toUtf8(path) + "\"");
        return NoSuchEntry;
    }
    size = node->entry->streamSize;
    return Success;
}

int CompoundFile::readStream(const char *path, std::vector<std::uint8_t> &out) {
    return readStream(widen(path), out);
}

int CompoundFile::readStream(std::u16string_view path, std::vector<std::uint8_t> &out) {
    out.clear();
    std::uint64_t size = 0;
    const int found = streamSize(path, size);
    if (found != Success)
        return found;
    return readStream(path == std::u16string_view(&kSeparator, 1) ? rootNode() : findEntry(path),
                      out);
}

int CompoundFile::readStream(const DirectoryNode *node, std::vector<std::uint8_t> &out) {
    out.clear();
    if (!node) {
        fail(ReadErrorCode::NoSuchEntry, "no entry given");
        return NoSuchEntry;
    }
    if (!readEntry(*node, out)) {
        out.clear();
        error_.text = "stream \"" + toUtf8(node->name()) + "\": " + error_.text;
        return ReadFailed;
    }
    return Success;
}

// The root entry's own bytes are the mini stream, always in regular sectors;
// any other entry below the cutoff lives in the mini stream.
bool CompoundFile::readEntry(const DirectoryNode &node, std::vector<std::uint8_t> &out) {
    const DirectoryEntry &entry = *node.entry;
    if (entry.streamSize == 0)
        return true;
    const bool useFat = node.index == 0 || entry.streamSize >= cfb::kMiniStreamCutoff;
    std::vector<std::uint32_t> chain;
    if (!collectChain(entry.startSector, useFat, chain))
        return false;
    const std::uint64_t unit = useFat ? header_.sectorSize : header_.miniSectorSize;
    const std::uint64_t capacity = chain.size() * unit;
    if (entry.streamSize > capacity)
        return fail(ReadErrorCode::StreamExceedsChain,
                    "the size of " + number(entry.streamSize) + " bytes exceeds the " +
                        number(capacity) + " bytes of its chain of " + number(chain.size()) +
                        (useFat ? " sectors" : " mini sectors"));
    out.resize(entry.streamSize);
    return useFat ? readSectors(chain, out) : readMiniSectors(chain, out);
}

} // namespace xls
