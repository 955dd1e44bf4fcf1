// Framing of BIFF8 records: a 4-byte header (u16 type, u16 payload length),
// the payload, and the CONTINUE records that carry on a payload too long for
// one record. Everything here stays inside the stream view it is given.
#pragma once

#include "xls/common/ByteCursor.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ZAreda {

// The record reads count bytes in 32 bits; a longer view is cut to that.
xls::ByteSpan addressable(xls::ByteSpan stream);

// True when a whole record header starts at `offset`.
bool hasRecordHeader(xls::ByteSpan stream, std::size_t offset);
// The type of the record at `offset`; only valid where hasRecordHeader holds.
std::uint16_t recordCodeAt(xls::ByteSpan stream, std::size_t offset);

// Where one record and its CONTINUE records lie, found from their headers alone.
struct RecordFrame {
    std::uint16_t code = 0;
    std::uint32_t dataSize = 0;   // payload bytes present, continuations included
    std::uint32_t recordSize = 0; // stream bytes taken, headers included
    std::uint32_t continueCount = 0;
    // The stream ends inside the record: its header, its payload or a
    // continuation is cut short. The sizes then count only what is present.
    bool truncated = false;
};

// Frames the record at the start of `from`, which runs to the end of the
// stream. A record that is present consumes at least one byte.
RecordFrame frameRecord(xls::ByteSpan from);

// Steps over a substream from its BOF (at the start of `from`) to the EOF
// that closes it, counting the substreams nested in it; returns the bytes
// stepped over, the whole of `from` when no EOF closes it.
std::uint32_t skipSubstream(xls::ByteSpan from);

// The joined payload of one framed record. A record that is not continued is
// a view into the stream and copies nothing; a continued one is joined into a
// buffer of its own. A payload is read at once and not kept (it may point into
// the stream), so it can be neither copied nor moved.
class RecordPayload {
public:
    explicit RecordPayload(xls::ByteSpan from);
    RecordPayload(const RecordPayload &) = delete;
    RecordPayload &operator=(const RecordPayload &) = delete;

    const RecordFrame &frame() const { return frame_; }
    std::uint16_t code() const { return frame_.code; }
    std::uint32_t dataSize() const { return frame_.dataSize; }
    std::uint32_t recordSize() const { return frame_.recordSize; }
    bool truncated() const { return frame_.truncated; }

    xls::ByteSpan data() const { return data_; }
    // For each CONTINUE record, in order, the offset in data() at which its
    // payload begins.
    std::span<const std::uint32_t> continueOffsets() const { return continueOffsets_; }

private:
    void join(xls::ByteSpan from);

    RecordFrame frame_;
    xls::ByteSpan data_;
    std::vector<std::uint8_t> joined_;
    std::vector<std::uint32_t> continueOffsets_;
};

} // namespace ZAreda
