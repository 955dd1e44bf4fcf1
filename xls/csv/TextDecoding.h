#pragma once

#include "xls/common/ByteCursor.h"
#include "xls/common/CodePage.h"
#include "xls/common/ReadError.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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

// The text of a file read as UTF-8, after its byte order mark, as bytes;
// checked to be valid UTF-8 unless `checked` says detectEncoding found it so.
// TextNotDecodable, with the offset of the first bad byte, as decodeText.
ReadError utf8Text(ByteSpan bytes, TextEncoding encoding, bool checked, std::string_view &text);

// Neither form below has more units than the text has bytes: `out` needs
// room for the text's size, or nothing is written and noRoom returned.
inline constexpr std::size_t noRoom = std::size_t(-2);

// Decodes text already found valid UTF-8 to UTF-16 at `out`; returns the
// units written.
std::size_t decodeUtf8(std::string_view validUtf8, std::span<char16_t> out);

// Text already found valid UTF-8 as Latin-1 bytes at `out`; returns their
// number, or notLatin1 when a character lies past U+00FF.
inline constexpr std::size_t notLatin1 = std::size_t(-1);
std::size_t narrowUtf8(std::string_view validUtf8, std::span<char> out);

// The offset of the first byte that does not belong to valid UTF-8, or the
// size when all of it is valid.
std::size_t firstInvalidUtf8(ByteSpan bytes);

// A short English name of the encoding: "UTF-8 with byte order mark",
// "Windows-1252", "code page 850".
std::string encodingName(TextEncoding encoding);

} // namespace xls::csv
