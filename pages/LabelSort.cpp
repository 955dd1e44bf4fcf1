#include "pages/LabelSort.h"

#include "pages/LabelTemplate.h"

#include <unicode/ucol.h>

#include <QByteArray>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

constexpr int captionRow = 0;

// ICU's collation for German, turned into one sort key per text so that
// sorting compares bytes instead of collating each pair again.
class GermanCollation {
public:
    GermanCollation() {
        UErrorCode status = U_ZERO_ERROR;
        collator.reset(ucol_open("de", &status));
        if (U_FAILURE(status))
            collator.reset();
        if (collator)
            ucol_setAttribute(collator.get(), UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    }

    QByteArray sortKey(const QString &text) const {
        if (!collator)
            return text.toUtf8();
        const auto *chars = reinterpret_cast<const UChar *>(text.utf16());
        QByteArray key(int(text.size()) * 4 + 16, Qt::Uninitialized);
        int needed = ucol_getSortKey(collator.get(), chars, int(text.size()),
                                     reinterpret_cast<uint8_t *>(key.data()), int(key.size()));
        if (needed > key.size()) {
            key.resize(needed);
            needed = ucol_getSortKey(collator.get(), chars, int(text.size()),
                                     reinterpret_cast<uint8_t *>(key.data()), int(key.size()));
        }
        key.resize(std::max(needed, 0));
        return key;
    }

private:
    struct Close {
        void operator()(UCollator *opened) const { ucol_close(opened); }
    };
    std::unique_ptr<UCollator, Close> collator;
};

// One label's value under one key.
struct KeyValue {
    bool empty = true;
    QByteArray key;
};

// Negative, zero or positive as a comes before, with or after b.
int compare(const KeyValue &a, const KeyValue &b, bool descending) {
    if (a.empty || b.empty)
        return int(a.empty) - int(b.empty);
    const int order = a.key.compare(b.key);
    return descending ? -order : order;
}

} // namespace

LabelMap sortedLabels(const LabelMap &labels, const ImportedTable &table,
                      const QList<SortKey> &keys) {
    QList<SortKey> used;
    for (const SortKey &key : keys)
        if (key.column >= 0)
            used << key;
    if (used.isEmpty())
        return labels;
    const GermanCollation collation;
    // values[k][i]: the value of key k for label i.
    QList<QList<KeyValue>> values;
    for (const SortKey &key : used) {
        const ImportedColumn column = table.value(key.column);
        QList<KeyValue> keyValues;
        keyValues.reserve(labels.size());
        for (const LabelEntry &label : labels) {
            const QString text = column.value(label.row);
            keyValues.append(isBlank(text) ? KeyValue{}
                                           : KeyValue{false, collation.sortKey(text.trimmed())});
        }
        values << keyValues;
    }
    QList<qsizetype> order(labels.size());
    std::iota(order.begin(), order.end(), 0);
    const auto firstSorted = std::stable_partition(
        order.begin(), order.end(), [&](qsizetype i) { return labels.at(i).row == captionRow; });
    std::stable_sort(firstSorted, order.end(), [&](qsizetype a, qsizetype b) {
        for (qsizetype k = 0; k < used.size(); ++k)
            if (const int c =
                    compare(values.at(k).at(a), values.at(k).at(b), used.at(k).descending);
                c != 0)
                return c < 0;
        return false;
    });
    LabelMap sorted;
    sorted.reserve(labels.size());
    for (qsizetype index : order)
        sorted.append(labels.at(index));
    return sorted;
}
