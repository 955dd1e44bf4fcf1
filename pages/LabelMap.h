#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// One distinct label and how many copies of it to print. The name is its
// first line, the one filter and search look at.
struct LabelEntry {
    QString name;
    int quantity = 0;
    // The name case-folded once, for the filter and the search.
    QString foldedName;
    QStringList moreLines; // the lines under the name, usually none
    // What the label's code encodes; empty without a code.
    QString codeText;
    // The value of the category column that picks the label's colour.
    QString category;
    // The table row (counted from 0) of the first row that gave the label.
    int row = -1;

    // A label of these lines, its name case-folded.
    static LabelEntry of(const QString &name, int quantity, const QStringList &moreLines = {});
};

// The labels to show and print: label -> quantity, in the order the labels
// were first entered. Entering a label again replaces its quantity but keeps
// its place, so the same sheet always gives the same sequence of labels. Two
// labels are the same when all their lines, their code text and their
// category are: one person's code never prints for another. Rows may also be entered as
// labels of their own (appendRow), equal or not; filter and search treat
// those entries like any other.
class LabelMap {
public:
    using const_iterator = QList<LabelEntry>::const_iterator;

    // Enters a label at the end, or replaces the quantity of one entered
    // before; answers whether it did the latter (the row merged into it).
    bool insert(const QString &name, int quantity, const QStringList &moreLines = {});
    // The same for a whole entry; one entered before keeps its row.
    bool insert(LabelEntry entry);
    // Enters a label at the end even when an equal one was entered before.
    void appendRow(const QString &name, int quantity, const QStringList &moreLines = {});
    // Enters an entry of another map at the end.
    void append(const LabelEntry &entry);
    void clear();
    void reserve(qsizetype names);

    bool isEmpty() const { return entries.isEmpty(); }
    qsizetype size() const { return entries.size(); }
    // A label of one line, or of its name and more lines, without code or category.
    bool contains(const QString &name, const QStringList &moreLines = {}) const {
        return positions.contains({name, moreLines, {}, {}});
    }
    // The quantity of a label (the first entered), 0 for one not entered.
    int value(const QString &name, const QStringList &moreLines = {}) const;
    const LabelEntry &at(qsizetype index) const { return entries.at(index); }

    // What makes labels equal, so that equal rows are one label: everything
    // but their quantity and row.
    struct Key {
        QString name;
        QStringList moreLines;
        QString codeText;
        QString category;
        static Key of(const LabelEntry &entry) {
            return {entry.name, entry.moreLines, entry.codeText, entry.category};
        }
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0) {
            return qHashMulti(seed, key.name, key.moreLines, key.codeText, key.category);
        }
    };

    const_iterator begin() const { return entries.cbegin(); }
    const_iterator end() const { return entries.cend(); }

    // Copies of all labels: the sum of the quantities of 1 or more. A quantity
    // below 1 prints nothing and so counts nothing.
    std::int64_t totalCopies() const { return copies; }
    // Names whose quantity is below 1: they print no label.
    qsizetype namesWithoutCopies() const { return withoutCopies; }

private:
    QList<LabelEntry> entries;
    QHash<Key, qsizetype> positions;
    std::int64_t copies = 0;
    qsizetype withoutCopies = 0;
};

// The number of labels an entry prints.
inline std::int64_t copiesOf(const LabelEntry &entry) {
    return entry.quantity > 0 ? entry.quantity : 0;
}
