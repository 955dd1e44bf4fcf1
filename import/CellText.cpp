#include "import/CellText.h"

#include "xls/model/ExcelCell.h"

#include <charconv>
#include <cmath>

namespace {

// std::to_chars writes the texts snprintf makes, in a fraction of their time:
// a large sheet has hundreds of thousands of numbers.
template <typename Integer> QString integerText(Integer value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QString::fromLatin1(text, end - text);
}

// Fifteen significant digits are what a double holds for certain: enough for
// customer and phone numbers stored as numbers, few enough that 0.1 + 0.2
// stays "0.3".
constexpr int significantDigits = 15;
constexpr double firstWithoutDigits = 1e15;

QString doubleText(double value) {
    // A whole number is written as its digits, like an integer cell; -0 as
    // "0", as a spreadsheet shows it.
    if (value == std::trunc(value) && std::fabs(value) < firstWithoutDigits)
        return integerText(static_cast<long long>(value));
    if (std::isnan(value))
        return QStringLiteral("nan"); // whatever its sign bit
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                                   significantDigits)
                         .ptr;
    return QString::fromLatin1(text, end - text);
}

} // namespace

QString cellText(const ExcelCell &cell) {
    switch (cell.type()) {
    case Integer:
        return integerText(cell.integerValue());
    case Double:
        return doubleText(cell.doubleValue());
    case String:
        return QString::fromLatin1(cell.string(), cell.stringLength());
    case WString:
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(cell.wstring()),
                                  cell.stringLength());
    case Undefined:
        break;
    }
    return {};
}
