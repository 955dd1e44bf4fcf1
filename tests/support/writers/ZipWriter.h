// Builds zip packages in memory for tests, benchmarks and fuzzer seeds, with
// the offsets of their headers so a test can damage one field at a time.
// Standard C++ and zlib only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testwriters {

struct ZipPart {
    std::string name;
    std::string data;
    bool deflate = true;
};

struct ZipImage {
    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> localHeaders;   // offset of each entry's local header
    std::vector<std::size_t> centralHeaders; // offset of each entry's central header
    std::size_t endRecord = 0;

    void putU16(std::size_t offset, std::uint16_t value);
    void putU32(std::size_t offset, std::uint32_t value);
};

// Entries in the given order; `zip64` adds the ZIP64 end record and locator
// with all-ones markers in the classic end record.
ZipImage writeZip(const std::vector<ZipPart> &parts, bool zip64 = false);

// Raw deflate of `data` (as zip entries hold it).
std::string deflateRaw(const std::string &data);
// Raw deflate of `count` spaces (whitespace an XML parser reads on), built without holding them.
std::string deflateSpaces(std::size_t count);

// A minimal .xlsx: package and workbook relationships, a workbook listing the
// sheets, one part per sheet body (the XML inside <worksheet>), and shared
// strings when given (the XML inside <sst>).
std::vector<ZipPart> xlsxParts(const std::vector<std::string> &sheetBodies,
                               const std::string &sharedStrings = {});
// A minimal .ods with this table body (the XML inside <table:table>).
std::vector<ZipPart> odsParts(const std::string &tableBody);
// The same as a flat .fods document.
std::string fodsDocument(const std::string &tableBody);

} // namespace testwriters
