#include "app/DeskList.h"

#include "pages/CaseFolding.h"
#include "pages/LabelTemplate.h"

#include <QLocale>

namespace {

constexpr int captionRow = 0;

QStringList linesOf(const LabelEntry &label) {
    return QStringList{label.name} + label.moreLines;
}

LabelEntry withLines(LabelEntry label, const QStringList &lines) {
    label.name = lines.value(0);
    label.foldedName = foldCase(label.name);
    label.moreLines = lines.mid(1);
    return label;
}

// Whether Excel would take a text for a formula: one that begins with =, +,
// - or @ (or a tab or line break before one) and is not a plain number.
bool readAsFormula(const QString &text) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !starts.contains(text.front()))
        return false;
    bool germanNumber = false;
    bool number = false;
    QLocale(QLocale::German).toDouble(text, &germanNumber);
    text.toDouble(&number);
    return !germanNumber && !number;
}

// A field as RFC 4180 writes it: quoted when it holds the delimiter, a quote
// or a line break, its quotes doubled. A text Excel would run as a formula
// (a name typed as "=HYPERLINK(...)" at the desk) gets an apostrophe first,
// so it opens as the text it is.
QString csvField(const QString &value) {
    static const QString special = QStringLiteral(";\"\r\n");
    const QString text = readAsFormula(value) ? QLatin1Char('\'') + value : value;
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray csvRecord(const QStringList &fields) {
    QStringList written;
    for (const QString &field : fields)
        written << csvField(field);
    return written.join(QLatin1Char(';')).toUtf8() + "\r\n";
}

} // namespace

void DeskList::setList(const QString &listPath, const ImportedTable &table,
                       const QStringList &captions, const LabelChoice &choice) {
    if (DeskRecord::storagePath(listPath) != DeskRecord::storagePath(kept.listPath()))
        kept.open(listPath);
    sheet = table;
    columnCaptions = captions;
    madeWith = choice;
    // A person is a row: quantities are for printing the list, not the desk.
    madeWith.quantityColumn = LabelChoice::noColumn;
    madeWith.mergeEqual = false;
    peopleKnown = false;
}

const QList<DeskPerson> &DeskList::people() const {
    if (!peopleKnown)
        rebuildPeople();
    return persons;
}

void DeskList::rebuildPeople() const {
    persons.clear();
    peopleKnown = true;
    QHash<QStringList, int> seen;
    for (const LabelEntry &label : LabelSource(sheet, madeWith).filtered(QString()))
        addPerson({{}, label, label.row, -1, {}}, seen);
    const QList<LateFields> &late = kept.lateRegistrations();
    for (int index = 0; index < late.size(); ++index)
        if (const std::optional<LabelEntry> label = lateLabel(late.at(index)))
            addPerson({{}, *label, -1, index, {}}, seen);
}

void DeskList::addPerson(DeskPerson person, QHash<QStringList, int> &seen) const {
    const QStringList lines = linesOf(person.label);
    person.key = {lines, seen[lines]++};
    person.label.quantity = 1;
    const std::optional<QStringList> corrected = kept.correctionOf(person.key);
    person.folded = foldCase((corrected ? lines + *corrected : lines).join(QLatin1Char('\n')));
    persons.append(person);
}

std::optional<LabelEntry> DeskList::lateLabel(const LateFields &fields) const {
    // The fields as a list of one person under the list's captions.
    ImportedTable one;
    for (int column = 0; column < columnCaptions.size(); ++column) {
        ImportedColumn &cells = one[column];
        cells.insert(captionRow, columnCaptions.at(column));
        const QString value = fields.value(columnName(columnCaptions, column));
        if (!value.isEmpty())
            cells.insert(captionRow + 1, value);
    }
    LabelChoice choice = madeWith;
    choice.skipCaptions = true;
    const LabelMap labels = LabelSource(one, choice).filtered(QString());
    return labels.isEmpty() ? std::nullopt : std::optional<LabelEntry>(labels.at(0));
}

QList<qsizetype> DeskList::find(const QString &text) const {
    const QString folded = foldCase(text);
    QList<qsizetype> found;
    const QList<DeskPerson> &everyone = people();
    for (qsizetype index = 0; index < everyone.size(); ++index)
        if (everyone.at(index).folded.contains(folded))
            found << index;
    return found;
}

LabelEntry DeskList::labelToPrint(qsizetype person) const {
    const DeskPerson &chosen = people().at(person);
    const std::optional<QStringList> corrected = kept.correctionOf(chosen.key);
    return corrected ? withLines(chosen.label, *corrected) : chosen.label;
}

std::optional<QDateTime> DeskList::markOf(qsizetype person) const {
    return kept.markOf(people().at(person).key);
}

std::optional<QStringList> DeskList::correctionOf(qsizetype person) const {
    return kept.correctionOf(people().at(person).key);
}

qsizetype DeskList::printedCount() const {
    // Without a mark the people need not be read: the status line asks this
    // after every import and filter.
    if (!kept.hasMarks())
        return 0;
    const QList<DeskPerson> &everyone = people();
    return std::count_if(everyone.begin(), everyone.end(), [this](const DeskPerson &person) {
        return kept.markOf(person.key).has_value();
    });
}

QSet<int> DeskList::printedRows() const {
    QSet<int> rows;
    if (!kept.hasMarks())
        return rows;
    for (const DeskPerson &person : people())
        if (person.row >= 0 && kept.markOf(person.key))
            rows.insert(person.row);
    return rows;
}

void DeskList::markPrinted(qsizetype person, const QDateTime &time) {
    kept.mark(people().at(person).key, time);
}

qsizetype DeskList::undoLastMark() {
    const std::optional<PersonKey> undone = kept.undoLastMark();
    if (!undone)
        return -1;
    const QList<DeskPerson> &everyone = people();
    const auto found =
        std::find_if(everyone.begin(), everyone.end(),
                     [&](const DeskPerson &person) { return person.key == *undone; });
    return found == everyone.end() ? -1 : found - everyone.begin();
}

qsizetype DeskList::addLateRegistration(const QStringList &values) {
    LateFields fields;
    for (int column = 0; column < columnCaptions.size(); ++column)
        if (!isBlank(values.value(column)))
            fields.insert(columnName(columnCaptions, column), values.value(column).trimmed());
    if (!lateLabel(fields))
        return -1;
    kept.addLateRegistration(fields);
    peopleKnown = false;
    return people().size() - 1;
}

void DeskList::correct(qsizetype person, const QStringList &lines) {
    kept.setCorrection(people().at(person).key, lines);
    peopleKnown = false;
}

QStringList DeskList::csvLine(const QStringList &cells, const DeskPerson &person) const {
    const std::optional<QDateTime> printed = kept.markOf(person.key);
    const std::optional<QStringList> corrected = kept.correctionOf(person.key);
    return cells + QStringList{printed ? QStringLiteral("gedruckt") : QString(),
                               printed ? printed->toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
                                       : QString(),
                               corrected ? LabelTemplate::joinLines(*corrected) : QString()};
}

QByteArray DeskList::exportCsv() const {
    QByteArray csv("\xEF\xBB\xBF");
    csv += csvRecord(columnCaptions + QStringList{QStringLiteral("Status"), QStringLiteral("Zeit"),
                                                  QStringLiteral("Korrektur")});
    QList<const DeskPerson *> late;
    for (const DeskPerson &person : people()) {
        if (person.lateIndex >= 0) {
            late << &person;
            continue;
        }
        // The caption row, when it prints as a label, is the header already.
        if (person.row <= captionRow)
            continue;
        QStringList cells;
        for (int column = 0; column < columnCaptions.size(); ++column)
            cells << sheet.value(column).value(person.row);
        csv += csvRecord(csvLine(cells, person));
    }
    const QList<LateFields> &registered = kept.lateRegistrations();
    for (const DeskPerson *person : late) {
        QStringList cells;
        for (int column = 0; column < columnCaptions.size(); ++column)
            cells << registered.at(person->lateIndex).value(columnName(columnCaptions, column));
        csv += csvRecord(csvLine(cells, *person));
    }
    return csv;
}
