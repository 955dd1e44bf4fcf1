#include "import/CellText.h"

#include "xls/model/ExcelCell.h"

#include <charconv>

namespace {

// The texts QString::number(v, 10) and QString::number(d, 'g', 6) make, in a
// fraction of their time: a large sheet has hundreds of thousands of numbers.
QString integerText(int value) {
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QString::fromLatin1(text, end - text);
}

QString doubleText(double value) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
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
