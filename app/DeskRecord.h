#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// A person at the desk: the text of their label and, among the labels of
// that same text, which one it is (counted from 0 in list order). A label
// whose text changes is another person, so a list edited during the event
// keeps the marks of everyone else.
struct PersonKey {
    QStringList label;
    int occurrence = 0;
    friend bool operator==(const PersonKey &, const PersonKey &) = default;
    friend size_t qHash(const PersonKey &key, size_t seed = 0) {
        return qHashMulti(seed, key.label, key.occurrence);
    }
};

// A person registered at the desk: the value typed for each column, by the
// column's name as a label text writes it (columnName).
using LateFields = QMap<QString, QString>;

// What the reception desk keeps about one list file: when each person's label
// was printed, the late registrations and the corrected label texts. It lives
// in the application's data folder under the file's canonical path, never in
// or beside the list itself, and is written after every change, so a restart
// loses nothing. Without a list path it is kept in memory only.
class DeskRecord {
public:
    // Reads what was kept for a list file; empty when nothing was or what was
    // kept cannot be read. The marks to take back start afresh.
    void open(const QString &listPath);
    const QString &listPath() const { return list; }
    // The file a list's record is kept in, empty for no list.
    static QString storagePath(const QString &listPath);
    // Whether the last change reached the disk (always true in memory).
    bool saved() const { return lastSaveOk; }

    std::optional<QDateTime> markOf(const PersonKey &person) const;
    bool hasMarks() const { return !marks.isEmpty(); }
    // Marks a person's label printed at a time.
    void mark(const PersonKey &person, const QDateTime &time);
    bool canUndo() const { return !undoSteps.isEmpty(); }
    // Takes back the last mark (a reprint returns to the earlier time) and
    // answers whose it was.
    std::optional<PersonKey> undoLastMark();

    const QList<LateFields> &lateRegistrations() const { return late; }
    void addLateRegistration(const LateFields &fields);

    // The lines a person's label prints with instead of the list's.
    std::optional<QStringList> correctionOf(const PersonKey &person) const;
    void setCorrection(const PersonKey &person, const QStringList &lines);

private:
    void save();

    struct UndoStep {
        PersonKey person;
        std::optional<QDateTime> before;
    };

    QString list;
    QHash<PersonKey, QDateTime> marks;
    QList<LateFields> late;
    QHash<PersonKey, QStringList> corrections;
    QList<UndoStep> undoSteps;
    bool lastSaveOk = true;
};
