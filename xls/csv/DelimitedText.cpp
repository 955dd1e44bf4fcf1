#include "xls/csv/DelimitedText.h"

#include "xls/common/LoadProgress.h"

#include <algorithm>
#include <map>
#include <string>

namespace xls::csv {
namespace {

constexpr char16_t quote = u'"';
// Excel's first line naming the delimiter: "sep=;".
constexpr std::u16string_view sepLinePrefix = u"sep=";

bool isLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

std::string lineText(std::uint64_t line) {
    return "line " + std::to_string(line);
}

// Walks the records of a text one at a time. Every loop advances through the
// text, so a walk ends after at most text.size() steps.
class RecordScanner {
public:
    RecordScanner(std::u16string_view text, char16_t delimiter, std::uint64_t firstLine = 1)
        : text(text), delimiter(delimiter), line(firstLine) {}

    bool atEnd() const { return pos == text.size(); }
    std::size_t position() const { return pos; }
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
            std::u16string_view value;
            if (!readField(value))
                return false;
            if (value.size() > maxFieldLength)
                return fail(ReadErrorCode::TextBeyondLimits,
                            "field " + std::to_string(column + 1) + " of the record on " +
                                lineText(recordLine) + " has " + std::to_string(value.size()) +
                                " characters, more than " + std::to_string(maxFieldLength),
                            recordLine);
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
    bool readField(std::u16string_view &value) {
        if (pos < text.size() && text[pos] == quote)
            return readQuotedField(value);
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != delimiter && !isLineBreak(text[pos]))
            ++pos;
        value = text.substr(start, pos - start);
        return true;
    }

    bool readQuotedField(std::u16string_view &value) {
        const std::uint64_t openingLine = line;
        ++pos;
        scratch.clear();
        for (;;) {
            if (pos == text.size())
                return fail(ReadErrorCode::UnclosedQuote,
                            "the quoted field that begins on " + lineText(openingLine) +
                                " has no closing quote",
                            openingLine);
            const char16_t c = text[pos++];
            if (c == quote) {
                if (pos < text.size() && text[pos] == quote) {
                    scratch += quote;
                    ++pos;
                    continue;
                }
                break;
            }
            if (c == u'\n' || (c == u'\r' && (pos == text.size() || text[pos] != u'\n')))
                ++line;
            scratch += c;
        }
        // Text after the closing quote belongs to the field, as Excel reads it.
        while (pos < text.size() && text[pos] != delimiter && !isLineBreak(text[pos]))
            scratch += text[pos++];
        value = scratch;
        return true;
    }

    void skipLineBreak() {
        if (pos < text.size() && text[pos] == u'\r')
            ++pos;
        else if (pos < text.size() && text[pos] == u'\n')
            ++pos;
        else
            return;
        if (pos < text.size() && text[pos - 1] == u'\r' && text[pos] == u'\n')
            ++pos;
        ++line;
    }

    bool fail(ReadErrorCode code, std::string what, std::uint64_t where) {
        failure = {code, std::move(what), std::nullopt, where};
        return false;
    }

    std::u16string_view text;
    char16_t delimiter;
    std::size_t pos = 0;
    std::uint64_t line;
    std::uint64_t recordLine = 0;
    std::u16string scratch;
    ReadError failure;
};

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

Split measureSplit(std::u16string_view text, char16_t delimiter) {
    RecordScanner scanner(text, delimiter);
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
    const auto onField = [&](std::uint32_t column, std::u16string_view value) {
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

// The delimiter of an Excel "sep=X" first line and the length of that line
// with its line break; 0 when the text has no such line.
std::size_t sepLineLength(std::u16string_view text, char16_t &delimiter) {
    if (text.size() <= sepLinePrefix.size())
        return 0;
    for (std::size_t i = 0; i < sepLinePrefix.size(); ++i) {
        const char16_t c = text[i] >= u'A' && text[i] <= u'Z' ? char16_t(text[i] + 0x20) : text[i];
        if (c != sepLinePrefix[i])
            return 0;
    }
    const char16_t named = text[sepLinePrefix.size()];
    std::size_t end = sepLinePrefix.size() + 1;
    if (isLineBreak(named) || named == quote || (end < text.size() && !isLineBreak(text[end])))
        return 0;
    if (end < text.size() && text[end] == u'\r')
        ++end;
    if (end < text.size() && text[end] == u'\n')
        ++end;
    delimiter = named;
    return end;
}

} // namespace

char16_t detectDelimiter(std::u16string_view text) {
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

ReadError readDelimitedText(ByteSpan bytes, const DelimitedTextOptions &options,
                            DelimitedTextFormat &format, CellSink &sink) {
    format = {};
    if (bytes.size() > maxTextBytes)
        return {ReadErrorCode::TextBeyondLimits,
                "a text file of " + std::to_string(bytes.size()) + " bytes, more than " +
                    std::to_string(maxTextBytes),
                std::nullopt};
    format.encoding = chooseEncoding(bytes, options.codePage);
    std::u16string decoded;
    if (ReadError error = decodeText(bytes, format.encoding, decoded))
        return error;

    std::u16string_view text = decoded;
    char16_t named = 0;
    const std::size_t sepLine = sepLineLength(text, named);
    text.remove_prefix(sepLine);
    format.delimiterFromSepLine = sepLine > 0 && options.delimiter == 0;
    format.delimiter = options.delimiter ? options.delimiter
                       : sepLine         ? named
                                         : detectDelimiter(text);

    sink.setLimits(maxRecords, maxFieldsPerRecord);
    RecordScanner scanner(text, format.delimiter, sepLine > 0 ? 2 : 1);
    std::uint32_t record = 0;
    std::uint32_t fieldsWithText = 0;
    bool tooManyFields = false;
    const auto onField = [&](std::uint32_t column, std::u16string_view value) {
        if (value.empty() || tooManyFields)
            return;
        if (fieldsWithText == maxFieldsWithText) {
            tooManyFields = true;
            return;
        }
        ++fieldsWithText;
        putText(sink, record, column, value);
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

} // namespace xls::csv
