// The cell records a row block holds, apart from FORMULA (Formula.h): BLANK,
// BOOLERR, LABELSST, NUMBER, RK, MULRK and MULBLANK ([MS-XLS] 2.4). They are
// known by their nested names, Worksheet::CellTable::RowBlock::CellBlock::RK
// and so on. Cell records keep their decoded fields only, not their payload:
// a sheet may hold hundreds of thousands of them.
#pragma once

#include "xls/biff/Record.h"
#include "xls/biff/XLUnicodeRichExtendedString.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ZAreda::records {

// The three fields every single-cell record starts with.
class CellRecord : public Record {
public:
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    std::uint16_t xfIndex = 0;

protected:
    CellRecord(std::uint16_t recordCode, std::uint32_t defaultDataSize)
        : Record(recordCode, defaultDataSize) {}
    // Frames the record, reads the three fields and returns the rest of the payload.
    template <typename Decode> std::uint32_t readCell(xls::ByteSpan from, Decode &&decode);
};

class Blank : public CellRecord {
public:
    Blank() : CellRecord(RecordCode::Blank, 6) {}
    std::uint32_t Read(xls::ByteSpan from) override;
};

class BoolErr : public CellRecord {
public:
    BoolErr() : CellRecord(RecordCode::BoolErr, 8) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    bool isError() const { return errorFlag != 0; }

    std::uint8_t value = 0;     // the Boolean (0 or 1) or the error code
    std::uint8_t errorFlag = 0; // 0: value is a Boolean; 1: an error code
};

class LabelSST : public CellRecord {
public:
    LabelSST() : CellRecord(RecordCode::LabelSST, 10) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint32_t stringIndex = 0; // into the shared string table's strings
};

// LABEL and RSTRING: a text cell that carries its text itself instead of
// pointing into the shared string table. Excel writes LABELSST, but other
// writers still write these in BIFF8 files. RSTRING adds formatting runs
// after the text, which are not kept. The text is shared between copies.
class Label : public CellRecord {
public:
    Label() : CellRecord(RecordCode::Label, kCellFieldsSize + kMinStringSize) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::shared_ptr<const XLUnicodeRichExtendedString> text;
};

class Number : public CellRecord {
public:
    Number() : CellRecord(RecordCode::Number, 14) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    double value = 0.0;
};

class RK : public CellRecord {
public:
    RK() : CellRecord(RecordCode::RK, 10) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint32_t rk = 0; // undecoded: rkIsInteger, rkToInteger, rkToDouble
};

// MULRK: RK cells of one row from firstColumn on. Its (XF index, RK value)
// entries are kept by the owning row block in one vector for all its MULRK
// records (RowBlock::entries), so that a record costs no allocation of its
// own; the record knows where its entries start and how many there are.
// There are lastColumn - firstColumn + 1 entries, or fewer when the record's
// data holds fewer; none when lastColumn is below firstColumn.
class MulRK : public Record {
public:
    struct Entry {
        std::uint16_t xfIndex = 0;
        std::uint32_t rk = 0;
    };

    MulRK() : Record(RecordCode::MulRK, 10) {}
    // Reads the record and appends its entries to `entries`.
    std::uint32_t Read(xls::ByteSpan from, std::vector<Entry> &entries);
    // Reads the record's fields and counts its entries without keeping them.
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t row = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumn = 0;
    std::uint32_t firstEntry = 0; // index of entry 0 in the row block's vector
    std::uint32_t entryCount = 0; // entry i belongs to column firstColumn + i

private:
    std::uint32_t read(xls::ByteSpan from, std::vector<Entry> *entries);
};

// MULBLANK: blank cells of one row; its XF indexes are kept like MULRK entries
// (RowBlock::xfIndexes).
class MulBlank : public Record {
public:
    MulBlank() : Record(RecordCode::MulBlank, 10) {}
    std::uint32_t Read(xls::ByteSpan from, std::vector<std::uint16_t> &xfIndexes);
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t row = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumn = 0;
    std::uint32_t firstEntry = 0;
    std::uint32_t entryCount = 0;

private:
    std::uint32_t read(xls::ByteSpan from, std::vector<std::uint16_t> *xfIndexes);
};

} // namespace ZAreda::records
