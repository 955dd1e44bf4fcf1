#include "xls/model/FileFormat.h"

#include "xls/compound/CompoundConstants.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

namespace xls {

namespace {

// [MS-XLS] and the older BIFF documentation: the BOF record codes.
constexpr std::uint16_t kBofBiff2 = 0x0009;
constexpr std::uint16_t kBofBiff3 = 0x0209;
constexpr std::uint16_t kBofBiff4 = 0x0409;
constexpr std::uint16_t kBofBiff5To8 = 0x0809;
// Every BOF record body is between 4 (BIFF2) and 16 (BIFF8) bytes long.
constexpr std::uint16_t kMinBofLength = 4;
constexpr std::uint16_t kMaxBofLength = 20;

bool startsWith(ByteSpan head, std::string_view magic) {
    return head.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), head.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

bool isBofRecord(ByteSpan head, std::uint16_t code) {
    ByteCursor cursor(head);
    const std::uint16_t id = cursor.u16();
    const std::uint16_t length = cursor.u16();
    return cursor.ok() && id == code && length >= kMinBofLength && length <= kMaxBofLength;
}

// Text: no control bytes other than tab, line breaks, form feed and escape.
bool looksLikeText(ByteSpan head) {
    return std::none_of(head.begin(), head.end(), [](std::uint8_t byte) {
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != 0x0C &&
               byte != 0x1B;
    });
}

FileKind sniffMarkup(ByteSpan head) {
    std::string_view text(reinterpret_cast<const char *>(head.data()), head.size());
    if (startsWith(head, "\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text[first] != '<')
        return FileKind::Text;
    text.remove_prefix(first);
    for (std::string_view tag : {"<!doctype html", "<html", "<head", "<body", "<table", "<meta"}) {
        if (startsWithIgnoringCase(text, tag))
            return FileKind::Html;
    }
    if (startsWithIgnoringCase(text, "<?xml"))
        return text.find("<html") != std::string_view::npos ? FileKind::Html : FileKind::Xml;
    return FileKind::Text;
}

} // namespace

FileKind sniffFileKind(ByteSpan head) {
    if (head.empty())
        return FileKind::Empty;
    if (head.size() >= cfb::kSignature.size() &&
        std::equal(cfb::kSignature.begin(), cfb::kSignature.end(), head.begin()))
        return FileKind::CompoundFile;
    if (startsWith(head, "PK\x03\x04") || startsWith(head, "PK\x05\x06"))
        return FileKind::Zip;
    if (isBofRecord(head, kBofBiff2) || isBofRecord(head, kBofBiff3) ||
        isBofRecord(head, kBofBiff4))
        return FileKind::LegacyWorksheet;
    if (isBofRecord(head, kBofBiff5To8))
        return FileKind::BareBiffStream;
    if (startsWith(head, "\x1F\x8B"))
        return FileKind::Gzip;
    if (startsWith(head, "%PDF-"))
        return FileKind::Pdf;
    if (startsWith(head, "{\\rtf"))
        return FileKind::Rtf;
    for (std::string_view magic : {"\x89PNG", "\xFF\xD8\xFF", "GIF87a", "GIF89a", "BM"}) {
        if (startsWith(head, magic))
            return FileKind::Image;
    }
    if (startsWith(head, "\xFF\xFE") || startsWith(head, "\xFE\xFF"))
        return FileKind::Text; // UTF-16 text with a byte order mark
    if (looksLikeText(head))
        return sniffMarkup(head);
    return FileKind::Unknown;
}

ReadError notCompoundFileError(ByteSpan head) {
    const auto refuse = [](ReadErrorCode code, const char *what) {
        return ReadError{code, std::string("not a compound file: ") + what, std::nullopt};
    };
    switch (sniffFileKind(head)) {
    case FileKind::CompoundFile:
        return {};
    case FileKind::Empty:
        return refuse(ReadErrorCode::EmptyFile, "the file is empty");
    case FileKind::Zip:
        return refuse(ReadErrorCode::OfficeOpenXml,
                      "a zip container (an .xlsx or .ods workbook or another zip file)");
    case FileKind::LegacyWorksheet:
        return refuse(ReadErrorCode::LegacyWorksheet,
                      "a BIFF2, BIFF3 or BIFF4 worksheet (Excel 2.x to 4.0)");
    case FileKind::BareBiffStream:
        return refuse(ReadErrorCode::NotCompoundFile,
                      "BIFF5/BIFF8 records without the compound file around them");
    case FileKind::Gzip:
        return refuse(ReadErrorCode::NotCompoundFile, "gzip-compressed data");
    case FileKind::Html:
        return refuse(ReadErrorCode::NotCompoundFile, "an HTML document");
    case FileKind::Xml:
        return refuse(ReadErrorCode::NotCompoundFile, "an XML document");
    case FileKind::Rtf:
        return refuse(ReadErrorCode::NotCompoundFile, "an RTF document");
    case FileKind::Pdf:
        return refuse(ReadErrorCode::NotCompoundFile, "a PDF document");
    case FileKind::Image:
        return refuse(ReadErrorCode::NotCompoundFile, "an image");
    case FileKind::Text:
        return refuse(ReadErrorCode::NotCompoundFile, "plain text or CSV");
    case FileKind::Unknown:
        break;
    }
    return refuse(ReadErrorCode::NotCompoundFile,
                  "the signature D0 CF 11 E0 A1 B1 1A E1 is missing");
}

} // namespace xls
