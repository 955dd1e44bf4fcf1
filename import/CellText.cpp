#include "import/CellText.h"

#include "xls/model/ExcelCell.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The texts QString::number(v, 10) and QString::number(d, 'g', 6) make, in a
// fraction of their time: a large sheet has hundreds of thousands of numbers.
QString integerText(int value) {
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QString::fromLatin1(text, end - text);
}

constexpr int significantDigits = 6;

// Whether the exact value lies halfway between two six-digit texts. to_chars
// then rounds to even; QString::number rounds away from zero. Forty digits
// show a binary fraction's expansion far enough to tell.
bool isDecimalTie(double value) {
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 40).ptr;
    const char *mantissa = digits + (value < 0 ? 1 : 0);
    // "d.ddddd5000...e+xx": the digit after the sixth significant one, at
    // index 7 past the point, is 5 and only zeros follow it.
    const char *exponent = std::find(mantissa, static_cast<const char *>(end), 'e');
    if (exponent - mantissa < 2 + significantDigits + 1 || mantissa[1 + significantDigits] != '5')
        return false;
    return std::all_of(mantissa + 2 + significantDigits, exponent, [](char c) { return c == '0'; });
}

QString doubleText(double value) {
    // A whole number within 32 bits is written as the integer it is, as
    // an integer cell would be (-0 included, which gives "0").
    if (value == std::trunc(value) && value >= double(std::numeric_limits<int>::min()) &&
        value <= double(std::numeric_limits<int>::max()))
        return integerText(int(value));
    if (std::isnan(value))
        return QStringLiteral("nan"); // whatever its sign bit, as QString::number
    if (std::isfinite(value) && isDecimalTie(value))
        value =
            std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
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
