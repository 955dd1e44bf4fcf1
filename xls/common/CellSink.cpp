#include "xls/common/CellSink.h"

#include "xls/common/ByteWords.h"
#include "xls/common/LoadProgress.h"

namespace xls {

namespace {
constexpr char16_t kLastLatin1 = u'\xFF';
constexpr std::size_t kShortText = 256;
} // namespace

bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    // One pass finds the end, tells Latin-1 and narrows short texts on the
    // stack. The model keeps texts NUL-terminated: a NUL ends the text.
    char shortText[kShortText];
    char16_t allUnits = 0; // every unit's bits, to tell Latin-1
    std::size_t length = 0;
    for (; length < text.size() && text[length] != u'\0'; ++length) {
        allUnits |= text[length];
        if (length < kShortText)
            shortText[length] = char(text[length]);
    }
    text = text.substr(0, length);
    if (allUnits > kLastLatin1)
        return sink.setText(row, column, text);
    if (length <= kShortText)
        return putText(sink, row, column, std::string_view(shortText, length));
    const std::string narrow(text.begin(), text.end());
    return putText(sink, row, column, std::string_view(narrow));
}

bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::string_view latin1) {
    latin1 = latin1.substr(0, lengthBeforeNul(latin1));
    // An empty text is no cell, as an empty field is.
    if (latin1.empty())
        return true;
    return sink.setText(row, column, latin1);
}

bool keepReading(CellSink &sink, std::uint64_t done, std::uint64_t total, ReadError &error) {
    if (sink.advance(done, total))
        return true;
    error = cancelledError();
    return false;
}

} // namespace xls
