#pragma once

#include "xls/model/ExcelWorkbook.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Every cell with a value as "row,column,type,value" (doubles with 17
// significant digits), row by row.
inline QStringList dumpSheet(const ExcelWorksheet &sheet) {
    QStringList out;
    sheet.forEachValue([&out](std::uint32_t r, std::uint32_t c, const ExcelCell &cell) {
        QString value;
        QString type;
        switch (cell.type()) {
        case Integer:
            type = "integer", value = QString::number(cell.integerValue());
            break;
        case Double:
            type = "double", value = QString::number(cell.doubleValue(), 'g', 17);
            break;
        case String:
            type = "string", value = QString::fromLatin1(cell.string(), cell.stringLength());
            break;
        case WString:
            type = "wstring",
            value = QString::fromUtf16(reinterpret_cast<const char16_t *>(cell.wstring()),
                                       cell.stringLength());
            break;
        case Undefined:
            break;
        }
        out << QString("%1,%2,%3,%4").arg(r).arg(c).arg(type, value);
    });
    return out;
}

inline std::vector<std::uint8_t> bytesOf(const std::string &text) {
    return {text.begin(), text.end()};
}

// Loads bytes; the dump, or "error <code>" when refused.
inline QStringList loadAndDump(std::vector<std::uint8_t> bytes, int *code = nullptr) {
    ExcelWorkbook workbook;
    if (!workbook.loadMemory(std::move(bytes))) {
        if (code)
            *code = int(workbook.lastError().code);
        return {QString("error %1: %2")
                    .arg(int(workbook.lastError().code))
                    .arg(QString::fromStdString(workbook.lastError().describe()))};
    }
    if (code)
        *code = 0;
    return dumpSheet(*workbook.sheet(0));
}
