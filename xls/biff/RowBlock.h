// The cell table of a worksheet ([MS-XLS] 2.1.7.20.5): row blocks of up to 32
// ROW records, their cell records and a closing DBCELL.
#pragma once

#include "xls/biff/CellBlock.h"
#include "xls/biff/SheetRecords.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ZAreda::records {

class RowBlock {
public:
    using Row = records::Row;
    using DBCell = records::DBCell;
    using CellBlock = records::CellBlock;
    using Handler = std::function<void(const RowBlock &)>;

    // The most cells a block read for a handler holds at once.
    static constexpr std::size_t kCellsHandedOverAtOnce = 4096;

    // `from` starts at the block's first record (a ROW) and runs to the end of
    // the stream. Reads up to and including the DBCELL and returns the bytes
    // consumed. Records of other kinds are stepped over. A block that a writer
    // left without DBCELL ends before the EOF or BOF that follows it, which is
    // not consumed. When the stream ends first, `truncated` is set and the
    // rest of the stream is consumed.
    std::uint32_t Read(xls::ByteSpan from);
    // The same, but the block goes to `handOver` instead of being kept: each
    // time it holds kCellsHandedOverAtOnce cells (some writers put a whole
    // sheet into one block), then once more at its end with the DBCELL and
    // `truncated`. It is emptied before each part, its vectors keeping their room.
    std::uint32_t Read(xls::ByteSpan from, const Handler &handOver);

    // The entries of a MULRK, and the XF indexes of a MULBLANK, of this block.
    std::span<const MulRK::Entry> entries(const MulRK &record) const;
    std::span<const std::uint16_t> xfIndexes(const MulBlank &record) const;

    std::vector<Row> rows;
    std::vector<CellBlock> cellBlocks; // one per cell record, in stream order
    DBCell dbCell;
    std::vector<MulRK::Entry> mulRKEntries;
    std::vector<std::uint16_t> mulBlankXFIndexes;
    bool truncated = false;

private:
    std::uint32_t read(xls::ByteSpan from, const Handler *handOver);
    void reserveFor(xls::ByteSpan from);
    void clear();
};

// The row blocks of a worksheet, in stream order.
class CellTable {
public:
    using RowBlock = records::RowBlock;

    // `from` starts at a ROW record. Reads row blocks while the next record is
    // a ROW and returns the bytes consumed; appends to rowBlocks.
    std::uint32_t Read(xls::ByteSpan from);
    // Reads one row block from whatever record `from` starts at (a cell
    // record outside any block) and returns the bytes consumed.
    std::uint32_t ReadBlock(xls::ByteSpan from);

    // When set, the row blocks go to it as they are read (a large one in
    // parts, see RowBlock::Read) instead of being kept in rowBlocks: however
    // large the sheet, only a few thousand cell records are held at a time.
    RowBlock::Handler onRowBlock;
    std::vector<RowBlock> rowBlocks;

private:
    std::uint32_t readOneBlock(xls::ByteSpan from);

    RowBlock current; // the block being read while onRowBlock is set
};

} // namespace ZAreda::records
