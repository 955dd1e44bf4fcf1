#include "xls/biff/SheetRecords.h"

#include "xls/biff/FieldReader.h"

#include <algorithm>

namespace ZAreda::records {

namespace {

// One DBCELL position per block of 32 rows, computed like Excel's readers in
// 64 bits (no overflow), and never more blocks than a sheet can have.
std::size_t rowBlockCount(std::uint32_t firstRow, std::uint32_t lastRowPlus1) {
    const std::int64_t first = static_cast<std::int32_t>(firstRow);
    const std::int64_t end = static_cast<std::int32_t>(lastRowPlus1);
    const std::int64_t n = (end - first - 1) / kRowsPerBlock + 1;
    return static_cast<std::size_t>(std::clamp<std::int64_t>(n, 0, kMaxRowBlocks));
}

} // namespace

std::uint32_t Dimensions::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(firstRow);
    fields.read(lastRowPlus1);
    fields.read(firstColumn);
    fields.read(lastColumnPlus1);
    fields.read(reserved);
    return recordSize;
}

std::uint32_t Index::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    for (std::uint32_t *field : {&reserved, &firstRow, &lastRowPlus1, &defColWidthPosition})
        fields.read(*field);
    dbCellPositions.assign(rowBlockCount(firstRow, lastRowPlus1), 0);
    for (std::uint32_t &position : dbCellPositions)
        fields.read(position);
    return recordSize;
}

std::uint32_t Window2::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    for (std::uint16_t *field : {&optionFlags, &firstVisibleRow, &firstVisibleColumn,
                                 &gridLineColour, &reserved1, &zoomPageBreakPreview, &zoomNormal})
        fields.read(*field);
    fields.read(reserved2);
    return recordSize;
}

std::uint32_t Row::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    for (std::uint16_t *field :
         {&row, &firstColumn, &lastColumnPlus1, &height, &reserved1, &reserved2})
        fields.read(*field);
    fields.read(optionFlags);
    return recordSize;
}

std::uint32_t DBCell::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(firstRowOffset);
    cellOffsets.clear();
    if (!fields.complete())
        return recordSize;
    cellOffsets.resize(fields.rest().size() / sizeof(std::uint16_t));
    for (std::uint16_t &offset : cellOffsets)
        fields.read(offset);
    return recordSize;
}

} // namespace ZAreda::records
