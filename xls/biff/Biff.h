// Everything the workbook model reads from the BIFF8 records: the globals
// (Workbook), the worksheets (Worksheet) and the RK decoding.
#pragma once

#include "xls/biff/RKValue.h"
#include "xls/biff/Workbook.h"
#include "xls/biff/Worksheet.h"
