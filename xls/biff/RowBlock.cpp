#include "xls/biff/RowBlock.h"

namespace ZAreda::records {

namespace {

// A row block without DBCELL ends where its substream ends or another begins.
bool endsRowBlock(std::uint16_t code) {
    return code == RecordCode::Eof || code == RecordCode::BOF;
}

template <typename T>
std::span<const T> slice(const std::vector<T> &all, std::uint32_t first, std::uint32_t count) {
    if (first > all.size() || count > all.size() - first)
        return {};
    return std::span<const T>(all).subspan(first, count);
}

} // namespace

std::uint32_t RowBlock::Read(xls::ByteSpan from) {
    return read(from, nullptr);
}

std::uint32_t RowBlock::Read(xls::ByteSpan from, const Handler &handOver) {
    clear();
    cellBlocks.reserve(kCellsHandedOverAtOnce);
    const std::uint32_t consumed = read(from, &handOver);
    handOver(*this);
    return consumed;
}

std::uint32_t RowBlock::read(xls::ByteSpan from, const Handler *handOver) {
    from = addressable(from);
    if (!handOver)
        reserveFor(from);
    std::size_t pos = 0;
    while (hasRecordHeader(from, pos)) {
        const std::uint16_t code = recordCodeAt(from, pos);
        const xls::ByteSpan rest = from.subspan(pos);
        if (code == RecordCode::DBCell)
            return static_cast<std::uint32_t>(pos + dbCell.Read(rest));
        if (endsRowBlock(code))
            return static_cast<std::uint32_t>(pos);
        if (code == RecordCode::Row)
            pos += rows.emplace_back().Read(rest);
        else if (CellBlock::isCellCode(code)) {
            pos += cellBlocks.emplace_back().Read(rest, *this);
            if (handOver && cellBlocks.size() == kCellsHandedOverAtOnce) {
                (*handOver)(*this);
                clear();
            }
        } else
            pos += Record().Read(rest);
    }
    truncated = true;
    return static_cast<std::uint32_t>(from.size());
}

void RowBlock::clear() {
    rows.clear();
    cellBlocks.clear();
    dbCell = {};
    mulRKEntries.clear();
    mulBlankXFIndexes.clear();
    truncated = false;
}

// Counts what the block holds from the record headers, so that each vector is
// allocated once and at its size: a sheet may have thousands of blocks.
void RowBlock::reserveFor(xls::ByteSpan from) {
    std::size_t rowCount = 0, cellCount = 0, rkEntries = 0, blankEntries = 0;
    std::size_t pos = 0;
    while (hasRecordHeader(from, pos)) {
        const RecordFrame frame = frameRecord(from.subspan(pos));
        if (frame.code == RecordCode::DBCell || endsRowBlock(frame.code))
            break;
        const std::size_t entryBytes =
            frame.dataSize > kMulFixedSize ? frame.dataSize - kMulFixedSize : 0;
        rowCount += frame.code == RecordCode::Row;
        cellCount += CellBlock::isCellCode(frame.code);
        if (frame.code == RecordCode::MulRK)
            rkEntries += entryBytes / kMulRKEntrySize;
        if (frame.code == RecordCode::MulBlank)
            blankEntries += entryBytes / kMulBlankEntrySize;
        pos += frame.recordSize;
    }
    rows.reserve(rows.size() + rowCount);
    cellBlocks.reserve(cellBlocks.size() + cellCount);
    mulRKEntries.reserve(mulRKEntries.size() + rkEntries);
    mulBlankXFIndexes.reserve(mulBlankXFIndexes.size() + blankEntries);
}

std::span<const MulRK::Entry> RowBlock::entries(const MulRK &record) const {
    return slice(mulRKEntries, record.firstEntry, record.entryCount);
}

std::span<const std::uint16_t> RowBlock::xfIndexes(const MulBlank &record) const {
    return slice(mulBlankXFIndexes, record.firstEntry, record.entryCount);
}

std::uint32_t CellTable::ReadBlock(xls::ByteSpan from) {
    return readOneBlock(from);
}

std::uint32_t CellTable::readOneBlock(xls::ByteSpan from) {
    if (!onRowBlock)
        return rowBlocks.emplace_back().Read(from);
    return current.Read(from, onRowBlock);
}

std::uint32_t CellTable::Read(xls::ByteSpan from) {
    from = addressable(from);
    std::size_t pos = 0;
    while (hasRecordHeader(from, pos) && recordCodeAt(from, pos) == RecordCode::Row) {
        const std::uint32_t consumed = readOneBlock(from.subspan(pos));
        if (consumed == 0)
            break;
        pos += consumed;
    }
    return static_cast<std::uint32_t>(pos);
}

} // namespace ZAreda::records
