#include "xls/model/SpreadsheetFormats.h"

#include "xls/ods/OdsReader.h"
#include "xls/xlsx/XlsxReader.h"
#include "xls/xml2003/Xml2003Reader.h"
#include "xls/zip/ZipArchive.h"

namespace xls {

bool readZipOrXmlWorkbook(ByteSpan bytes, bool xml, CellSink &sheet, ReadError &error) {
    if (xml)
        return readXmlSpreadsheet(bytes, sheet, error);
    ZipArchive zip;
    if (!zip.open(bytes, error))
        return false;
    if (isOfficeOpenXmlPackage(zip))
        return readXlsx(zip, sheet, error);
    if (isOpenDocumentSpreadsheet(zip))
        return readOds(zip, sheet, error);
    error = {ReadErrorCode::NotSpreadsheetPackage,
             "a zip file that is neither an Office Open XML workbook nor an OpenDocument "
             "spreadsheet",
             std::nullopt};
    return false;
}

} // namespace xls
