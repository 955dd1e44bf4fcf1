// Builds BIFF8 record streams in memory for tests, benchmarks and fuzzer
// seeds: records field by field, CONTINUE splits where a test wants them, and
// shared string tables split the way Excel splits them. Standard C++ only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testwriters {

using ByteVector = std::vector<std::uint8_t>;

// The payload of one record, little-endian, built field by field.
class Bytes {
public:
    Bytes() = default;
    Bytes(std::initializer_list<std::uint8_t> bytes) : data_(bytes) {}

    Bytes &u8(std::uint8_t value);
    Bytes &u16(std::uint16_t value);
    Bytes &u32(std::uint32_t value);
    Bytes &f64(double value);
    Bytes &raw(const ByteVector &bytes);
    // Characters as 8-bit bytes (each unit must be at most 0xFF) or as 16-bit units.
    Bytes &narrow(std::u16string_view text);
    Bytes &wide(std::u16string_view text);

    const ByteVector &data() const { return data_; }
    std::size_t size() const { return data_.size(); }
    operator const ByteVector &() const { return data_; }

private:
    ByteVector data_;
};

// One string of a shared string table as a writer would store it.
struct SstString {
    std::u16string text;
    bool wide = false;          // 16-bit characters
    std::uint16_t runCount = 0; // formatting runs written after the characters
    std::uint32_t phoneticSize = 0;
};

// The most payload bytes one record carries before a CONTINUE takes over.
inline constexpr std::size_t kMaxRecordData = 8224;

class BiffWriter {
public:
    // A record whose payload is written as given (no split).
    BiffWriter &record(std::uint16_t code, const ByteVector &payload);
    // A CONTINUE record carrying the next piece of the record before it.
    BiffWriter &continued(const ByteVector &piece);
    // A record whose payload is split into CONTINUE records at the given
    // payload offsets (ascending, each at most the payload size).
    BiffWriter &split(std::uint16_t code, const ByteVector &payload,
                      const std::vector<std::size_t> &cuts);
    // Bytes as they are, for damaged headers and the like.
    BiffWriter &raw(const ByteVector &bytes);

    BiffWriter &bof(std::uint16_t substreamType, std::uint16_t version = 0x0600);
    BiffWriter &eof();
    BiffWriter &boundSheet(std::uint32_t position, std::string_view name);
    BiffWriter &dimensions(std::uint32_t firstRow, std::uint32_t lastRowPlus1,
                           std::uint16_t firstColumn, std::uint16_t lastColumnPlus1);
    BiffWriter &row(std::uint16_t row, std::uint16_t firstColumn, std::uint16_t lastColumnPlus1);
    BiffWriter &dbCell(std::uint32_t firstRowOffset,
                       const std::vector<std::uint16_t> &offsets = {});
    BiffWriter &blank(std::uint16_t row, std::uint16_t column, std::uint16_t xf = 15);
    BiffWriter &boolErr(std::uint16_t row, std::uint16_t column, std::uint8_t value, bool isError,
                        std::uint16_t xf = 15);
    BiffWriter &labelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index,
                         std::uint16_t xf = 15);
    BiffWriter &number(std::uint16_t row, std::uint16_t column, double value,
                       std::uint16_t xf = 15);
    BiffWriter &rk(std::uint16_t row, std::uint16_t column, std::uint32_t rk,
                   std::uint16_t xf = 15);
    BiffWriter &mulRk(std::uint16_t row, std::uint16_t firstColumn,
                      const std::vector<std::uint32_t> &rks, std::uint16_t xf = 15);
    BiffWriter &mulBlank(std::uint16_t row, std::uint16_t firstColumn, std::uint16_t lastColumn,
                         std::uint16_t xf = 15);
    // A FORMULA with the eight result bytes given and a two-byte token block.
    BiffWriter &formula(std::uint16_t row, std::uint16_t column, const ByteVector &result,
                        std::uint16_t xf = 15);
    // A STRING record: u16 count, option byte, characters.
    BiffWriter &string(std::u16string_view text, bool wide);
    // An SST record with its CONTINUE records, split at `maxData` payload bytes
    // per record: a string header never straddles a boundary; characters that
    // go on in the next record start it with a fresh option byte; runs and
    // phonetic bytes go on without one.
    BiffWriter &sst(const std::vector<SstString> &strings, std::size_t maxData = kMaxRecordData);

    const ByteVector &bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

private:
    ByteVector bytes_;
};

// RK values: an integer with the integer flag, or the high 32 bits of a double.
std::uint32_t rkFromInteger(std::int32_t value, bool dividedBy100 = false);
std::uint32_t rkFromDouble(double value, bool dividedBy100 = false);

// FORMULA result bytes: a number, or a kind (0 string, 1 Boolean, 2 error,
// 3 empty string) with its value byte.
ByteVector formulaNumber(double value);
ByteVector formulaSpecial(std::uint8_t kind, std::uint8_t value = 0);

} // namespace testwriters
