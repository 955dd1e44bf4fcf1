#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/CellSink.h"
#include "xls/common/ReadError.h"

namespace xls {

// The first worksheet of a zip package (.xlsx/.xlsm or .ods) or of an XML
// document (.fods, XML Spreadsheet 2003): `xml` tells which the front door
// found; the package's parts decide between the zip formats.
bool readZipOrXmlWorkbook(ByteSpan bytes, bool xml, CellSink &sheet, ReadError &error);

} // namespace xls
