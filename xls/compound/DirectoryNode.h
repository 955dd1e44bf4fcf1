#pragma once

#include "xls/compound/DirectoryEntry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace xls {

// One entry reachable from the root, placed in the storage tree. Nodes are
// owned by their CompoundFile and live until it closes.
struct DirectoryNode {
    const DirectoryNode *parent = nullptr; // the enclosing storage; none for the root
    const DirectoryEntry *entry = nullptr;
    std::uint32_t index = 0;                     // the entry's number in the directory
    std::vector<const DirectoryNode *> children; // ascending index

    std::u16string_view name() const { return entry->name(); }
};

} // namespace xls
