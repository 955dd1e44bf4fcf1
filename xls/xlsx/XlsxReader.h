#pragma once

#include "xls/common/CellSink.h"
#include "xls/common/ReadError.h"
#include "xls/zip/ZipArchive.h"

namespace xls {

// Whether a zip package is an Office Open XML workbook (.xlsx, .xlsm, .xlsb):
// it has package relationships naming an office document.
bool isOfficeOpenXmlPackage(const ZipArchive &zip);

// Reads the first worksheet, in workbook order, of an .xlsx or .xlsm package
// (transitional or strict) into `sheet`. Only the relationships, the
// workbook, the shared strings and that sheet are inflated.
bool readXlsx(const ZipArchive &zip, CellSink &sheet, ReadError &error);

} // namespace xls
