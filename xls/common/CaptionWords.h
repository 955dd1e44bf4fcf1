// Parts of the column captions a name list carries: the window looks for
// them to choose the name and the quantity column, and the delimited-text
// reader to choose between two delimiters that split the records equally well.
#pragma once

#include <array>
#include <string_view>

namespace xls {

// "Anz" covers "Anzahl".
inline constexpr std::array<std::u16string_view, 2> nameCaptionWords{u"name", u"Name"};
inline constexpr std::array<std::u16string_view, 2> quantityCaptionWords{u"Anz", u"Menge"};
inline constexpr std::array<std::u16string_view, 4> captionWords{
    nameCaptionWords[0], nameCaptionWords[1], quantityCaptionWords[0], quantityCaptionWords[1]};

} // namespace xls
