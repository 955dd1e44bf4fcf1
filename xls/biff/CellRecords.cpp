#include "xls/biff/CellRecords.h"

#include "xls/biff/ContinuedStringReader.h"

#include "xls/biff/FieldReader.h"

#include <algorithm>

namespace ZAreda::records {

namespace {

// Reads row, first and last column of a MULRK or MULBLANK and returns how many
// entries of `entrySize` bytes it has: the column range, cut to what the data holds.
std::size_t readRange(xls::ByteSpan data, std::size_t entrySize, std::uint16_t &row,
                      std::uint16_t &firstColumn, std::uint16_t &lastColumn) {
    FieldReader fields(data);
    fields.read(row);
    fields.read(firstColumn);
    if (data.size() < kMulFixedSize)
        return 0;
    lastColumn = xls::loadU16(data.data() + data.size() - sizeof(std::uint16_t));
    if (lastColumn < firstColumn)
        return 0;
    const std::size_t range = std::size_t{lastColumn} - firstColumn + 1;
    return std::min(range, (data.size() - kMulFixedSize) / entrySize);
}

} // namespace

template <typename Decode> std::uint32_t CellRecord::readCell(xls::ByteSpan from, Decode &&decode) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(row);
    fields.read(column);
    fields.read(xfIndex);
    decode(fields);
    return recordSize;
}

std::uint32_t Blank::Read(xls::ByteSpan from) {
    return readCell(from, [](FieldReader &) {});
}

std::uint32_t BoolErr::Read(xls::ByteSpan from) {
    return readCell(from, [this](FieldReader &fields) {
        fields.read(value);
        fields.read(errorFlag);
    });
}

std::uint32_t LabelSST::Read(xls::ByteSpan from) {
    return readCell(from, [this](FieldReader &fields) { fields.read(stringIndex); });
}

std::uint32_t Label::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(row);
    fields.read(column);
    fields.read(xfIndex);
    auto string = std::make_shared<XLUnicodeRichExtendedString>();
    ContinuedStringReader reader(payload.data(), payload.continueOffsets(), kCellFieldsSize);
    reader.read(*string, StringForm::Plain);
    text = std::move(string);
    return recordSize;
}

std::uint32_t Number::Read(xls::ByteSpan from) {
    return readCell(from, [this](FieldReader &fields) { fields.read(value); });
}

std::uint32_t RK::Read(xls::ByteSpan from) {
    return readCell(from, [this](FieldReader &fields) { fields.read(rk); });
}

std::uint32_t MulRK::Read(xls::ByteSpan from, std::vector<Entry> &entries) {
    return read(from, &entries);
}

std::uint32_t MulRK::Read(xls::ByteSpan from) {
    return read(from, nullptr);
}

std::uint32_t MulRK::read(xls::ByteSpan from, std::vector<Entry> *entries) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    const xls::ByteSpan data = payload.data();
    const std::size_t count = readRange(data, kMulRKEntrySize, row, firstColumn, lastColumn);
    entryCount = static_cast<std::uint32_t>(count);
    firstEntry = 0;
    if (!entries)
        return recordSize;
    firstEntry = static_cast<std::uint32_t>(entries->size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t *p = data.data() + kMulEntriesOffset + kMulRKEntrySize * i;
        entries->push_back({xls::loadU16(p), xls::loadU32(p + sizeof(std::uint16_t))});
    }
    return recordSize;
}

std::uint32_t MulBlank::Read(xls::ByteSpan from, std::vector<std::uint16_t> &xfIndexes) {
    return read(from, &xfIndexes);
}

std::uint32_t MulBlank::Read(xls::ByteSpan from) {
    return read(from, nullptr);
}

std::uint32_t MulBlank::read(xls::ByteSpan from, std::vector<std::uint16_t> *xfIndexes) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    const xls::ByteSpan data = payload.data();
    const std::size_t count = readRange(data, kMulBlankEntrySize, row, firstColumn, lastColumn);
    entryCount = static_cast<std::uint32_t>(count);
    firstEntry = 0;
    if (!xfIndexes)
        return recordSize;
    firstEntry = static_cast<std::uint32_t>(xfIndexes->size());
    for (std::size_t i = 0; i < count; ++i)
        xfIndexes->push_back(
            xls::loadU16(data.data() + kMulEntriesOffset + kMulBlankEntrySize * i));
    return recordSize;
}

} // namespace ZAreda::records
