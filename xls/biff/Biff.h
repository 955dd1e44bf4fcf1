// Everything the workbook model reads from the BIFF8 records: the globals
// (Workbook), the worksheets (Worksheet) and the RK decoding.
//
// A stream is read substream by substream, each Read given a view from the
// substream's BOF to the end of the whole stream:
//
//     ZAreda::Workbook globals;
//     std::size_t pos = globals.Read(stream);   // globals.truncated: cut short
//     ZAreda::Worksheet sheet;
//     pos += sheet.Read(stream.subspan(pos));   // sheet.truncated: cut short
//     for (const auto &block : sheet.cellTable.rowBlocks)
//         for (const auto &cell : block.cellBlocks)
//             if (const auto *rk = cell.rk()) ...          // row(), column(), type
//             else if (const auto *m = cell.mulRK())
//                 for (const auto &entry : block.entries(*m)) ...
#pragma once

#include "xls/biff/RKValue.h"
#include "xls/biff/Workbook.h"
#include "xls/biff/Worksheet.h"
