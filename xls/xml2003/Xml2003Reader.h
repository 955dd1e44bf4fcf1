#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/CellSink.h"
#include "xls/common/ReadError.h"

namespace xls {

// Reads the first worksheet of an XML document that is a spreadsheet: an
// XML Spreadsheet 2003 (urn:schemas-microsoft-com:office:spreadsheet) or a
// flat OpenDocument spreadsheet (.fods). The root element decides which.
bool readXmlSpreadsheet(ByteSpan document, CellSink &sheet, ReadError &error);

} // namespace xls
