#include "xls/biff/Worksheet.h"

namespace ZAreda {

namespace {

// Steps over a substream from its BOF to the EOF that closes it, counting the
// substreams nested in it; at the end of the stream when there is none.
std::uint32_t skipSubstream(xls::ByteSpan from) {
    std::size_t pos = 0;
    std::size_t depth = 0;
    while (hasRecordHeader(from, pos)) {
        const std::uint16_t code = recordCodeAt(from, pos);
        pos += frameRecord(from.subspan(pos)).recordSize;
        if (code == RecordCode::BOF)
            ++depth;
        else if (code == RecordCode::Eof && depth > 0 && --depth == 0)
            return static_cast<std::uint32_t>(pos);
    }
    return static_cast<std::uint32_t>(from.size());
}

} // namespace

std::uint32_t Worksheet::Read(xls::ByteSpan from) {
    from = addressable(from);
    std::size_t pos = 0;
    while (hasRecordHeader(from, pos)) {
        if (recordCodeAt(from, pos) == RecordCode::Eof)
            return static_cast<std::uint32_t>(pos + eof.RecordSize());
        pos += readRecord(from.subspan(pos), pos == 0);
    }
    truncated = true;
    return static_cast<std::uint32_t>(from.size());
}

std::uint32_t Worksheet::readRecord(xls::ByteSpan from, bool first) {
    switch (recordCodeAt(from, 0)) {
    case RecordCode::BOF:
        return first ? bof.Read(from) : skipSubstream(from);
    case RecordCode::Dimensions:
        return dimensions.Read(from);
    case RecordCode::Row:
        return cellTable.Read(from);
    case RecordCode::Index:
        return index.Read(from);
    case RecordCode::Window2:
        return window2.Read(from);
    default:
        return Record().Read(from);
    }
}

} // namespace ZAreda
