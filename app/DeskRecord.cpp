#include "app/DeskRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A record beyond this size is not ours to read: marks for a few thousand
// people take a few hundred kilobytes.
constexpr qint64 largestRecordBytes = 64 * 1024 * 1024;

QJsonArray toJson(const QStringList &texts) {
    return QJsonArray::fromStringList(texts);
}

QStringList stringsOf(const QJsonValue &value) {
    QStringList texts;
    for (const QJsonValue &text : value.toArray())
        texts << text.toString();
    return texts;
}

QJsonObject keyJson(const PersonKey &person) {
    return {{"label", toJson(person.label)}, {"occurrence", person.occurrence}};
}

PersonKey keyOf(const QJsonObject &object) {
    return {stringsOf(object.value("label")), object.value("occurrence").toInt()};
}

QJsonObject fieldsJson(const LateFields &fields) {
    QJsonObject object;
    for (auto field = fields.cbegin(); field != fields.cend(); ++field)
        object.insert(field.key(), field.value());
    return object;
}

LateFields fieldsOf(const QJsonObject &object) {
    LateFields fields;
    for (auto field = object.begin(); field != object.end(); ++field)
        fields.insert(field.key(), field.value().toString());
    return fields;
}

QJsonObject readObject(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestRecordBytes)
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The canonical path when the file exists, so that two spellings of one file
// share a record.
QString canonical(const QString &path) {
    const QString found = QFileInfo(path).canonicalFilePath();
    return found.isEmpty() ? QFileInfo(path).absoluteFilePath() : found;
}

} // namespace

QString DeskRecord::storagePath(const QString &listPath) {
    if (listPath.isEmpty())
        return {};
    const QByteArray id =
        QCryptographicHash::hash(canonical(listPath).toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/Empfang/") + QString::fromLatin1(id.left(32)) + QStringLiteral(".json");
}

void DeskRecord::open(const QString &listPath) {
    list = listPath.isEmpty() ? QString() : canonical(listPath);
    marks.clear();
    late.clear();
    corrections.clear();
    undoSteps.clear();
    lastSaveOk = true;
    const QJsonObject kept = readObject(storagePath(list));
    // A record whose list is another file (a hash collision) is not this one's.
    if (kept.value("list").toString() != list)
        return;
    for (const QJsonValue &value : kept.value("marks").toArray()) {
        const QJsonObject object = value.toObject();
        const QDateTime time = QDateTime::fromString(object.value("time").toString(), Qt::ISODate);
        if (time.isValid())
            marks.insert(keyOf(object), time);
    }
    for (const QJsonValue &value : kept.value("late").toArray())
        late << fieldsOf(value.toObject());
    for (const QJsonValue &value : kept.value("corrections").toArray())
        corrections.insert(keyOf(value.toObject()), stringsOf(value.toObject().value("lines")));
}

void DeskRecord::save() {
    const QString path = storagePath(list);
    if (path.isEmpty())
        return;
    QJsonArray markArray;
    for (auto m = marks.cbegin(); m != marks.cend(); ++m) {
        QJsonObject object = keyJson(m.key());
        object.insert("time", m.value().toString(Qt::ISODateWithMs));
        markArray << object;
    }
    QJsonArray lateArray;
    for (const LateFields &fields : late)
        lateArray << fieldsJson(fields);
    QJsonArray correctionArray;
    for (auto c = corrections.cbegin(); c != corrections.cend(); ++c) {
        QJsonObject object = keyJson(c.key());
        object.insert("lines", toJson(c.value()));
        correctionArray << object;
    }
    const QJsonObject record{{"list", list},
                             {"marks", markArray},
                             {"late", lateArray},
                             {"corrections", correctionArray}};
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    lastSaveOk = file.open(QIODevice::WriteOnly) &&
                 file.write(QJsonDocument(record).toJson()) >= 0 && file.commit();
}

std::optional<QDateTime> DeskRecord::markOf(const PersonKey &person) const {
    const auto found = marks.constFind(person);
    return found == marks.cend() ? std::nullopt : std::optional<QDateTime>(*found);
}

void DeskRecord::mark(const PersonKey &person, const QDateTime &time) {
    undoSteps.append({person, markOf(person)});
    marks.insert(person, time);
    save();
}

std::optional<PersonKey> DeskRecord::undoLastMark() {
    if (undoSteps.isEmpty())
        return std::nullopt;
    const UndoStep step = undoSteps.takeLast();
    if (step.before)
        marks.insert(step.person, *step.before);
    else
        marks.remove(step.person);
    save();
    return step.person;
}

void DeskRecord::addLateRegistration(const LateFields &fields) {
    late.append(fields);
    save();
}

std::optional<QStringList> DeskRecord::correctionOf(const PersonKey &person) const {
    const auto found = corrections.constFind(person);
    return found == corrections.cend() ? std::nullopt : std::optional<QStringList>(*found);
}

void DeskRecord::setCorrection(const PersonKey &person, const QStringList &lines) {
    corrections.insert(person, lines);
    save();
}
