#include "xls/biff/Workbook.h"

namespace ZAreda {

namespace {

template <typename T> std::uint32_t appendAndRead(std::vector<T> &records, xls::ByteSpan from) {
    return records.emplace_back().Read(from);
}

} // namespace

std::uint32_t Workbook::Read(xls::ByteSpan from) {
    from = addressable(from);
    std::size_t pos = 0;
    while (hasRecordHeader(from, pos)) {
        if (recordCodeAt(from, pos) == RecordCode::Eof)
            return static_cast<std::uint32_t>(pos + eof.RecordSize());
        pos += readRecord(from.subspan(pos));
    }
    truncated = true;
    return static_cast<std::uint32_t>(from.size());
}

std::uint32_t Workbook::readRecord(xls::ByteSpan from) {
    switch (recordCodeAt(from, 0)) {
    case RecordCode::BOF:
        return bof.Read(from);
    case RecordCode::Font:
        return appendAndRead(fonts, from);
    case RecordCode::Window1:
        return window1.Read(from);
    case RecordCode::BoundSheet:
        return appendAndRead(boundSheets, from);
    case RecordCode::XF:
        return appendAndRead(XFs, from);
    case RecordCode::SST:
        return sst.Read(from);
    case RecordCode::Style:
        return appendAndRead(styles, from);
    case RecordCode::FilePass:
        filePass = true;
        return Record().Read(from);
    default:
        return Record().Read(from);
    }
}

} // namespace ZAreda
