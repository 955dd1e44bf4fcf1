#pragma once

#include "xls/common/CaptionWords.h"
#include "xls/common/CellSink.h"
#include "xls/csv/TextDecoding.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace xls::csv {

// Caps on what a delimited text may hold; past any of them the file is
// refused. Fields and field length are Excel's own limits.
inline constexpr std::size_t maxTextBytes = std::size_t(256) << 20;
inline constexpr std::uint32_t maxRecords = 1048576;
inline constexpr std::uint32_t maxFieldsPerRecord = 16384;
inline constexpr std::size_t maxFieldLength = 32767;
inline constexpr std::uint32_t maxFieldsWithText = 16777216;

// Delimiter detection looks at this many records, in this order of the
// candidates (the order breaks the last ties).
inline constexpr std::uint32_t recordsForDetection = 200;
inline constexpr std::array<char16_t, 4> delimiterCandidates{u';', u',', u'\t', u'|'};

// A header that splits into the caption words (xls/common/CaptionWords.h)
// tells the right delimiter when two split the records equally well.
inline constexpr const auto &captionWords = xls::captionWords;

// What the reader found out about a text, or was told.
struct DelimitedTextFormat {
    TextEncoding encoding;
    char16_t delimiter = 0;
    bool delimiterFromSepLine = false; // an Excel "sep=X" first line named it
};

struct DelimitedTextOptions {
    std::uint16_t codePage = 0; // 0 detects the encoding
    char16_t delimiter = 0;     // 0 detects the delimiter
};

// Reads delimited text (RFC 4180 quoting: a field that begins with a quote
// runs to the next single quote, a doubled quote is one quote, line breaks
// inside are text). Every field that is not empty goes to `sink` as a text
// cell, record by record, fields in order. Fills `format` before reading the
// records, so a refused file still tells how it was read.
ReadError readDelimitedText(ByteSpan bytes, const DelimitedTextOptions &options,
                            DelimitedTextFormat &format, CellSink &sink);

// The delimiter among the candidates that splits the first records of `text`
// most consistently into more than one field, the caption row (the first
// record) included; the first candidate when none does.
char16_t detectDelimiter(std::u16string_view text);

} // namespace xls::csv
