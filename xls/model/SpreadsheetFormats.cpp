#include "xls/model/SpreadsheetFormats.h"

#include "xls/compound/FileSniffer.h"
#include "xls/ods/OdsReader.h"
#include "xls/xlsx/XlsxReader.h"
#include "xls/xml2003/Xml2003Reader.h"
#include "xls/zip/ZipArchive.h"

#include <array>
#include <fstream>

namespace xls {

namespace {

constexpr std::size_t kSniffLength = 512;
// A package or XML document larger than this could not stay within the
// inflation and cell caps anyway.
constexpr std::uint64_t kMaxFileSize = 1024ull * 1024 * 1024;

} // namespace

bool isZipOrXml(ByteSpan head) {
    const FileKind kind = sniffFileKind(head.first(std::min(head.size(), kSniffLength)));
    return kind == FileKind::Zip || kind == FileKind::Xml;
}

bool readZipOrXmlFile(const char *path, std::vector<std::uint8_t> &bytes, ReadError &error) {
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false; // the compound file reader names the reason
    std::array<std::uint8_t, kSniffLength> head{};
    in.read(reinterpret_cast<char *>(head.data()), head.size());
    if (!isZipOrXml(ByteSpan(head.data(), std::size_t(in.gcount()))))
        return false;
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || std::uint64_t(size) > kMaxFileSize) {
        error = {ReadErrorCode::FileTooLarge,
                 "the file of " + std::to_string(size) + " bytes is larger than the " +
                     std::to_string(kMaxFileSize) + " bytes read",
                 std::nullopt};
        return true;
    }
    bytes.resize(std::size_t(size));
    in.seekg(0);
    in.read(reinterpret_cast<char *>(bytes.data()), size);
    if (in.gcount() != size) {
        error = {ReadErrorCode::FileReadFailed, "the file could not be read to its end",
                 std::uint64_t(in.gcount())};
        bytes.clear();
    }
    return true;
}

bool readZipOrXmlWorkbook(ByteSpan bytes, ExcelWorksheet &sheet, ReadError &error) {
    if (sniffFileKind(bytes.first(std::min(bytes.size(), kSniffLength))) == FileKind::Xml)
        return readXmlSpreadsheet(bytes, sheet, error);
    ZipArchive zip;
    if (!zip.open(bytes, error))
        return false;
    if (isOfficeOpenXmlPackage(zip))
        return readXlsx(zip, sheet, error);
    if (isOpenDocumentSpreadsheet(zip))
        return readOds(zip, sheet, error);
    error = {ReadErrorCode::NoSpreadsheetPart,
             "a zip file that is neither an Office Open XML workbook nor an OpenDocument "
             "spreadsheet",
             std::nullopt};
    return false;
}

} // namespace xls
