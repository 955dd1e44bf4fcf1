#include "xls/common/CellSink.h"

#include <algorithm>

namespace xls {

namespace {
constexpr char16_t kLastLatin1 = u'\xFF';
}

bool putText(CellSink &sink, std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    text = text.substr(0, std::min(text.size(), text.find(u'\0')));
    if (!std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit <= kLastLatin1; }))
        return sink.setText(row, column, text);
    const std::string narrow(text.begin(), text.end());
    return sink.setText(row, column, std::string_view(narrow));
}

} // namespace xls
