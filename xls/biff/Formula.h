// FORMULA ([MS-XLS] 2.4.127) and the records a formula takes with it: a
// SHRFMLA, ARRAY or TABLE that may follow it, and the STRING record that
// carries a string result.
#pragma once

#include "xls/biff/CellRecords.h"
#include "xls/biff/XLUnicodeRichExtendedString.h"

#include <array>
#include <cstdint>
#include <memory>

namespace ZAreda::records {

// A formula cell. The formula's tokens are not kept (nothing evaluates them),
// only their size; the cached result is, with its decoding. The companion
// records live behind a pointer that is allocated only for a formula that
// has any, so a plain formula costs no allocation.
class Formula : public CellRecord {
public:
    class RangeRecord;
    class Array;
    class Table;
    class ShrFmla;
    class ShrFmla1;
    class String;

    // What the cached result holds ([MS-XLS] 2.5.133 FormulaValue).
    enum class ResultKind {
        Number,      // resultDouble()
        String,      // the text is in string(), when a STRING record followed
        Boolean,     // resultBool()
        Error,       // resultError(): the BErr code, for example 0x07 for #DIV/0!
        EmptyString, // an empty text; no STRING record follows
        Unknown,     // a kind byte [MS-XLS] does not define
    };

    Formula();
    Formula(const Formula &other);
    Formula(Formula &&) noexcept;
    Formula &operator=(const Formula &other);
    Formula &operator=(Formula &&) noexcept;
    ~Formula() override;

    // Reads the FORMULA record, then a SHRFMLA, SHRFMLA1, ARRAY or TABLE right
    // after it, then a STRING record; returns the bytes of all of them.
    std::uint32_t Read(xls::ByteSpan from) override;
    // The FORMULA record's stream size plus those of the records it took with it.
    std::uint32_t RecordSize() const override;

    ResultKind resultKind() const;
    double resultDouble() const;
    bool resultBool() const;
    std::uint8_t resultError() const;

    // The companion named by followingCode, or null.
    const Array *array() const;
    const Table *table() const;
    const ShrFmla *shrFmla() const;
    const ShrFmla1 *shrFmla1() const;
    // The STRING record that followed, or null.
    const String *string() const;

    std::array<std::uint8_t, kFormulaResultSize> result{}; // raw cached result
    std::uint16_t optionFlags = 0;
    std::uint16_t reserved = 0;
    std::uint32_t formulaBlockSize = 0;          // bytes after offset 18; not kept
    std::uint16_t followingCode = kNoRecordCode; // SHRFMLA, SHRFMLA1, ARRAY or TABLE

private:
    struct Companions;
    Companions &companions();
    const Record *companion() const;

    std::unique_ptr<Companions> companions_;
};

// The companions that begin with the cell range they apply to ([MS-XLS] Ref8U
// in ARRAY, SHRFMLA and TABLE): first and last row, first and last column.
class Formula::RangeRecord : public Record {
public:
    std::uint16_t firstRow = 0;
    std::uint16_t lastRow = 0;
    std::uint8_t firstColumn = 0;
    std::uint8_t lastColumn = 0;

protected:
    RangeRecord(std::uint16_t recordCode, std::uint32_t defaultDataSize)
        : Record(recordCode, defaultDataSize) {}
    // Frames the record, reads the range and hands the reader on for the rest.
    template <typename Decode> std::uint32_t readRange(xls::ByteSpan from, Decode &&decode);
};

// The formula of a range of cells entered as an array.
class Formula::Array : public Formula::RangeRecord {
public:
    Array() : RangeRecord(RecordCode::Array, 12) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t optionFlags = 0;
    std::uint32_t reserved = 0;
    std::uint32_t formulaBlockSize = 0; // bytes after offset 12; not kept
};

// A data table's inputs.
class Formula::Table : public Formula::RangeRecord {
public:
    Table() : RangeRecord(RecordCode::Table, 16) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t optionFlags = 0;
    std::uint16_t inputRow1 = 0;
    std::uint16_t inputColumn1 = 0;
    std::uint16_t inputRow2 = 0;
    std::uint16_t inputColumn2 = 0;
};

// A formula shared by a range of cells.
class Formula::ShrFmla : public Formula::RangeRecord {
public:
    ShrFmla() : RangeRecord(RecordCode::ShrFmla, 8) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t reservedAndCellCount = 0; // reserved byte and the number of cells using it
    std::uint32_t formulaBlockSize = 0;     // bytes after offset 8; not kept

protected:
    explicit ShrFmla(std::uint16_t recordCode) : RangeRecord(recordCode, 8) {}
};

// The same layout under the code 0x04BC.
class Formula::ShrFmla1 : public Formula::ShrFmla {
public:
    ShrFmla1() : ShrFmla(RecordCode::ShrFmla1) {}
};

// STRING: the string result of the formula before it, an XLUnicodeString
// whose characters may go on in CONTINUE records, each with its own option
// byte. The text is kept like a shared string's.
class Formula::String : public Record {
public:
    String() : Record(RecordCode::String, 0) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    XLUnicodeRichExtendedString text;
};

} // namespace ZAreda::records
