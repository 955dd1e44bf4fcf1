#include "xls/common/CellSink.h"

#include <algorithm>

namespace xls {

namespace {
constexpr char16_t kLastLatin1 = u'\xFF';
constexpr std::size_t kShortText = 256;
} // namespace

bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    // The model keeps texts NUL-terminated: a NUL ends the text, and a text
    // that a NUL leaves empty is no cell, as an empty field is.
    text = text.substr(0, std::min(text.size(), text.find(u'\0')));
    if (text.empty())
        return true;
    if (!std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit <= kLastLatin1; }))
        return sink.setText(row, column, text);
    // Most cell texts are short: narrowed on the stack, not in a string of its own.
    char shortText[kShortText];
    if (text.size() <= kShortText) {
        std::copy(text.begin(), text.end(), shortText);
        return sink.setText(row, column, std::string_view(shortText, text.size()));
    }
    const std::string narrow(text.begin(), text.end());
    return sink.setText(row, column, std::string_view(narrow));
}

} // namespace xls
