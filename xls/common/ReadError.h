#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace xls {

// Why the reader gave up. The codes are stable: the program maps them to the
// messages it shows, the texts are short English details for logs and tools.
enum class ReadErrorCode {
    None = 0,
    // The file itself.
    FileNotOpened,  // missing, a directory, no permission to read
    FileReadFailed, // the operating system reported a read error
    FileTooLarge,   // beyond what a compound file can address
    // Not a compound file at all; the text names what the bytes look like.
    NotCompoundFile, // text, HTML, XML, CSV, an image, PDF, unknown bytes
    OfficeOpenXml,   // a zip container: .xlsx, .ods and relatives
    LegacyWorksheet, // a BIFF2-4 worksheet stored without container
    // A damaged or unsupported compound file.
    UnsupportedSectorSize,
    CorruptHeader,
    CorruptAllocationTable,
    CorruptChain, // FREESECT, a number outside the table, a cycle
    CorruptDirectory,
    StreamExceedsChain, // the stated size is larger than the chain holds
    TruncatedFile,      // a sector lies past the end of the file
    NoSuchEntry,
    // A compound file that holds no BIFF8 workbook we can read.
    NoWorkbookStream,
    Excel95Workbook,   // no longer given: Excel 5.0/95 workbooks are read
    EncryptedWorkbook, // FILEPASS in the globals, and the default password does not fit
    CorruptWorkbookStream,
    TruncatedWorkbookStream,
    NoWorksheet,
    // Added with the older formats and decryption.
    WrongPassword,          // the password given does not fit the FILEPASS record
    UnsupportedEncryption,  // a FILEPASS record of a kind this reader cannot decrypt
    EncryptedOfficeOpenXml, // an "EncryptedPackage" stream: an encrypted .xlsx
    UnknownCodePage,        // a CODEPAGE record names a code page without converter
    // Zip packages (.xlsx, .ods) and XML spreadsheets.
    CorruptZip,        // a damaged or inconsistent zip directory or entry
    UnsupportedZip,    // a compression method other than stored/deflated, encryption
    InflateLimit,      // a part inflates past the size or ratio caps
    CorruptXml,        // not well-formed XML, or a DOCTYPE
    XmlLimit,          // nesting, text length, grid or cell count past the caps
    NoSpreadsheetPart, // a zip or XML file that holds no workbook this reader knows
    BinaryWorkbook,    // .xlsb: Excel's binary package format
    // Delimited text (.csv, .txt, .tsv).
    TextNotDecodable, // bytes that are not valid in the text's encoding
    UnclosedQuote,    // a quoted field runs to the end of the text
    TextBeyondLimits, // too many bytes, records, fields or characters in a field
    // Added later; the names tell what was refused.
    EmptyFile,             // a file of 0 bytes
    NotSpreadsheetPackage, // a zip package holding a document other than a spreadsheet
    Cancelled,             // the caller ended the load through its progress callback
};

// What a zip package refused as NotSpreadsheetPackage holds instead, when its
// content types or its mimetype tell.
enum class PackageContent {
    Unknown, // a zip file of no office format, or one whose type is not known here
    WordDocument,
    Presentation,
    OtherOfficeOpenXml,
    OpenDocumentText,
    OpenDocumentPresentation,
    OpenDocumentDrawing,
    OtherOpenDocument,
};

struct ReadError {
    ReadErrorCode code = ReadErrorCode::None;
    std::string text;                                 // what was found against which limit
    std::optional<std::uint64_t> offset;              // byte offset where it was found
    std::optional<std::uint64_t> line = std::nullopt; // the line of a text where it was found
    PackageContent package = PackageContent::Unknown; // for NotSpreadsheetPackage

    explicit operator bool() const { return code != ReadErrorCode::None; }

    // "text (at byte N)", or the text alone when no offset helps.
    std::string describe() const;
};

// The code's name as this header spells it ("CorruptZip"), for tools and tables.
const char *codeName(ReadErrorCode code);

// What the package holds, in English for the error text ("a Word document (.docx)").
const char *packageContentName(PackageContent content);

} // namespace xls
