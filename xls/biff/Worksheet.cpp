#include "xls/biff/Worksheet.h"

namespace ZAreda {

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
        // Cell records outside a row block: some writers leave out ROW and
        // DBCELL altogether. They form a row block of their own.
        if (CellTable::RowBlock::CellBlock::isCellCode(recordCodeAt(from, 0)))
            return cellTable.ReadBlock(from);
        return Record().Read(from);
    }
}

} // namespace ZAreda
