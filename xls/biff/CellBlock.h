// One cell record of a row block. The record is held by value in a variant,
// so a cell costs one CellBlock and no allocation (a formula with companion
// records aside).
#pragma once

#include "xls/biff/CellRecords.h"
#include "xls/biff/Formula.h"

#include <cstdint>
#include <variant>

namespace ZAreda::records {

class RowBlock;

class CellBlock {
public:
    using Blank = records::Blank;
    using BoolErr = records::BoolErr;
    using Label = records::Label;
    using LabelSST = records::LabelSST;
    using MulBlank = records::MulBlank;
    using MulRK = records::MulRK;
    using Number = records::Number;
    using RK = records::RK;
    using Formula = records::Formula;
    using Held = std::variant<std::monostate, Blank, BoolErr, LabelSST, MulBlank, MulRK, Number, RK,
                              Formula, Label>;

    // True for the codes a CellBlock holds: the eight of Excel's own cell
    // records and LABEL and RSTRING, which other writers use.
    static bool isCellCode(std::uint16_t code);

    // Reads the cell record at the start of `from` and returns the bytes
    // consumed (a FORMULA's companion records included); MULRK entries and
    // MULBLANK XF indexes go to `block`'s vectors. Any other code sets `type`,
    // reads nothing and returns 0.
    std::uint32_t Read(xls::ByteSpan from, RowBlock &block);

    // The row and column of the held record (the first column of a MULRK or
    // MULBLANK); 0 when the block holds none.
    std::uint16_t row() const;
    std::uint16_t column() const;

    // The held record when it is of that kind, else null.
    const Blank *blank() const { return std::get_if<Blank>(&held_); }
    const BoolErr *boolErr() const { return std::get_if<BoolErr>(&held_); }
    const Label *label() const { return std::get_if<Label>(&held_); }
    const LabelSST *labelSST() const { return std::get_if<LabelSST>(&held_); }
    const MulBlank *mulBlank() const { return std::get_if<MulBlank>(&held_); }
    const MulRK *mulRK() const { return std::get_if<MulRK>(&held_); }
    const Number *number() const { return std::get_if<Number>(&held_); }
    const RK *rk() const { return std::get_if<RK>(&held_); }
    const Formula *formula() const { return std::get_if<Formula>(&held_); }
    const Held &held() const { return held_; }

    std::uint16_t type = kNoRecordCode; // the record code of the held record

private:
    template <typename T> std::uint32_t readAs(xls::ByteSpan from);

    Held held_;
};

} // namespace ZAreda::records
