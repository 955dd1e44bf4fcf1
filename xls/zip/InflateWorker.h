#pragma once

#include "xls/zip/ZipArchive.h"

#include <optional>

namespace xls {

// Deflated entries of at least this many compressed bytes are inflated on a
// second thread; below it a thread costs more than it saves.
bool inflatesOnWorker(const ZipEntry &entry);

// Does what inflateEntry() does and computes the CRC-32 of the inflated
// bytes, on a worker thread that starts and ends within this call, while
// the sink takes the pieces on the calling thread: parsing one piece then
// overlaps inflating the next. Pieces, errors and budget end as
// inflateEntry() leaves them; only the piece boundaries differ. Nothing when
// no thread can be started; nothing is read then.
std::optional<bool> inflateOnWorker(const ZipEntry &entry, ByteSpan data,
                                    const ZipArchive::Sink &sink, InflateBudget &budget,
                                    ReadError &error, std::uint32_t &crc);

} // namespace xls
