#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/CodePage.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <string>

namespace xls::csv {

// Code page numbers of the encodings a text file is detected in (Windows
// numbering, as xls/common/CodePage.h uses).
inline constexpr std::uint16_t codePageUtf16Le = xls::codePageUtf16;
inline constexpr std::uint16_t codePageUtf16Be = xls::codePageUtf16Be;
inline constexpr std::uint16_t codePageUtf8 = xls::codePageUtf8;
inline constexpr std::uint16_t codePageWindows1252 = xls::codePageWindows1252;

// How the bytes of a text file were read.
struct TextEncoding {
    std::uint16_t codePage = 0;
    bool byteOrderMark = false; // the file began with one; it is no text
};

// The encoding of a text file: a byte order mark (UTF-8, UTF-16 LE or BE),
// otherwise UTF-8 when all of it is valid UTF-8, otherwise Windows-1252.
TextEncoding detectEncoding(ByteSpan bytes);

// The same when the caller names the code page (0 detects it): a byte order
// mark of that encoding is still no text.
TextEncoding chooseEncoding(ByteSpan bytes, std::uint16_t codePage);

// Decodes the text after the byte order mark. TextNotDecodable, with the
// offset of the first bad byte where it is known, when the bytes are not
// valid in the encoding.
ReadError decodeText(ByteSpan bytes, TextEncoding encoding, std::u16string &out);

// The offset of the first byte that does not belong to valid UTF-8, or the
// size when all of it is valid.
std::size_t firstInvalidUtf8(ByteSpan bytes);

// A short English name of the encoding: "UTF-8 with byte order mark",
// "Windows-1252", "code page 850".
std::string encodingName(TextEncoding encoding);

} // namespace xls::csv
