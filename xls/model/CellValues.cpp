#include "xls/model/CellValues.h"

#include "xls/biff/BiffConstants.h"
#include "xls/biff/RKValue.h"

#include <algorithm>
#include <string>

namespace {
constexpr char16_t kLastLatin1 = u'\xFF';
}

void setRkValue(ExcelCell &cell, std::uint32_t rk) {
    if (!ZAreda::rkIsInteger(rk)) {
        cell.setDouble(ZAreda::rkToDouble(rk));
        return;
    }
    if ((rk & ZAreda::kRkDividedBy100) == 0) {
        cell.setInteger(ZAreda::rkToInteger(rk));
        return;
    }
    const std::int32_t hundredths = std::int32_t(rk) >> ZAreda::kRkValueShift;
    if (hundredths % 100 == 0)
        cell.setInteger(hundredths / 100);
    else
        cell.setDouble(hundredths / 100.0);
}

void setTextValue(ExcelCell &cell, std::u16string_view text) {
    text = text.substr(0, std::min(text.size(), text.find(u'\0')));
    if (std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit <= kLastLatin1; })) {
        std::string narrow(text.begin(), text.end());
        cell.setString(narrow.data(), narrow.size());
        return;
    }
    cell.setWString(reinterpret_cast<const std::uint16_t *>(text.data()), text.size());
}
