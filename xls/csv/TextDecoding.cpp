#include "xls/csv/TextDecoding.h"

#include "xls/common/ByteWords.h"
#include "xls/common/CodePage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace xls::csv {
namespace {

constexpr std::array<std::uint8_t, 3> utf8Bom{0xEF, 0xBB, 0xBF};
constexpr std::array<std::uint8_t, 2> utf16LeBom{0xFF, 0xFE};
constexpr std::array<std::uint8_t, 2> utf16BeBom{0xFE, 0xFF};

// The bytes Windows-1252 leaves undefined. iconv refuses them; like the
// HTML standard's decoder they are read as the C1 control of the same number,
// so one stray byte does not cost the whole file.
constexpr std::array<std::uint8_t, 5> windows1252Undefined{0x81, 0x8D, 0x8F, 0x90, 0x9D};

template <std::size_t N> bool startsWith(ByteSpan bytes, const std::array<std::uint8_t, N> &mark) {
    return bytes.size() >= N && std::equal(mark.begin(), mark.end(), bytes.begin());
}

std::size_t byteOrderMarkLength(ByteSpan bytes, std::uint16_t codePage) {
    switch (codePage) {
    case codePageUtf8:
        return startsWith(bytes, utf8Bom) ? utf8Bom.size() : 0;
    case codePageUtf16Le:
        return startsWith(bytes, utf16LeBom) ? utf16LeBom.size() : 0;
    case codePageUtf16Be:
        return startsWith(bytes, utf16BeBom) ? utf16BeBom.size() : 0;
    default:
        return 0;
    }
}

ReadError notDecodable(std::string what, std::optional<std::uint64_t> offset) {
    return {ReadErrorCode::TextNotDecodable, std::move(what), offset};
}

ReadError decodeUtf16(ByteSpan bytes, bool bigEndian, std::size_t bomLength, std::u16string &out) {
    if (bytes.size() % 2 != 0)
        return notDecodable("UTF-16 text of " + std::to_string(bytes.size() + bomLength) +
                                " bytes, an odd number",
                            bytes.size() + bomLength - 1);
    std::vector<std::uint8_t> littleEndian;
    if (bigEndian) {
        littleEndian.assign(bytes.begin(), bytes.end());
        for (std::size_t i = 0; i + 1 < littleEndian.size(); i += 2)
            std::swap(littleEndian[i], littleEndian[i + 1]);
        bytes = littleEndian;
    }
    if (!decodeCodePage(codePageUtf16, bytes, out))
        return notDecodable("the text is not valid UTF-16 (an unpaired surrogate)", {});
    return {};
}

ReadError decodeWindows1252(ByteSpan bytes, std::u16string &out) {
    out.clear();
    out.reserve(bytes.size());
    std::u16string run;
    ByteCursor cursor(bytes);
    while (!cursor.atEnd()) {
        const ByteSpan rest = cursor.rest();
        const auto undefined = std::find_first_of(
            rest.begin(), rest.end(), windows1252Undefined.begin(), windows1252Undefined.end());
        const ByteSpan defined = cursor.bytes(std::size_t(undefined - rest.begin()));
        if (!decodeCodePage(codePageWindows1252, defined, run))
            return notDecodable("the converter for Windows-1252 is missing", {});
        out += run;
        if (!cursor.atEnd())
            out += char16_t(cursor.u8());
    }
    return {};
}

} // namespace

namespace {

// How many of the eight bytes at `at` are ASCII before the first that is not.
std::size_t leadingAscii8(const std::uint8_t *at) {
    return firstMarkedByte(loadWord(at) & highBits);
}

// Walks UTF-8 as RFC 3629 defines it, handing each code point to `put`: the
// lead byte says how many continuation bytes follow and narrows the second
// byte so that no overlong form, surrogate or value past U+10FFFF passes.
// Returns the offset of the first byte that does not belong to valid UTF-8,
// or the size when all of it is valid.
template <typename Put> std::size_t walkUtf8(ByteSpan bytes, Put &&put) {
    ByteCursor cursor(bytes);
    while (!cursor.atEnd()) {
        // Runs of ASCII, the bulk of a name list, are taken eight bytes at a
        // time, up to the first byte that is not ASCII.
        for (ByteSpan ahead = cursor.rest(); ahead.size() >= 8; ahead = cursor.rest()) {
            const std::size_t ascii = leadingAscii8(ahead.data());
            for (std::size_t i = 0; i < ascii; ++i)
                put(char32_t(ahead[i]));
            cursor.skip(ascii);
            if (ascii < 8)
                break;
        }
        if (cursor.atEnd())
            break;
        const std::size_t start = cursor.position();
        const std::uint8_t lead = cursor.u8();
        if (lead < 0x80) {
            put(char32_t(lead));
            continue;
        }
        std::size_t continuations = 0;
        std::uint8_t low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            continuations = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            continuations = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            continuations = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return start;
        }
        char32_t codePoint = lead & (0x3Fu >> continuations);
        for (std::size_t i = 0; i < continuations; ++i) {
            const std::uint8_t next = cursor.u8();
            if (!cursor.ok() || next < low || next > high)
                return start;
            codePoint = codePoint << 6 | (next & 0x3Fu);
            low = 0x80;
            high = 0xBF;
        }
        put(codePoint);
    }
    return bytes.size();
}

constexpr char32_t kFirstSupplementary = 0x10000;

// Writes one code point as UTF-16 at `at`, which has room for two units.
std::size_t writeUtf16(char32_t c, char16_t *at) {
    if (c < kFirstSupplementary) {
        *at = char16_t(c);
        return 1;
    }
    c -= kFirstSupplementary;
    at[0] = char16_t(0xD800 + (c >> 10));
    at[1] = char16_t(0xDC00 + (c & 0x3FF));
    return 2;
}

ReadError notValidUtf8(std::size_t offset) {
    return notDecodable("the text is not valid UTF-8", offset);
}

// UTF-8 to UTF-16 in two walks: the first checks the text and counts its
// units, so the second writes into a string sized once.
ReadError decodeUtf8(ByteSpan text, std::size_t bomLength, std::u16string &out) {
    std::size_t units = 0;
    const std::size_t invalid =
        walkUtf8(text, [&units](char32_t c) { units += c < kFirstSupplementary ? 1 : 2; });
    if (invalid != text.size())
        return notValidUtf8(bomLength + invalid);
    out.resize(units);
    std::size_t at = 0;
    walkUtf8(text, [&](char32_t c) { at += writeUtf16(c, out.data() + at); });
    return {};
}

} // namespace

std::size_t firstInvalidUtf8(ByteSpan bytes) {
    return walkUtf8(bytes, [](char32_t) {});
}

ReadError utf8Text(ByteSpan bytes, TextEncoding encoding, bool checked, std::string_view &text) {
    const std::size_t bomLength =
        encoding.byteOrderMark ? byteOrderMarkLength(bytes, codePageUtf8) : 0;
    const ByteSpan rest = bytes.subspan(bomLength);
    if (!checked)
        if (const std::size_t invalid = firstInvalidUtf8(rest); invalid != rest.size())
            return notValidUtf8(bomLength + invalid);
    text = {reinterpret_cast<const char *>(rest.data()), rest.size()};
    return {};
}

std::size_t decodeUtf8(std::string_view validUtf8, std::span<char16_t> out) {
    if (out.size() < validUtf8.size())
        return noRoom;
    std::size_t length = 0;
    walkUtf8(bytesOf(validUtf8), [&](char32_t c) { length += writeUtf16(c, &out[length]); });
    return length;
}

std::size_t narrowUtf8(std::string_view validUtf8, std::span<char> out) {
    if (out.size() < validUtf8.size())
        return noRoom;
    std::size_t length = 0;
    for (std::size_t i = 0; i < validUtf8.size(); ++i) {
        const auto byte = std::uint8_t(validUtf8[i]);
        if (byte < 0x80) {
            out[length++] = char(byte);
            continue;
        }
        // Lead bytes C2 and C3 hold U+0080 to U+00FF; any other is past Latin-1.
        if ((byte & 0xFE) != 0xC2 || i + 1 == validUtf8.size())
            return notLatin1;
        out[length++] = char((byte & 0x03) << 6 | (std::uint8_t(validUtf8[++i]) & 0x3F));
    }
    return length;
}

TextEncoding detectEncoding(ByteSpan bytes) {
    if (startsWith(bytes, utf8Bom))
        return {codePageUtf8, true};
    if (startsWith(bytes, utf16LeBom))
        return {codePageUtf16Le, true};
    if (startsWith(bytes, utf16BeBom))
        return {codePageUtf16Be, true};
    if (firstInvalidUtf8(bytes) == bytes.size())
        return {codePageUtf8, false};
    return {codePageWindows1252, false};
}

TextEncoding chooseEncoding(ByteSpan bytes, std::uint16_t codePage) {
    if (codePage == 0)
        return detectEncoding(bytes);
    return {codePage, byteOrderMarkLength(bytes, codePage) > 0};
}

ReadError decodeText(ByteSpan bytes, TextEncoding encoding, std::u16string &out) {
    out.clear();
    const std::size_t bomLength =
        encoding.byteOrderMark ? byteOrderMarkLength(bytes, encoding.codePage) : 0;
    const ByteSpan text = bytes.subspan(bomLength);
    switch (encoding.codePage) {
    case codePageUtf16Le:
    case codePageUtf16Be:
        return decodeUtf16(text, encoding.codePage == codePageUtf16Be, bomLength, out);
    case codePageWindows1252:
        return decodeWindows1252(text, out);
    case codePageUtf8:
        return decodeUtf8(text, bomLength, out);
    default:
        if (!iconvNameOfCodePage(encoding.codePage))
            return notDecodable("code page " + std::to_string(encoding.codePage) +
                                    " is not one this reader can decode",
                                {});
    }
    if (!decodeCodePage(encoding.codePage, text, out))
        return notDecodable("the text is not valid in " + encodingName(encoding), {});
    return {};
}

std::string encodingName(TextEncoding encoding) {
    const std::string_view withMark = encoding.byteOrderMark ? " with byte order mark" : "";
    switch (encoding.codePage) {
    case codePageUtf8:
        return "UTF-8" + std::string(withMark);
    case codePageUtf16Le:
        return "UTF-16 LE" + std::string(withMark);
    case codePageUtf16Be:
        return "UTF-16 BE" + std::string(withMark);
    case codePageWindows1252:
        return "Windows-1252";
    default:
        return "code page " + std::to_string(encoding.codePage);
    }
}

} // namespace xls::csv
