// Reading a file into memory for the readers, once, within a cap.
#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <vector>

namespace xls {

// How many bytes a file that begins with `head` may hold.
using FileCap = std::uint64_t (*)(ByteSpan head);

// Reads the file at `path`, opened for reading only, as its bytes arrive:
// the file system's size only decides how much room is taken at once, within
// the cap. The cap is asked for once the first bytes are in; a file longer
// than it ends after cap + 1 bytes, so that the caller refuses it. False
// with `error` set when the file cannot be opened or read.
bool readFileBytes(const char *path, FileCap capFor, std::vector<std::uint8_t> &bytes,
                   ReadError &error);

} // namespace xls
