// The record rules of delimited text, over UTF-16 units or over the bytes of
// valid UTF-8. Every character the rules look at (quote, line breaks, an ASCII
// delimiter) is one unit in both, and no byte of a longer UTF-8 sequence
// equals one of them, so both split a text into the same fields.
#pragma once

#include "xls/common/ByteWords.h"
#include "xls/common/ReadError.h"
#include "xls/csv/DelimitedText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xls::csv {

inline std::string lineText(std::uint64_t line) {
    return "line " + std::to_string(line);
}

// The length of a field in UTF-16 units, as Excel's cap counts it.
inline std::size_t utf16Length(std::u16string_view text) {
    return text.size();
}
inline std::size_t utf16Length(std::string_view validUtf8) {
    std::size_t units = 0;
    for (const char c : validUtf8) {
        const auto byte = std::uint8_t(c);
        // Every lead byte starts a unit; a four-byte one a surrogate pair.
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0;
    }
    return units;
}

template <typename Char> constexpr bool isLineBreak(Char c) {
    return c == Char('\n') || c == Char('\r');
}

// Where a field that runs on from `pos` ends: at the first delimiter or line
// break, or at the end of the text.
template <typename Char>
std::size_t fieldEnd(std::basic_string_view<Char> text, std::size_t pos, Char delimiter) {
    while (pos < text.size() && text[pos] != delimiter && !isLineBreak(text[pos]))
        ++pos;
    return pos;
}
inline std::size_t fieldEnd(std::string_view text, std::size_t pos, char delimiter) {
    for (; 8 <= text.size() - pos; pos += 8) {
        const std::uint64_t word = loadWord(text.data() + pos);
        const std::uint64_t ends = bytesEqualTo(word, std::uint8_t(delimiter)) |
                                   bytesEqualTo(word, '\n') | bytesEqualTo(word, '\r');
        if (ends)
            return pos + firstMarkedByte(ends);
    }
    return fieldEnd<char>(text, pos, delimiter);
}

// Walks the records of a text one at a time. Every loop advances through the
// text, so a walk ends after at most text.size() steps.
template <typename Char> class RecordScanner {
public:
    using Text = std::basic_string_view<Char>;

    RecordScanner(Text text, Char delimiter, std::uint64_t firstLine = 1)
        : text(text), delimiter(delimiter), line(firstLine) {}

    bool atEnd() const { return pos == text.size(); }
    std::size_t position() const { return pos; }
    std::size_t size() const { return text.size(); }
    std::uint64_t currentLine() const { return line; }
    const ReadError &error() const { return failure; }

    // Reads one record, calling onField(column, text) for each field, empty
    // ones included. False at the end of the text or on an error.
    template <typename OnField> bool readRecord(OnField &&onField) {
        if (atEnd() || failure)
            return false;
        recordLine = line;
        for (std::uint32_t column = 0;; ++column) {
            if (column == maxFieldsPerRecord)
                return fail(ReadErrorCode::TextBeyondLimits,
                            "the record on " + lineText(recordLine) + " has more than " +
                                std::to_string(maxFieldsPerRecord) + " fields",
                            recordLine);
            Text value;
            if (!readField(value))
                return false;
            // No field has more units than bytes: only a long one is counted.
            if (value.size() > maxFieldLength) {
                const std::size_t units = utf16Length(value);
                if (units > maxFieldLength)
                    return fail(ReadErrorCode::TextBeyondLimits,
                                "field " + std::to_string(column + 1) + " of the record on " +
                                    lineText(recordLine) + " has " + std::to_string(units) +
                                    " characters, more than " + std::to_string(maxFieldLength),
                                recordLine);
            }
            onField(column, value);
            if (pos < text.size() && text[pos] == delimiter) {
                ++pos;
                continue;
            }
            skipLineBreak();
            return true;
        }
    }

private:
    static constexpr Char quote = Char('"');

    bool readField(Text &value) {
        if (pos < text.size() && text[pos] == quote)
            return readQuotedField(value);
        const std::size_t start = pos;
        pos = fieldEnd(text, pos, delimiter);
        value = text.substr(start, pos - start);
        return true;
    }

    bool readQuotedField(Text &value) {
        const std::uint64_t openingLine = line;
        ++pos;
        scratch.clear();
        for (;;) {
            if (pos == text.size())
                return fail(ReadErrorCode::UnclosedQuote,
                            "the quoted field that begins on " + lineText(openingLine) +
                                " has no closing quote",
                            openingLine);
            const Char c = text[pos++];
            if (c == quote) {
                if (pos < text.size() && text[pos] == quote) {
                    scratch += quote;
                    ++pos;
                    continue;
                }
                break;
            }
            if (c == Char('\n') ||
                (c == Char('\r') && (pos == text.size() || text[pos] != Char('\n'))))
                ++line;
            scratch += c;
        }
        // Text after the closing quote belongs to the field, as Excel reads it.
        const std::size_t end = fieldEnd(text, pos, delimiter);
        scratch += text.substr(pos, end - pos);
        pos = end;
        value = scratch;
        return true;
    }

    void skipLineBreak() {
        if (pos < text.size() && text[pos] == Char('\r'))
            ++pos;
        else if (pos < text.size() && text[pos] == Char('\n'))
            ++pos;
        else
            return;
        if (pos < text.size() && text[pos - 1] == Char('\r') && text[pos] == Char('\n'))
            ++pos;
        ++line;
    }

    bool fail(ReadErrorCode code, std::string what, std::uint64_t where) {
        failure = {code, std::move(what), std::nullopt, where};
        return false;
    }

    Text text;
    Char delimiter;
    std::size_t pos = 0;
    std::uint64_t line;
    std::uint64_t recordLine = 0;
    std::basic_string<Char> scratch;
    ReadError failure;
};

} // namespace xls::csv
