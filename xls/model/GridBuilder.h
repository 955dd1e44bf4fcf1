// Writes a worksheet's cell records into its grid of typed cells.
#pragma once

#include "xls/biff/Workbook.h"
#include "xls/biff/Worksheet.h"
#include "xls/model/ExcelWorksheet.h"

#include <cstdint>

// Reads the worksheet substream at the start of `from` (as
// ZAreda::Worksheet::Read does) into `records` and `grid` at once: each row
// block's cells go into the grid as soon as the block is read, so the sheet's
// cell records are never all held. `records` keeps every other record, its
// cell table stays empty. Returns the bytes consumed.
std::uint32_t readWorksheetIntoGrid(xls::ByteSpan from, ZAreda::Worksheet &records,
                                    const ZAreda::Workbook::SharedStringTable &sst,
                                    ExcelWorksheet &grid);
