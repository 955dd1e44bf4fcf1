#include "xls/biff/CellBlock.h"

#include "xls/biff/RowBlock.h"

namespace ZAreda::records {

bool CellBlock::isCellCode(std::uint16_t code) {
    switch (code) {
    case RecordCode::Formula:
    case RecordCode::Formula3:
    case RecordCode::Formula4:
    case RecordCode::MulRK:
    case RecordCode::MulBlank:
    case RecordCode::LabelSST:
    case RecordCode::Blank:
    case RecordCode::Number:
    case RecordCode::BoolErr:
    case RecordCode::RK:
    case RecordCode::Label:
    case RecordCode::RString:
        return true;
    default:
        return false;
    }
}

template <typename T> std::uint32_t CellBlock::readAs(xls::ByteSpan from) {
    return held_.emplace<T>().Read(from);
}

std::uint32_t CellBlock::Read(xls::ByteSpan from, RowBlock &block) {
    if (!hasRecordHeader(from, 0))
        return 0;
    type = recordCodeAt(from, 0);
    switch (type) {
    case RecordCode::Blank:
        return readAs<Blank>(from);
    case RecordCode::BoolErr:
        return readAs<BoolErr>(from);
    case RecordCode::LabelSST:
        return readAs<LabelSST>(from);
    case RecordCode::MulBlank:
        return held_.emplace<MulBlank>().Read(from, block.mulBlankXFIndexes);
    case RecordCode::MulRK:
        return held_.emplace<MulRK>().Read(from, block.mulRKEntries);
    case RecordCode::Number:
        return readAs<Number>(from);
    case RecordCode::RK:
        return readAs<RK>(from);
    case RecordCode::Formula:
    case RecordCode::Formula3:
    case RecordCode::Formula4:
        return readAs<Formula>(from);
    case RecordCode::Label:
    case RecordCode::RString:
        return readAs<Label>(from);
    default:
        held_.emplace<std::monostate>();
        return 0;
    }
}

std::uint16_t CellBlock::row() const {
    return std::visit(
        [](const auto &record) -> std::uint16_t {
            if constexpr (std::is_same_v<std::decay_t<decltype(record)>, std::monostate>)
                return 0;
            else
                return record.row;
        },
        held_);
}

std::uint16_t CellBlock::column() const {
    return std::visit(
        [](const auto &record) -> std::uint16_t {
            using T = std::decay_t<decltype(record)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return 0;
            else if constexpr (std::is_same_v<T, MulRK> || std::is_same_v<T, MulBlank>)
                return record.firstColumn;
            else
                return record.column;
        },
        held_);
}

} // namespace ZAreda::records
