// A worksheet substream ([MS-XLS] 2.1.7.20.5): what the reader keeps of the
// records between a worksheet's BOF and its EOF.
#pragma once

#include "xls/biff/BOF.h"
#include "xls/biff/RowBlock.h"
#include "xls/biff/SheetRecords.h"

#include <cstdint>

namespace ZAreda {

class Worksheet {
public:
    using Dimensions = records::Dimensions;
    using Index = records::Index;
    using Window2 = records::Window2;
    using CellTable = records::CellTable;

    // `from` starts at the worksheet's BOF and runs to the end of the stream.
    // Reads records up to the sheet's EOF and returns the bytes consumed, the
    // EOF counted as 4. A BOF after the first record opens a substream
    // embedded in the sheet (a chart on it); that substream is stepped over
    // up to its own EOF. Cell records outside a row block (before the first
    // ROW) are stepped over. When the stream ends first, `truncated` is set
    // and everything up to the end of the stream is consumed.
    std::uint32_t Read(xls::ByteSpan from);

    BOF bof{kWorksheetSubstream};
    Index index;
    Dimensions dimensions;
    CellTable cellTable;
    Window2 window2;
    YEOF eof;

    // The stream ended before the sheet's EOF.
    bool truncated = false;

private:
    std::uint32_t readRecord(xls::ByteSpan from, bool first);
};

} // namespace ZAreda
