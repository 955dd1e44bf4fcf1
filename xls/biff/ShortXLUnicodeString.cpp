#include "xls/biff/ShortXLUnicodeString.h"

#include <algorithm>

namespace ZAreda {

namespace {
constexpr std::size_t kShortHeaderSize = 2; // count byte, option byte
}

ShortXLUnicodeString ShortXLUnicodeString::narrow(std::string text) {
    ShortXLUnicodeString s;
    s.narrowText = std::move(text);
    return s;
}

ShortXLUnicodeString ShortXLUnicodeString::wide(std::u16string text) {
    ShortXLUnicodeString s;
    s.wideText = std::move(text);
    s.optionFlags = 1;
    return s;
}

std::uint32_t ShortXLUnicodeString::parse(xls::ByteSpan from) {
    wideText.clear();
    narrowText.clear();
    optionFlags = 0;
    if (from.size() < kShortHeaderSize)
        return static_cast<std::uint32_t>(from.size());
    const std::size_t count = from[0];
    optionFlags = from[1];
    const xls::ByteSpan characters = from.subspan(kShortHeaderSize);
    if (isWide()) {
        const std::size_t units = std::min(count, characters.size() / 2);
        wideText.resize(units);
        for (std::size_t i = 0; i < units; ++i)
            wideText[i] = static_cast<char16_t>(xls::loadU16(characters.data() + 2 * i));
        return static_cast<std::uint32_t>(kShortHeaderSize + 2 * units);
    }
    const std::size_t bytes = std::min(count, characters.size());
    narrowText.assign(characters.begin(), characters.begin() + static_cast<std::ptrdiff_t>(bytes));
    return static_cast<std::uint32_t>(kShortHeaderSize + bytes);
}

} // namespace ZAreda
