// Decodes a record's fields in order from its payload. A field that the
// payload does not hold in full is left as it was, and so is every field
// after it: a short record keeps the defaults of what it lacks.
#pragma once

#include "xls/common/ByteCursor.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace ZAreda {

class FieldReader {
public:
    explicit FieldReader(xls::ByteSpan data, std::size_t offset = 0) : cursor_(data) {
        complete_ = cursor_.seek(offset);
    }

    void read(std::uint8_t &field) {
        take(field, 1, [this] { return cursor_.u8(); });
    }
    void read(std::uint16_t &field) {
        take(field, 2, [this] { return cursor_.u16(); });
    }
    void read(std::uint32_t &field) {
        take(field, 4, [this] { return cursor_.u32(); });
    }
    void read(double &field) {
        take(field, 8, [this] { return cursor_.f64(); });
    }
    template <std::size_t N> void read(std::array<std::uint8_t, N> &field) {
        if (!reserve(N))
            return;
        const xls::ByteSpan bytes = cursor_.bytes(N);
        for (std::size_t i = 0; i < N; ++i)
            field[i] = bytes[i];
    }
    void skip(std::size_t n) {
        if (reserve(n))
            cursor_.skip(n);
    }

    // False once a field was missing.
    bool complete() const { return complete_; }
    std::size_t position() const { return cursor_.position(); }
    xls::ByteSpan rest() const { return complete_ ? cursor_.rest() : xls::ByteSpan{}; }

private:
    bool reserve(std::size_t n) {
        complete_ = complete_ && cursor_.has(n);
        return complete_;
    }
    template <typename T, typename Load> void take(T &field, std::size_t n, Load load) {
        if (reserve(n))
            field = load();
    }

    xls::ByteCursor cursor_;
    bool complete_ = true;
};

} // namespace ZAreda
