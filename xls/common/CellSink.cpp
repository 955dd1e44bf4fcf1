#include "xls/common/CellSink.h"

#include "xls/common/ByteWords.h"
#include "xls/common/LoadProgress.h"

namespace xls {

namespace {
constexpr char16_t kLastLatin1 = u'\xFF';
constexpr std::size_t kShortText = 256;

// A text cut at its first NUL, as the model keeps texts NUL-terminated: one
// left empty is no cell, as an empty field is.
template <typename Text>
bool putEnded(CellSink &sink, std::uint32_t row, std::uint32_t column, Text text) {
    return text.empty() || sink.setText(row, column, text);
}
} // namespace

bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    // One pass finds the end, tells Latin-1 and narrows short texts on the
    // stack.
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
        return putEnded(sink, row, column, text);
    if (length <= kShortText)
        return putEnded(sink, row, column, std::string_view(shortText, length));
    const std::string narrow(text.begin(), text.end());
    return putEnded(sink, row, column, std::string_view(narrow));
}

bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::string_view latin1) {
    return putEnded(sink, row, column, latin1.substr(0, lengthBeforeNul(latin1)));
}

bool keepReading(CellSink &sink, std::uint64_t done, std::uint64_t total, ReadError &error) {
    if (sink.advance(done, total))
        return true;
    error = cancelledError();
    return false;
}

} // namespace xls
