// Helpers shared by the BIFF8 record tests.
#pragma once

#include "support/writers/BiffWriter.h"
#include "xls/biff/XLUnicodeRichExtendedString.h"
#include "xls/common/ByteCursor.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace bifftest {

using testwriters::ByteVector;

inline xls::ByteSpan span(const ByteVector &bytes) {
    return {bytes.data(), bytes.size()};
}

// The text of a string form, whichever width holds it.
inline QString text(const ZAreda::XLUnicodeRichExtendedString &s) {
    if (s.isWide())
        return QString::fromUtf16(s.wideText.data(), static_cast<qsizetype>(s.wideText.size()));
    return QString::fromLatin1(s.narrowText.data(), static_cast<qsizetype>(s.narrowText.size()));
}

inline std::u16string u16(const QString &s) {
    return std::u16string(reinterpret_cast<const char16_t *>(s.utf16()),
                          static_cast<std::size_t>(s.size()));
}

// A file under tests/data/ as bytes; empty when it cannot be read.
ByteVector readDataFile(const QString &name);

// Lines of a UTF-8 text file under tests/data/, with \\, \t, \n, \r undone.
QStringList readEscapedLines(const QString &name);

} // namespace bifftest

Q_DECLARE_METATYPE(testwriters::ByteVector)
Q_DECLARE_METATYPE(std::vector<std::uint32_t>)
