#include "import/CellText.h"

#include "xls/model/ExcelCell.h"

QString cellText(const ExcelCell &cell) {
    switch (cell.type()) {
    case Integer:
        return QString::number(cell.integerValue(), 10);
    case Double:
        return QString::number(cell.doubleValue(), 'g', 6);
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
