// Small conversions shared by the compound file tests.
#pragma once

#include "support/writers/CompoundWriter.h"
#include "xls/compound/CompoundFile.h"

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

namespace compoundtest {

inline QByteArray toByteArray(const std::vector<std::uint8_t> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

inline std::vector<std::uint8_t> toVector(const QByteArray &bytes) {
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

inline std::u16string_view view(const QString &text) {
    return {reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())};
}

inline QString describe(const xls::CompoundFile &file) {
    return QString::fromStdString(file.lastError().describe());
}

inline int errorCode(const xls::CompoundFile &file) {
    return int(file.lastError().code);
}

inline QByteArray pattern(std::size_t size, std::uint32_t seed) {
    return toByteArray(testwriters::patternBytes(size, seed));
}

} // namespace compoundtest
