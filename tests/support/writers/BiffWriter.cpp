#include "support/writers/BiffWriter.h"

#include <algorithm>
#include <cstring>

namespace testwriters {

namespace {

constexpr std::uint16_t kContinue = 0x003C;

void put(ByteVector &out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Splits an SST payload into record pieces the way Excel does.
class SstPieces {
public:
    explicit SstPieces(std::size_t maxData) : maxData_(maxData) { pieces_.emplace_back(); }

    std::size_t room() const { return maxData_ - pieces_.back().size(); }
    void startPiece() { pieces_.emplace_back(); }
    ByteVector &piece() { return pieces_.back(); }

    // Bytes that go on across boundaries without an option byte.
    void flowing(const ByteVector &bytes) {
        for (std::uint8_t b : bytes) {
            if (room() == 0)
                startPiece();
            piece().push_back(b);
        }
    }

    void characters(const SstString &s) {
        const std::size_t width = s.wide ? 2 : 1;
        std::size_t done = 0;
        while (done < s.text.size()) {
            if (room() < width) {
                startPiece();
                piece().push_back(s.wide ? 1 : 0);
            }
            const std::size_t n = std::min(s.text.size() - done, room() / width);
            Bytes chars;
            if (s.wide)
                chars.wide(s.text.substr(done, n));
            else
                chars.narrow(s.text.substr(done, n));
            piece().insert(piece().end(), chars.data().begin(), chars.data().end());
            done += n;
        }
    }

    const std::vector<ByteVector> &pieces() const { return pieces_; }

private:
    std::size_t maxData_;
    std::vector<ByteVector> pieces_;
};

} // namespace

Bytes &Bytes::u8(std::uint8_t value) {
    put(data_, value, 1);
    return *this;
}

Bytes &Bytes::u16(std::uint16_t value) {
    put(data_, value, 2);
    return *this;
}

Bytes &Bytes::u32(std::uint32_t value) {
    put(data_, value, 4);
    return *this;
}

Bytes &Bytes::f64(double value) {
    put(data_, bitsOf(value), 8);
    return *this;
}

Bytes &Bytes::raw(const ByteVector &bytes) {
    data_.insert(data_.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes &Bytes::narrow(std::u16string_view text) {
    for (char16_t c : text)
        put(data_, static_cast<std::uint8_t>(c), 1);
    return *this;
}

Bytes &Bytes::wide(std::u16string_view text) {
    for (char16_t c : text)
        put(data_, c, 2);
    return *this;
}

BiffWriter &BiffWriter::record(std::uint16_t code, const ByteVector &payload) {
    put(bytes_, code, 2);
    put(bytes_, payload.size(), 2);
    bytes_.insert(bytes_.end(), payload.begin(), payload.end());
    return *this;
}

BiffWriter &BiffWriter::continued(const ByteVector &piece) {
    return record(kContinue, piece);
}

BiffWriter &BiffWriter::split(std::uint16_t code, const ByteVector &payload,
                              const std::vector<std::size_t> &cuts) {
    std::size_t start = 0;
    bool first = true;
    for (std::size_t cut : cuts) {
        const ByteVector piece(payload.begin() + static_cast<std::ptrdiff_t>(start),
                               payload.begin() + static_cast<std::ptrdiff_t>(cut));
        first ? record(code, piece) : continued(piece);
        first = false;
        start = cut;
    }
    const ByteVector last(payload.begin() + static_cast<std::ptrdiff_t>(start), payload.end());
    return first ? record(code, last) : continued(last);
}

BiffWriter &BiffWriter::raw(const ByteVector &bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

BiffWriter &BiffWriter::bof(std::uint16_t substreamType, std::uint16_t version) {
    return record(
        0x0809,
        Bytes().u16(version).u16(substreamType).u16(6560).u16(1997).u32(0xC0C9).u32(0x0306));
}

BiffWriter &BiffWriter::eof() {
    return record(0x000A, {});
}

BiffWriter &BiffWriter::boundSheet(std::uint32_t position, std::string_view name) {
    Bytes payload;
    payload.u32(position).u8(0).u8(0).u8(static_cast<std::uint8_t>(name.size())).u8(0);
    for (char c : name)
        payload.u8(static_cast<std::uint8_t>(c));
    return record(0x0085, payload);
}

BiffWriter &BiffWriter::dimensions(std::uint32_t firstRow, std::uint32_t lastRowPlus1,
                                   std::uint16_t firstColumn, std::uint16_t lastColumnPlus1) {
    return record(
        0x0200,
        Bytes().u32(firstRow).u32(lastRowPlus1).u16(firstColumn).u16(lastColumnPlus1).u16(0));
}

BiffWriter &BiffWriter::row(std::uint16_t row, std::uint16_t firstColumn,
                            std::uint16_t lastColumnPlus1) {
    return record(0x0208, Bytes()
                              .u16(row)
                              .u16(firstColumn)
                              .u16(lastColumnPlus1)
                              .u16(255)
                              .u16(0)
                              .u16(0)
                              .u32(0x000F0100));
}

BiffWriter &BiffWriter::dbCell(std::uint32_t firstRowOffset,
                               const std::vector<std::uint16_t> &offsets) {
    Bytes payload;
    payload.u32(firstRowOffset);
    for (std::uint16_t offset : offsets)
        payload.u16(offset);
    return record(0x00D7, payload);
}

BiffWriter &BiffWriter::blank(std::uint16_t row, std::uint16_t column, std::uint16_t xf) {
    return record(0x0201, Bytes().u16(row).u16(column).u16(xf));
}

BiffWriter &BiffWriter::boolErr(std::uint16_t row, std::uint16_t column, std::uint8_t value,
                                bool isError, std::uint16_t xf) {
    return record(0x0205, Bytes().u16(row).u16(column).u16(xf).u8(value).u8(isError ? 1 : 0));
}

BiffWriter &BiffWriter::labelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index,
                                 std::uint16_t xf) {
    return record(0x00FD, Bytes().u16(row).u16(column).u16(xf).u32(index));
}

BiffWriter &BiffWriter::number(std::uint16_t row, std::uint16_t column, double value,
                               std::uint16_t xf) {
    return record(0x0203, Bytes().u16(row).u16(column).u16(xf).f64(value));
}

BiffWriter &BiffWriter::rk(std::uint16_t row, std::uint16_t column, std::uint32_t rk,
                           std::uint16_t xf) {
    return record(0x027E, Bytes().u16(row).u16(column).u16(xf).u32(rk));
}

BiffWriter &BiffWriter::mulRk(std::uint16_t row, std::uint16_t firstColumn,
                              const std::vector<std::uint32_t> &rks, std::uint16_t xf) {
    Bytes payload;
    payload.u16(row).u16(firstColumn);
    for (std::uint32_t value : rks)
        payload.u16(xf).u32(value);
    payload.u16(static_cast<std::uint16_t>(firstColumn + rks.size() - 1));
    return record(0x00BD, payload);
}

BiffWriter &BiffWriter::mulBlank(std::uint16_t row, std::uint16_t firstColumn,
                                 std::uint16_t lastColumn, std::uint16_t xf) {
    Bytes payload;
    payload.u16(row).u16(firstColumn);
    for (std::uint32_t c = firstColumn; c <= lastColumn; ++c)
        payload.u16(xf);
    payload.u16(lastColumn);
    return record(0x00BE, payload);
}

BiffWriter &BiffWriter::formula(std::uint16_t row, std::uint16_t column, const ByteVector &result,
                                std::uint16_t xf) {
    // options, the 4-byte reserved field, a token block of one tInt 1.
    return record(0x0006, Bytes().u16(row).u16(column).u16(xf).raw(result).u16(0).u32(0).u16(3).raw(
                              {0x1E, 0x01, 0x00}));
}

BiffWriter &BiffWriter::string(std::u16string_view text, bool wide) {
    Bytes payload;
    payload.u16(static_cast<std::uint16_t>(text.size())).u8(wide ? 1 : 0);
    wide ? payload.wide(text) : payload.narrow(text);
    return record(0x0207, payload);
}

BiffWriter &BiffWriter::sst(const std::vector<SstString> &strings, std::size_t maxData) {
    SstPieces pieces(maxData);
    pieces.flowing(Bytes()
                       .u32(static_cast<std::uint32_t>(strings.size()))
                       .u32(static_cast<std::uint32_t>(strings.size())));
    for (const SstString &s : strings) {
        Bytes header;
        const std::uint8_t flags = static_cast<std::uint8_t>(
            (s.wide ? 0x01 : 0) | (s.phoneticSize ? 0x04 : 0) | (s.runCount ? 0x08 : 0));
        header.u16(static_cast<std::uint16_t>(s.text.size())).u8(flags);
        if (s.runCount)
            header.u16(s.runCount);
        if (s.phoneticSize)
            header.u32(s.phoneticSize);
        // The header and at least one character stay together.
        const std::size_t firstChar = s.text.empty() ? 0 : (s.wide ? 2 : 1);
        if (pieces.room() < header.size() + firstChar)
            pieces.startPiece();
        pieces.flowing(header);
        pieces.characters(s);
        pieces.flowing(ByteVector(4 * std::size_t{s.runCount}, 0x00));
        pieces.flowing(ByteVector(s.phoneticSize, 0xEE));
    }
    for (std::size_t i = 0; i < pieces.pieces().size(); ++i)
        i == 0 ? record(0x00FC, pieces.pieces()[i]) : continued(pieces.pieces()[i]);
    return *this;
}

std::uint32_t rkFromInteger(std::int32_t value, bool dividedBy100) {
    return (static_cast<std::uint32_t>(value) << 2) | 0x02 | (dividedBy100 ? 0x01 : 0);
}

std::uint32_t rkFromDouble(double value, bool dividedBy100) {
    return (static_cast<std::uint32_t>(bitsOf(value) >> 32) & ~0x03u) | (dividedBy100 ? 0x01 : 0);
}

ByteVector formulaNumber(double value) {
    return Bytes().f64(value);
}

ByteVector formulaSpecial(std::uint8_t kind, std::uint8_t value) {
    return Bytes().u8(kind).u8(0).u8(value).u8(0).u8(0).u8(0).u16(0xFFFF);
}

} // namespace testwriters
