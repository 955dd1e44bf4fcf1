// The long BIFF8 string form ([MS-XLS] 2.5.293): u16 character count, option
// byte, optional run count and phonetic size, characters, formatting runs,
// phonetic block. Shared strings and style names use it.
#pragma once

#include "xls/biff/BiffConstants.h"
#include "xls/common/ByteCursor.h"

#include <cstdint>
#include <string>

namespace ZAreda {

class XLUnicodeRichExtendedString {
public:
    // Reads one complete string that lies in one piece at the start of `from`
    // (no CONTINUE boundary inside it); returns the bytes consumed, runs and
    // phonetic block included, no more than `from` holds. Without a whole
    // header the string is left empty and unread (optionFlags 0xFF).
    std::uint32_t parse(xls::ByteSpan from);

    // Appends one piece of characters: `from` starts at the piece's option
    // byte, which gives the width of the up to `count` characters after it.
    // Returns the bytes consumed (option byte and characters).
    std::uint32_t appendPiece(xls::ByteSpan from, std::uint32_t count);

    // Appends characters of the given width to the text. A string that has
    // been 8-bit so far becomes a 16-bit one when a 16-bit piece brings a
    // character above 0xFF, so that no character is lost.
    void appendCharacters(xls::ByteSpan characters, bool sixteenBit);

    // Starts a new string with the option byte of its header.
    void reset(std::uint8_t flags);

    // Bit 0 of optionFlags tells which of the two texts holds the string.
    bool isWide() const;
    std::size_t length() const;

    std::u16string wideText; // 16-bit code units, no terminating NUL of its own
    std::string narrowText;  // 8-bit characters, each the low byte of its code unit
    std::uint8_t optionFlags = kStringFlagsUnread; // the first piece's option byte; 0xFF before any
    std::uint16_t runCount = 0;
    std::uint32_t phoneticSize = 0;

private:
    void widen();
};

} // namespace ZAreda
