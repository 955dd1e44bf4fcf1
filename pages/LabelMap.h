#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>

// One distinct name and how many copies of its label to print.
struct LabelEntry {
    QString name;
    int quantity = 0;
    // The name case-folded once, for the filter and the search.
    QString foldedName;
};

// The labels to show and print: name -> quantity, in the order the names were
// first entered. Entering a name again replaces its quantity but keeps its
// place, so the same sheet always gives the same sequence of labels.
class LabelMap {
public:
    using const_iterator = QList<LabelEntry>::const_iterator;

    // Enters a name at the end, or replaces the quantity of a name entered before.
    void insert(const QString &name, int quantity);
    // Enters an entry of another map at the end; its name must not be entered yet.
    void append(const LabelEntry &entry);
    void clear();
    void reserve(qsizetype names);

    bool isEmpty() const { return entries.isEmpty(); }
    qsizetype size() const { return entries.size(); }
    bool contains(const QString &name) const { return positions.contains(name); }
    // The quantity of a name, 0 for a name that is not entered.
    int value(const QString &name) const;
    const LabelEntry &at(qsizetype index) const { return entries.at(index); }

    const_iterator begin() const { return entries.cbegin(); }
    const_iterator end() const { return entries.cend(); }

    // Copies of all labels: the sum of the quantities of 1 or more. A quantity
    // below 1 prints nothing and so counts nothing.
    std::int64_t totalCopies() const { return copies; }
    // Names whose quantity is below 1: they print no label.
    qsizetype namesWithoutCopies() const { return withoutCopies; }

private:
    QList<LabelEntry> entries;
    QHash<QString, qsizetype> positions;
    std::int64_t copies = 0;
    qsizetype withoutCopies = 0;
};

// The number of labels an entry prints.
inline std::int64_t copiesOf(const LabelEntry &entry) {
    return entry.quantity > 0 ? entry.quantity : 0;
}
