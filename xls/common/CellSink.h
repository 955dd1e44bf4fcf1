// Where a reader puts what it finds in a sheet. Every format's reader writes
// through this one seam and never sees the model that holds the cells.
#pragma once

#include "xls/common/ReadError.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace xls {

// The cells of one sheet, addressed by 0-based row and column. A setter
// returns false when the position lies outside the limits; the cell is then
// not kept.
class CellSink {
public:
    virtual ~CellSink() = default;

    // The largest grid the format allows.
    virtual void setLimits(std::uint32_t rows, std::uint32_t columns) = 0;
    // The size the file announces (a DIMENSIONS record): the sheet is at
    // least this large, clamped to the limits, whatever cells follow.
    virtual void announceSize(std::uint32_t rows, std::uint32_t columns) = 0;

    // A cell record without a value (a formula whose result is an error):
    // the sheet reaches to it, but it holds nothing.
    virtual bool reach(std::uint32_t row, std::uint32_t column) = 0;
    virtual bool setInteger(std::uint32_t row, std::uint32_t column, std::int32_t value) = 0;
    virtual bool setDouble(std::uint32_t row, std::uint32_t column, double value) = 0;
    // Text of single-byte characters (Latin-1), and of UTF-16 units.
    virtual bool setText(std::uint32_t row, std::uint32_t column, std::string_view text) = 0;
    virtual bool setText(std::uint32_t row, std::uint32_t column, std::u16string_view text) = 0;
    // A text held once and read by every cell that uses it (a shared string,
    // a repeated cell).
    virtual bool setSharedText(std::uint32_t row, std::uint32_t column,
                               std::shared_ptr<const std::u16string> text) = 0;

    // The cells kept so far, for the caps a reader counts against.
    virtual std::uint64_t storedCells() const = 0;

    // A large sheet may be read in parts at once, each on a thread of its
    // own: a sink for a later part's cells, with this sink's limits, or null
    // where this sink takes no such part (the reader then reads the sheet in
    // one).
    virtual std::unique_ptr<CellSink> laterPart() { return nullptr; }
    // Adds the cells of a part laterPart() made, as though written after this
    // sink's own: a later cell replaces one at the same place. They are
    // joined in the order they lie in the sheet.
    virtual void joinLaterPart(std::unique_ptr<CellSink> part) { (void)part; }

    // How far the reader has come through what it reads the sheet from
    // (bytes, or rows of a known count); false when the load is to end, which
    // the reader then does as soon as it can. Cheap enough to call per record.
    virtual bool advance(std::uint64_t done, std::uint64_t total) {
        (void)done, (void)total;
        return true;
    }
};

// The sheets of a workbook, for readers that find several.
class WorkbookSink {
public:
    virtual ~WorkbookSink() = default;
    // A new, empty sheet after the ones added before.
    virtual CellSink &addSheet() = 0;
};

// Tells the sink how far the reader has come; false, with `error` set to
// Cancelled, when the load is to end.
bool keepReading(CellSink &sink, std::uint64_t done, std::uint64_t total, ReadError &error);

// A decoded text: as single bytes when every unit is Latin-1, as UTF-16
// otherwise. It ends at its first NUL, as the cells' readers stop there; a
// text that is empty then is no cell.
bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::u16string_view text);
// The same for a text of Latin-1 bytes.
bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::string_view latin1);

} // namespace xls
