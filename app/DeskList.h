#pragma once

#include "app/DeskRecord.h"
#include "import/ImportedTable.h"
#include "pages/LabelMap.h"
#include "pages/LabelSource.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// One person at the desk: their label as the list gives it, where it came
// from, and who they are to the record.
struct DeskPerson {
    PersonKey key;
    LabelEntry label;
    int row = -1;       // the table row; -1 for a late registration
    int lateIndex = -1; // which late registration, or -1
    QString folded;     // every line, the corrected ones too, for the search
};

// The people of a list at the reception desk: one per row that gives a label
// (equal labels are people of their own), then the late registrations, with
// the record's marks and corrections. It finds people by any part of any
// line, prints nothing itself and exports the list as CSV.
class DeskList {
public:
    // Reads the people of a table as the label choice makes their labels,
    // ignoring quantities; another list path opens that list's record.
    void setList(const QString &listPath, const ImportedTable &table, const QStringList &captions,
                 const LabelChoice &choice);
    // Read from the table when first asked for after the list changed.
    const QList<DeskPerson> &people() const;
    const QStringList &captions() const { return columnCaptions; }
    const DeskRecord &record() const { return kept; }

    // The people any of whose lines contains the text in any letter case, in
    // list order; everyone for an empty text.
    QList<qsizetype> find(const QString &text) const;
    // The label a person's badge prints: the correction, or the list's.
    LabelEntry labelToPrint(qsizetype person) const;
    std::optional<QDateTime> markOf(qsizetype person) const;
    std::optional<QStringList> correctionOf(qsizetype person) const;
    qsizetype printedCount() const;
    // The table rows of the people whose badges were printed.
    QSet<int> printedRows() const;

    void markPrinted(qsizetype person, const QDateTime &time);
    // Takes back the last mark; answers the person it was, or -1.
    qsizetype undoLastMark();
    // Registers a person with a value for each caption (in caption order)
    // and answers their place among the people, or -1 when the values give
    // no label.
    qsizetype addLateRegistration(const QStringList &values);
    void correct(qsizetype person, const QStringList &lines);

    // The list as German Excel opens it (UTF-8 with BOM, ";", CRLF, fields
    // quoted as RFC 4180 says): the captions and "Status", "Zeit",
    // "Korrektur", a line for each person of the file, then one for each late
    // registration.
    QByteArray exportCsv() const;

private:
    void rebuildPeople() const;
    // The label a late registration's fields give; none when it gives none.
    std::optional<LabelEntry> lateLabel(const LateFields &fields) const;
    void addPerson(DeskPerson person, QHash<QStringList, int> &seen) const;
    QStringList csvLine(const QStringList &cells, const DeskPerson &person) const;

    DeskRecord kept;
    ImportedTable sheet;
    QStringList columnCaptions;
    LabelChoice madeWith;
    mutable QList<DeskPerson> persons;
    mutable bool peopleKnown = false;
};
