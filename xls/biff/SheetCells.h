// Writes a worksheet's cell records into a sheet of typed cells.
#pragma once

#include "xls/biff/Workbook.h"
#include "xls/biff/Worksheet.h"
#include "xls/common/CellSink.h"

#include <cstdint>

namespace ZAreda {

// Reads the worksheet substream at the start of `from` (as Worksheet::Read
// does) into `records` and `sheet` at once: each row block's cells go to the
// sheet as soon as the block is read, so the sheet's cell records are never
// all held. `records` keeps every other record, its cell table stays empty.
// Returns the bytes consumed.
std::uint32_t readWorksheetCells(xls::ByteSpan from, Worksheet &records,
                                 const Workbook::SharedStringTable &sst, xls::CellSink &sheet);

} // namespace ZAreda
