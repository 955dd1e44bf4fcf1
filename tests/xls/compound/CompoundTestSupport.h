// Small conversions shared by the compound file tests.
#pragma once

#include "support/writers/CompoundWriter.h"
#include "xls/compound/CompoundFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace compoundtest {

// [MS-CFB] values spelled out here, apart from the reader's own constants,
// so that a wrong constant in the reader cannot hide in the tests.
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;

// Directory entry fields.
constexpr std::size_t kLeftField = 68;
constexpr std::size_t kRightField = 72;
constexpr std::size_t kChildField = 76;
constexpr std::size_t kStartField = 116;
constexpr std::size_t kSizeField = 120;

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
