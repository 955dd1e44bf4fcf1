// Eight bytes of text tested at once, as one 64-bit word: the walks over
// UTF-8 spend most of their time in runs of ASCII letters between the few
// bytes they look for.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace xls {

inline constexpr std::uint64_t everyByte = 0x0101010101010101u;
inline constexpr std::uint64_t highBits = 0x8080808080808080u;

inline std::uint64_t loadWord(const void *at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The high bit of the first zero byte of `word` is set, and possibly of the
// bytes after it, but of none before it.
constexpr std::uint64_t zeroBytes(std::uint64_t word) {
    return (word - everyByte) & ~word & highBits;
}

constexpr std::uint64_t bytesEqualTo(std::uint64_t word, std::uint8_t byte) {
    return zeroBytes(word ^ (everyByte * byte));
}

// The high bit of every byte that is NUL or not ASCII (correct up to the
// first such byte).
constexpr std::uint64_t bytesOutsideAscii(std::uint64_t word) {
    return ((word - everyByte) | word) & highBits;
}

// The index, in memory order, of the first byte whose high bit `marks` sets;
// 8 when it sets none.
inline std::size_t firstMarkedByte(std::uint64_t marks) {
    if (marks == 0)
        return 8;
    if constexpr (std::endian::native == std::endian::little)
        return std::size_t(std::countr_zero(marks)) / 8;
    else
        return std::size_t(std::countl_zero(marks)) / 8;
}

// How many bytes of `text` are ASCII before the first that is not.
inline std::size_t asciiPrefix(std::string_view text) {
    std::size_t i = 0;
    for (; 8 <= text.size() - i; i += 8)
        if (const std::uint64_t high = loadWord(text.data() + i) & highBits)
            return i + firstMarkedByte(high);
    while (i < text.size() && std::uint8_t(text[i]) < 0x80)
        ++i;
    return i;
}

// How many bytes of `text` come before its first NUL.
inline std::size_t lengthBeforeNul(std::string_view text) {
    std::size_t i = 0;
    for (; 8 <= text.size() - i; i += 8)
        if (const std::uint64_t zero = zeroBytes(loadWord(text.data() + i)))
            return i + firstMarkedByte(zero);
    while (i < text.size() && text[i] != '\0')
        ++i;
    return i;
}

} // namespace xls
