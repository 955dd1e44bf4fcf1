#pragma once

#include "xls/common/CellSink.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace xls {

// The grid every XML sheet format may fill, and how many cells with a value
// it may hold: as many as an .xls sheet can.
constexpr std::uint32_t kXmlMaxRows = 1048576;
constexpr std::uint32_t kXmlMaxColumns = 16384;
constexpr std::uint64_t kXmlMaxCells = 16777216;
// Excel keeps at most this many characters in a cell.
constexpr std::size_t kMaxCellText = 32767;
// UTF-8 takes at most three bytes for each UTF-16 unit.
constexpr std::size_t kMaxCellTextBytes = 3 * kMaxCellText;

// Collects one text from the pieces expat hands over, refusing one longer
// than a cell may hold before it grows past that.
class TextCollector {
public:
    // `maxBytes`: the most UTF-8 bytes a text of kMaxCellText units may take
    // as the format writes it.
    explicit TextCollector(std::size_t maxBytes = kMaxCellTextBytes) : maxBytes(maxBytes) {}
    void clear() { utf8.clear(); }
    // False when the text grows past maxBytes.
    bool append(std::string_view piece);
    bool empty() const { return utf8.empty(); }
    const std::string &bytes() const { return utf8; }
    // As UTF-16; nullopt when longer than kMaxCellText units.
    std::optional<std::u16string> wide() const;

private:
    std::size_t maxBytes;
    std::string utf8;
};

std::u16string utf8ToUtf16(std::string_view utf8);

// A number as XML sheets write it ("1.5", "-2E3"); nullopt for anything else.
std::optional<double> parseXmlNumber(std::string_view text);
// An ISO 8601 date or date-time ("2024-03-01", "2024-03-01T12:30:00.5") as
// days since 1899-12-30 (Excel's 1900 date system) with the time as the day
// fraction; a time alone ("14:30:00", "T14:30") as the fraction alone;
// nullopt for a day the month does not have.
std::optional<double> parseIsoDate(std::string_view text);
// An ISO 8601 duration ("PT12H30M", "P1DT6H") or a bare clock time
// ("12:30:00") in days.
std::optional<double> parseIsoDuration(std::string_view text);

// Puts the values of one sheet into its cells, within the grid and
// cell-count caps. The first refusal is kept in error().
class SheetBuilder {
public:
    explicit SheetBuilder(CellSink &sheet);

    bool setNumber(std::uint32_t row, std::uint32_t column, double value);
    bool setBoolean(std::uint32_t row, std::uint32_t column, bool value);
    bool setText(std::uint32_t row, std::uint32_t column, std::shared_ptr<const std::u16string>);
    // Refuses a position past the grid; for readers that skip over empty cells.
    bool checkPosition(std::uint64_t row, std::uint64_t column);
    void setOffset(std::uint64_t offset) { offset_ = offset; }

    const ReadError &error() const { return error_; }
    std::uint64_t cellCount() const { return sheet.storedCells(); }

private:
    bool admits(std::uint32_t row, std::uint32_t column);

    CellSink &sheet;
    std::uint64_t offset_ = 0;
    ReadError error_;
};

ReadError textTooLong(std::uint64_t offset);

} // namespace xls
