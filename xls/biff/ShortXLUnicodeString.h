// The short BIFF8 string form ([MS-XLS] 2.5.240): u8 character count, option
// byte, characters. Sheet names and font names use it.
#pragma once

#include "xls/common/ByteCursor.h"

#include <cstdint>
#include <string>

namespace ZAreda {

class ShortXLUnicodeString {
public:
    ShortXLUnicodeString() = default;
    static ShortXLUnicodeString narrow(std::string text);
    static ShortXLUnicodeString wide(std::u16string text);

    // Replaces the text with the string at the start of `from`; returns the
    // bytes consumed, no more than `from` holds.
    std::uint32_t parse(xls::ByteSpan from);

    // Any non-zero option byte means 16-bit characters, not only bit 0.
    bool isWide() const { return optionFlags != 0; }

    std::u16string wideText; // the text when isWide()
    std::string narrowText;  // the text otherwise: 8-bit characters, the low byte of each code unit
    std::uint8_t optionFlags = 0;
};

} // namespace ZAreda
