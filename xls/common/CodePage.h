#pragma once

#include "xls/common/ByteCursor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// Windows code page numbers as the CODEPAGE record ([MS-XLS] 2.4.52) and
// text files name them.
inline constexpr std::uint16_t codePageUtf16 = 1200; // little-endian
inline constexpr std::uint16_t codePageUtf16Be = 1201;
inline constexpr std::uint16_t codePageWindows1252 = 1252;
inline constexpr std::uint16_t codePageUtf8 = 65001;

// The converter name the system's iconv knows a code page by; null when the
// number names no code page this reader can decode.
const char *iconvNameOfCodePage(std::uint16_t codePage);

// Decodes bytes in a code page to UTF-16 with the system's converter. False,
// and `out` left empty, for a code page without a converter or bytes that are
// not valid in it.
bool decodeCodePage(std::uint16_t codePage, ByteSpan bytes, std::u16string &out);

// Encodes UTF-16 text in a code page with the system's converter. False, and
// `out` left empty, for a code page without a converter or text it cannot
// represent.
bool encodeCodePage(std::uint16_t codePage, std::u16string_view text, std::string &out);

// A converter kept open for many byte strings of one code page, which saves
// opening one per string. Bytes the code page cannot decode become U+FFFD
// one by one, so a damaged string still costs no more than its length.
class CodePageDecoder {
public:
    explicit CodePageDecoder(std::uint16_t codePage);
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder &) = delete;
    CodePageDecoder &operator=(const CodePageDecoder &) = delete;

    // False for a code page without a converter on this system.
    bool valid() const;
    std::u16string decode(ByteSpan bytes);

private:
    void *handle; // iconv_t
};

} // namespace xls
