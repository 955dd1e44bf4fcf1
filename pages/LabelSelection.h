#pragma once

#include "pages/LabelMap.h"

#include <QList>
#include <QSet>

// The labels picked in the preview: entries of the label list shown, counted
// from 0, and the one clicked last, from which a range reaches.
class LabelSelection {
public:
    // How a click picks: the label alone (a click), the label added or taken
    // away (Ctrl), the labels from the last clicked one to it in list order
    // instead of the others (Shift) or beside them (Ctrl+Shift).
    enum class Click { Only, Toggle, Range, AddRange };

    void click(qsizetype entry, Click how);
    // Picks these labels instead of the others.
    void select(const QList<qsizetype> &entries);
    void clear();

    const QSet<qsizetype> &entries() const { return chosen; }
    bool isEmpty() const { return chosen.isEmpty(); }
    // The labels picked from the list, in its order, with their quantities.
    LabelMap picked(const LabelMap &labels) const;

private:
    QSet<qsizetype> chosen;
    qsizetype anchor = -1;
};
