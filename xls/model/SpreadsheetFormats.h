#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/ReadError.h"
#include "xls/model/ExcelWorksheet.h"

#include <cstdint>
#include <vector>

namespace xls {

// Whether bytes that begin like this are read by readZipOrXmlWorkbook: a zip
// package or an XML document.
bool isZipOrXml(ByteSpan head);

// Reads the file's bytes when they begin like a zip package or an XML
// document; false (and `bytes` empty) for anything else, which the compound
// file reader then looks at. `error` is set when the file cannot be read.
bool readZipOrXmlFile(const char *path, std::vector<std::uint8_t> &bytes, ReadError &error);

// The first worksheet of an .xlsx/.xlsm or .ods package, or of a .fods or
// XML Spreadsheet 2003 document, decided by content.
bool readZipOrXmlWorkbook(ByteSpan bytes, ExcelWorksheet &sheet, ReadError &error);

} // namespace xls
