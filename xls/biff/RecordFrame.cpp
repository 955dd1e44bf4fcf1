#include "xls/biff/RecordFrame.h"

#include "xls/biff/BiffConstants.h"

#include <algorithm>
#include <limits>

namespace ZAreda {

namespace {

// One record's payload piece: where it starts and how much of it is present.
struct Piece {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool cut = false;
};

// The piece whose header starts at `pos`; the whole header must be present.
Piece pieceAt(xls::ByteSpan from, std::size_t pos) {
    const std::size_t stated = xls::loadU16(from.data() + pos + kRecordLengthOffset);
    const std::size_t available = from.size() - pos - kRecordHeaderSize;
    return {pos + kRecordHeaderSize, std::min(stated, available), stated > available};
}

// True when a CONTINUE record starts at `pos`, judged from its type alone.
bool continuesAt(xls::ByteSpan from, std::size_t pos) {
    return from.size() - pos >= sizeof(std::uint16_t) &&
           xls::loadU16(from.data() + pos) == RecordCode::Continue;
}

// Walks the record and its CONTINUE records, calling visit(piece) for each
// payload piece in order; returns the frame.
template <typename Visit> RecordFrame walkPieces(xls::ByteSpan from, Visit &&visit) {
    RecordFrame frame;
    if (!hasRecordHeader(from, 0)) {
        frame.code = from.size() >= sizeof(std::uint16_t) ? xls::loadU16(from.data()) : 0;
        frame.recordSize = static_cast<std::uint32_t>(from.size());
        frame.truncated = true;
        return frame;
    }
    frame.code = xls::loadU16(from.data());
    Piece piece = pieceAt(from, 0);
    std::size_t dataSize = 0;
    for (;;) {
        visit(piece);
        dataSize += piece.length;
        std::size_t end = piece.offset + piece.length;
        if (piece.cut) {
            frame.truncated = true;
            frame.recordSize = static_cast<std::uint32_t>(end);
            break;
        }
        if (!continuesAt(from, end)) {
            frame.recordSize = static_cast<std::uint32_t>(end);
            break;
        }
        if (!hasRecordHeader(from, end)) {
            // A CONTINUE header cut short by the end of the stream.
            frame.truncated = true;
            frame.recordSize = static_cast<std::uint32_t>(from.size());
            break;
        }
        piece = pieceAt(from, end);
        ++frame.continueCount;
    }
    frame.dataSize = static_cast<std::uint32_t>(dataSize);
    return frame;
}

} // namespace

xls::ByteSpan addressable(xls::ByteSpan stream) {
    constexpr std::size_t limit = std::numeric_limits<std::uint32_t>::max();
    return stream.size() > limit ? stream.first(limit) : stream;
}

bool hasRecordHeader(xls::ByteSpan stream, std::size_t offset) {
    return offset <= stream.size() && kRecordHeaderSize <= stream.size() - offset;
}

std::uint16_t recordCodeAt(xls::ByteSpan stream, std::size_t offset) {
    return xls::loadU16(stream.data() + offset);
}

RecordFrame frameRecord(xls::ByteSpan from) {
    return walkPieces(addressable(from), [](const Piece &) {});
}

RecordPayload::RecordPayload(xls::ByteSpan from) {
    from = addressable(from);
    xls::ByteSpan first;
    bool seen = false;
    frame_ = walkPieces(from, [&](const Piece &piece) {
        if (!seen)
            first = from.subspan(piece.offset, piece.length);
        seen = true;
    });
    if (frame_.continueCount == 0)
        data_ = first;
    else
        join(from);
}

void RecordPayload::join(xls::ByteSpan from) {
    joined_.reserve(frame_.dataSize);
    continueOffsets_.reserve(frame_.continueCount);
    bool firstPiece = true;
    walkPieces(from, [&](const Piece &piece) {
        if (!firstPiece)
            continueOffsets_.push_back(static_cast<std::uint32_t>(joined_.size()));
        firstPiece = false;
        const auto bytes = from.subspan(piece.offset, piece.length);
        joined_.insert(joined_.end(), bytes.begin(), bytes.end());
    });
    data_ = joined_;
}

std::uint32_t skipSubstream(xls::ByteSpan from) {
    from = addressable(from);
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

} // namespace ZAreda
