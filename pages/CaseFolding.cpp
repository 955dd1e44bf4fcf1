#include "pages/CaseFolding.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

namespace {
// Full folding lengthens a text at most threefold ([Unicode] CaseFolding.txt).
constexpr qsizetype maximumGrowth = 3;
} // namespace

QString foldCase(const QString &text) {
    if (text.isEmpty())
        return text;
    QString folded(text.size() * maximumGrowth, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        u_strFoldCase(reinterpret_cast<UChar *>(folded.data()), int32_t(folded.size()),
                      reinterpret_cast<const UChar *>(text.constData()), int32_t(text.size()),
                      U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status))
        return text.toCaseFolded();
    folded.truncate(length);
    return folded;
}
