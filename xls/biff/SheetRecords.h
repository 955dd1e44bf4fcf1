// Worksheet records around the cells: DIMENSIONS, INDEX, WINDOW2, and the ROW
// and DBCELL records that frame a row block ([MS-XLS] 2.4). They are known by
// their nested names, Worksheet::Dimensions, ...::RowBlock::Row and so on.
#pragma once

#include "xls/biff/Record.h"

#include <cstdint>
#include <vector>

namespace ZAreda::records {

// The used range of a sheet.
class Dimensions : public Record {
public:
    Dimensions() : Record(RecordCode::Dimensions, 14) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint32_t firstRow = 0;
    std::uint32_t lastRowPlus1 = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumnPlus1 = 0;
    std::uint16_t reserved = 0;
};

// Where the sheet's DBCELL records are; kept as read, not used for reading.
class Index : public Record {
public:
    Index() : Record(RecordCode::Index, 16) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint32_t reserved = 0;
    std::uint32_t firstRow = 0;
    std::uint32_t lastRowPlus1 = 0;
    std::uint32_t defColWidthPosition = 0;
    // One position per block of 32 rows from firstRow to lastRowPlus1, at
    // most 2048 (65,536 rows); positions the record does not hold stay 0.
    std::vector<std::uint32_t> dbCellPositions = std::vector<std::uint32_t>(1, 0);
};

class Window2 : public Record {
public:
    Window2() : Record(RecordCode::Window2, 18) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t optionFlags = 0x06B6;
    std::uint16_t firstVisibleRow = 0;
    std::uint16_t firstVisibleColumn = 0;
    std::uint16_t gridLineColour = 64;
    std::uint16_t reserved1 = 0;
    std::uint16_t zoomPageBreakPreview = 0;
    std::uint16_t zoomNormal = 0;
    std::uint32_t reserved2 = 0;
};

class Row : public Record {
public:
    Row() : Record(RecordCode::Row, 16) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t row = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumnPlus1 = 0;
    std::uint16_t height = 255;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t optionFlags = 0; // option flags and the row's XF index
};

// Closes a row block; its offsets are kept as read, not used for reading.
class DBCell : public Record {
public:
    DBCell() : Record(RecordCode::DBCell, 4) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint32_t firstRowOffset = 0;       // back from this record to the block's first ROW
    std::vector<std::uint16_t> cellOffsets; // to the first cell of each row of the block
};

} // namespace ZAreda::records
