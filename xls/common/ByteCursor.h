#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace xls {

using ByteSpan = std::span<const std::uint8_t>;

// The bytes of a text, as the readers take them.
inline ByteSpan bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t *>(text.data()), text.size()};
}

// Little-endian decoding of a value whose bytes are known to be present.
inline std::uint16_t loadU16(const std::uint8_t *p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t loadU32(const std::uint8_t *p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t loadU64(const std::uint8_t *p) {
    return static_cast<std::uint64_t>(loadU32(p)) |
           (static_cast<std::uint64_t>(loadU32(p + 4)) << 32);
}
inline double loadF64(const std::uint8_t *p) {
    const std::uint64_t bits = loadU64(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The one way the reader looks at untrusted bytes: a bounded cursor. A read
// that would pass the end reads nothing, returns zero (or an empty span) and
// leaves the cursor failed for good, so a caller may check ok() once after a
// run of reads instead of after each one.
class ByteCursor {
public:
    ByteCursor() = default;
    explicit ByteCursor(ByteSpan bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool has(std::size_t n) const { return n <= remaining(); }
    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    // Moves to an absolute position; fails when it lies past the end.
    bool seek(std::size_t position) {
        if (position > bytes_.size())
            return fail();
        pos_ = position;
        return true;
    }
    bool skip(std::size_t n) {
        if (!has(n))
            return fail();
        pos_ += n;
        return true;
    }

    std::uint8_t u8() { return has(1) ? bytes_[pos_++] : (fail(), 0); }
    std::uint16_t u16() { return take<std::uint16_t, 2>(loadU16); }
    std::uint32_t u32() { return take<std::uint32_t, 4>(loadU32); }
    std::uint64_t u64() { return take<std::uint64_t, 8>(loadU64); }
    double f64() { return take<double, 8>(loadF64); }

    ByteSpan bytes(std::size_t n) {
        if (!has(n)) {
            fail();
            return {};
        }
        ByteSpan out = bytes_.subspan(pos_, n);
        pos_ += n;
        return out;
    }
    ByteSpan rest() const { return bytes_.subspan(pos_); }

    // Looks ahead without moving and without failing the cursor.
    bool peekU16(std::uint16_t &out, std::size_t ahead = 0) const {
        if (ahead > remaining() || 2 > remaining() - ahead)
            return false;
        out = loadU16(bytes_.data() + pos_ + ahead);
        return true;
    }

private:
    bool fail() {
        ok_ = false;
        return false;
    }
    template <typename T, std::size_t N, typename Load> T take(Load load) {
        if (!has(N)) {
            fail();
            return T{};
        }
        const T value = load(bytes_.data() + pos_);
        pos_ += N;
        return value;
    }

    ByteSpan bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace xls
