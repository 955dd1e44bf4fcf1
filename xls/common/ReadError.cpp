#include "xls/common/ReadError.h"

namespace xls {

std::string ReadError::describe() const {
    if (!offset)
        return text;
    return text + " (at byte " + std::to_string(*offset) + ")";
}

const char *codeName(ReadErrorCode code) {
    switch (code) {
    case ReadErrorCode::None:
        return "None";
    case ReadErrorCode::FileNotOpened:
        return "FileNotOpened";
    case ReadErrorCode::FileReadFailed:
        return "FileReadFailed";
    case ReadErrorCode::FileTooLarge:
        return "FileTooLarge";
    case ReadErrorCode::NotCompoundFile:
        return "NotCompoundFile";
    case ReadErrorCode::OfficeOpenXml:
        return "OfficeOpenXml";
    case ReadErrorCode::LegacyWorksheet:
        return "LegacyWorksheet";
    case ReadErrorCode::UnsupportedSectorSize:
        return "UnsupportedSectorSize";
    case ReadErrorCode::CorruptHeader:
        return "CorruptHeader";
    case ReadErrorCode::CorruptAllocationTable:
        return "CorruptAllocationTable";
    case ReadErrorCode::CorruptChain:
        return "CorruptChain";
    case ReadErrorCode::CorruptDirectory:
        return "CorruptDirectory";
    case ReadErrorCode::StreamExceedsChain:
        return "StreamExceedsChain";
    case ReadErrorCode::TruncatedFile:
        return "TruncatedFile";
    case ReadErrorCode::NoSuchEntry:
        return "NoSuchEntry";
    case ReadErrorCode::NoWorkbookStream:
        return "NoWorkbookStream";
    case ReadErrorCode::Excel95Workbook:
        return "Excel95Workbook";
    case ReadErrorCode::EncryptedWorkbook:
        return "EncryptedWorkbook";
    case ReadErrorCode::CorruptWorkbookStream:
        return "CorruptWorkbookStream";
    case ReadErrorCode::TruncatedWorkbookStream:
        return "TruncatedWorkbookStream";
    case ReadErrorCode::NoWorksheet:
        return "NoWorksheet";
    case ReadErrorCode::WrongPassword:
        return "WrongPassword";
    case ReadErrorCode::UnsupportedEncryption:
        return "UnsupportedEncryption";
    case ReadErrorCode::EncryptedOfficeOpenXml:
        return "EncryptedOfficeOpenXml";
    case ReadErrorCode::UnknownCodePage:
        return "UnknownCodePage";
    case ReadErrorCode::CorruptZip:
        return "CorruptZip";
    case ReadErrorCode::UnsupportedZip:
        return "UnsupportedZip";
    case ReadErrorCode::InflateLimit:
        return "InflateLimit";
    case ReadErrorCode::CorruptXml:
        return "CorruptXml";
    case ReadErrorCode::XmlLimit:
        return "XmlLimit";
    case ReadErrorCode::NoSpreadsheetPart:
        return "NoSpreadsheetPart";
    case ReadErrorCode::BinaryWorkbook:
        return "BinaryWorkbook";
    case ReadErrorCode::TextNotDecodable:
        return "TextNotDecodable";
    case ReadErrorCode::UnclosedQuote:
        return "UnclosedQuote";
    case ReadErrorCode::TextBeyondLimits:
        return "TextBeyondLimits";
    case ReadErrorCode::EmptyFile:
        return "EmptyFile";
    case ReadErrorCode::NotSpreadsheetPackage:
        return "NotSpreadsheetPackage";
    case ReadErrorCode::Cancelled:
        return "Cancelled";
    }
    return "?";
}

const char *packageContentName(PackageContent content) {
    switch (content) {
    case PackageContent::Unknown:
        break;
    case PackageContent::WordDocument:
        return "a Word document (.docx)";
    case PackageContent::Presentation:
        return "a PowerPoint presentation (.pptx)";
    case PackageContent::OtherOfficeOpenXml:
        return "an Office Open XML document other than a workbook";
    case PackageContent::OpenDocumentText:
        return "an OpenDocument text (.odt)";
    case PackageContent::OpenDocumentPresentation:
        return "an OpenDocument presentation (.odp)";
    case PackageContent::OpenDocumentDrawing:
        return "an OpenDocument drawing (.odg)";
    case PackageContent::OtherOpenDocument:
        return "an OpenDocument file other than a spreadsheet";
    }
    return "a zip file of no spreadsheet format";
}

} // namespace xls
