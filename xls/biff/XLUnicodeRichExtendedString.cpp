#include "xls/biff/XLUnicodeRichExtendedString.h"

#include "xls/biff/BiffConstants.h"
#include "xls/biff/ContinuedStringReader.h"

#include <algorithm>

namespace ZAreda {

namespace {

bool fitsInByte(xls::ByteSpan units) {
    for (std::size_t i = 0; i + 1 < units.size(); i += 2)
        if (units[i + 1] != 0)
            return false;
    return true;
}

} // namespace

std::uint32_t XLUnicodeRichExtendedString::parse(xls::ByteSpan from) {
    ContinuedStringReader reader(from, {}, 0);
    if (!reader.read(*this, StringForm::Rich))
        reset(kStringFlagsUnread);
    return static_cast<std::uint32_t>(reader.position());
}

std::uint32_t XLUnicodeRichExtendedString::appendPiece(xls::ByteSpan from, std::uint32_t count) {
    if (count == 0 || from.empty())
        return 0;
    const std::uint8_t pieceFlags = from[0];
    if (optionFlags == kStringFlagsUnread)
        optionFlags = pieceFlags;
    const bool sixteenBit = (pieceFlags & kStringHighByte) != 0;
    const std::size_t width = sixteenBit ? 2 : 1;
    const xls::ByteSpan rest = from.subspan(1);
    const std::size_t characters = std::min<std::size_t>(count, rest.size() / width);
    appendCharacters(rest.first(characters * width), sixteenBit);
    return static_cast<std::uint32_t>(1 + characters * width);
}

void XLUnicodeRichExtendedString::appendCharacters(xls::ByteSpan characters, bool sixteenBit) {
    if (sixteenBit && !isWide() && !fitsInByte(characters))
        widen();
    if (isWide()) {
        if (sixteenBit) {
            for (std::size_t i = 0; i + 1 < characters.size(); i += 2)
                wideText.push_back(static_cast<char16_t>(xls::loadU16(characters.data() + i)));
        } else {
            wideText.append(characters.begin(), characters.end());
        }
    } else if (sixteenBit) {
        for (std::size_t i = 0; i + 1 < characters.size(); i += 2)
            narrowText.push_back(static_cast<char>(characters[i]));
    } else {
        narrowText.append(characters.begin(), characters.end());
    }
}

void XLUnicodeRichExtendedString::reset(std::uint8_t flags) {
    wideText.clear();
    narrowText.clear();
    optionFlags = flags;
    runCount = 0;
    phoneticSize = 0;
}

bool XLUnicodeRichExtendedString::isWide() const {
    return (optionFlags & kStringHighByte) != 0;
}

std::size_t XLUnicodeRichExtendedString::length() const {
    return isWide() ? wideText.size() : narrowText.size();
}

void XLUnicodeRichExtendedString::widen() {
    wideText.resize(narrowText.size());
    for (std::size_t i = 0; i < narrowText.size(); ++i)
        wideText[i] = static_cast<char16_t>(static_cast<unsigned char>(narrowText[i]));
    narrowText.clear();
    optionFlags |= kStringHighByte;
}

} // namespace ZAreda
