#include "xls/csv/DelimitedText.h"

#include "xls/common/ByteWords.h"
#include "xls/common/LoadProgress.h"
#include "xls/csv/RecordScanner.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <type_traits>

namespace xls::csv {
namespace {

// Excel's first line naming the delimiter: "sep=;".
constexpr std::string_view sepLinePrefix = "sep=";

// How well one delimiter splits the first records.
struct Split {
    std::uint32_t consistent = 0; // records with the most common field count
    std::uint32_t records = 0;    // records that are not blank lines
    std::uint32_t captions = 0;   // header fields holding a caption word
};

bool holdsCaptionWord(std::u16string_view field) {
    return std::any_of(captionWords.begin(), captionWords.end(), [field](std::u16string_view word) {
        return field.find(word) != std::u16string_view::npos;
    });
}

bool holdsCaptionWord(std::string_view validUtf8) {
    std::u16string field(validUtf8.size(), u'\0');
    field.resize(decodeUtf8(validUtf8, field));
    return holdsCaptionWord(std::u16string_view(field));
}

template <typename Char> Split measureSplit(std::basic_string_view<Char> text, char16_t delimiter) {
    RecordScanner<Char> scanner(text, Char(delimiter));
    std::map<std::uint32_t, std::uint32_t> recordsWithFieldCount;
    Split split;
    std::uint32_t fields = 0;
    std::uint32_t captionFields = 0; // of the first record that is no blank line
    bool blank = true;
    bool header = true;
    const auto countRecord = [&](std::uint32_t fieldCount) {
        if (split.records == 0)
            captionFields = fieldCount;
        ++split.records;
        ++recordsWithFieldCount[fieldCount];
    };
    const auto onField = [&](std::uint32_t column, std::basic_string_view<Char> value) {
        fields = column + 1;
        blank = blank && value.empty();
        if (header && holdsCaptionWord(value))
            ++split.captions;
    };
    for (std::uint32_t read = 0; read < recordsForDetection; ++read) {
        fields = 0;
        blank = true;
        if (!scanner.readRecord(onField)) {
            // A record cut short by an unclosed quote still shows the split
            // up to the field that holds the quote.
            if (scanner.error())
                countRecord(fields + 1);
            break;
        }
        header = false;
        if (blank && fields == 1)
            continue;
        countRecord(fields);
    }
    std::uint32_t modeFields = 0;
    for (const auto &[count, records] : recordsWithFieldCount)
        if (records > split.consistent) {
            split.consistent = records;
            modeFields = count;
        }
    // A delimiter that leaves the caption row whole but splits the records
    // below is part of their texts ("Meier, Anna" under "Name").
    if (modeFields < 2 || captionFields == 1)
        split.consistent = 0;
    return split;
}

// True when `a` is the better split: a larger share of consistent records,
// then more caption words in the header.
bool betterSplit(const Split &a, const Split &b) {
    const std::uint64_t shareA = std::uint64_t(a.consistent) * std::max(b.records, 1u);
    const std::uint64_t shareB = std::uint64_t(b.consistent) * std::max(a.records, 1u);
    if (shareA != shareB)
        return shareA > shareB;
    return a.consistent > 0 && a.captions > b.captions;
}

template <typename Char> bool startsWithSepPrefix(std::basic_string_view<Char> text) {
    if (text.size() < sepLinePrefix.size())
        return false;
    for (std::size_t i = 0; i < sepLinePrefix.size(); ++i) {
        const Char c =
            text[i] >= Char('A') && text[i] <= Char('Z') ? Char(text[i] + 0x20) : text[i];
        if (c != Char(sepLinePrefix[i]))
            return false;
    }
    return true;
}

// The delimiter of an Excel "sep=X" first line and the length of that line
// with its line break; 0 when the text has no such line.
template <typename Char>
std::size_t sepLineLength(std::basic_string_view<Char> text, char16_t &delimiter) {
    if (text.size() <= sepLinePrefix.size() || !startsWithSepPrefix(text))
        return 0;
    const Char named = text[sepLinePrefix.size()];
    std::size_t end = sepLinePrefix.size() + 1;
    if (isLineBreak(named) || named == Char('"') || (end < text.size() && !isLineBreak(text[end])))
        return 0;
    if (end < text.size() && text[end] == Char('\r'))
        ++end;
    if (end < text.size() && text[end] == Char('\n'))
        ++end;
    delimiter = char16_t(std::make_unsigned_t<Char>(named));
    return end;
}

template <typename Char> char16_t detectDelimiterIn(std::basic_string_view<Char> text) {
    char16_t best = delimiterCandidates.front();
    Split bestSplit;
    for (char16_t candidate : delimiterCandidates) {
        const Split split = measureSplit(text, candidate);
        if (betterSplit(split, bestSplit)) {
            best = candidate;
            bestSplit = split;
        }
    }
    return best;
}

// UTF-8 is read as bytes when every character the record rules look for is
// one byte: the delimiter is ASCII, and so is the one a "sep=" line names.
bool readableAsBytes(std::string_view text, char16_t delimiter) {
    return delimiter < 0x80 && (!startsWithSepPrefix(text) || text.size() == sepLinePrefix.size() ||
                                std::uint8_t(text[sepLinePrefix.size()]) < 0x80);
}

// Fields go to the sink by putText's rules. UTF-8 that is all ASCII is
// Latin-1 as it stands, UTF-8 of Latin-1 letters is narrowed to their bytes,
// and only other text is decoded to UTF-16.
class FieldWriter {
public:
    bool put(CellSink &sink, std::uint32_t row, std::uint32_t column, std::u16string_view text) {
        return putText(sink, row, column, text);
    }
    bool put(CellSink &sink, std::uint32_t row, std::uint32_t column, std::string_view validUtf8) {
        const std::size_t ascii = asciiPrefix(validUtf8);
        if (ascii == validUtf8.size())
            return putText(sink, row, column, validUtf8);
        // Neither form has more characters than the text has bytes.
        const std::span<char> latin1 = room(narrow, validUtf8.size());
        std::memcpy(latin1.data(), validUtf8.data(), ascii);
        if (const std::size_t rest = narrowUtf8(validUtf8.substr(ascii), latin1.subspan(ascii));
            rest <= validUtf8.size() - ascii) // neither notLatin1 nor noRoom
            return putText(sink, row, column, std::string_view(latin1.data(), ascii + rest));
        const std::size_t length = decodeUtf8(validUtf8, room(wide, validUtf8.size()));
        return putText(sink, row, column, std::u16string_view(wide.data(), length));
    }

private:
    // Scratch space of at least `size` units, grown only for longer fields.
    template <typename Unit>
    static std::span<Unit> room(std::basic_string<Unit> &scratch, std::size_t size) {
        if (scratch.size() < size)
            scratch.resize(std::max(size, scratch.size() * 2));
        return scratch;
    }

    std::string narrow;
    std::u16string wide;
};

// The records of a decoded text, or of valid UTF-8 as bytes.
template <typename Char>
ReadError readRecords(std::basic_string_view<Char> text, const DelimitedTextOptions &options,
                      DelimitedTextFormat &format, CellSink &sink) {
    char16_t named = 0;
    const std::size_t sepLine = sepLineLength(text, named);
    text.remove_prefix(sepLine);
    format.delimiterFromSepLine = sepLine > 0 && options.delimiter == 0;
    format.delimiter = options.delimiter ? options.delimiter
                       : sepLine         ? named
                                         : detectDelimiterIn(text);

    sink.setLimits(maxRecords, maxFieldsPerRecord);
    RecordScanner<Char> scanner(text, Char(format.delimiter), sepLine > 0 ? 2 : 1);
    FieldWriter writer;
    std::uint32_t record = 0;
    std::uint32_t fieldsWithText = 0;
    bool tooManyFields = false;
    const auto onField = [&](std::uint32_t column, std::basic_string_view<Char> value) {
        if (value.empty() || tooManyFields)
            return;
        if (fieldsWithText == maxFieldsWithText) {
            tooManyFields = true;
            return;
        }
        ++fieldsWithText;
        writer.put(sink, record, column, value);
    };
    for (; !scanner.atEnd(); ++record) {
        const std::uint64_t recordLine = scanner.currentLine();
        if (record == maxRecords)
            return {ReadErrorCode::TextBeyondLimits,
                    "more than " + std::to_string(maxRecords) + " records, the next one on " +
                        lineText(recordLine),
                    std::nullopt, recordLine};
        if (!scanner.readRecord(onField))
            break;
        if (!sink.advance(scanner.position(), text.size()))
            return cancelledError();
        if (tooManyFields)
            return {ReadErrorCode::TextBeyondLimits,
                    "more than " + std::to_string(maxFieldsWithText) +
                        " fields with text, the next one in the record on " + lineText(recordLine),
                    std::nullopt, recordLine};
    }
    return scanner.error();
}

} // namespace

char16_t detectDelimiter(std::u16string_view text) {
    return detectDelimiterIn(text);
}

ReadError readDelimitedText(ByteSpan bytes, const DelimitedTextOptions &options,
                            DelimitedTextFormat &format, CellSink &sink) {
    format = {};
    if (bytes.size() > maxTextBytes)
        return {ReadErrorCode::TextBeyondLimits,
                "a text file of " + std::to_string(bytes.size()) + " bytes, more than " +
                    std::to_string(maxTextBytes),
                std::nullopt};
    format.encoding = chooseEncoding(bytes, options.codePage);
    if (format.encoding.codePage == codePageUtf8) {
        // Detection has already walked the whole of a text without a mark.
        const bool checked = options.codePage == 0 && !format.encoding.byteOrderMark;
        std::string_view text;
        if (ReadError error = utf8Text(bytes, format.encoding, checked, text))
            return error;
        if (readableAsBytes(text, options.delimiter))
            return readRecords(text, options, format, sink);
    }
    std::u16string decoded;
    if (ReadError error = decodeText(bytes, format.encoding, decoded))
        return error;
    return readRecords(std::u16string_view(decoded), options, format, sink);
}

} // namespace xls::csv
