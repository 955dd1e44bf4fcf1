#include "pages/LabelCursor.h"
#include "pages/LabelSearch.h"

#include <QTest>

#include <climits>
#include <optional>

namespace {

using Entries = QList<std::pair<QString, int>>;

LabelMap labelsOf(const Entries &entries) {
    LabelMap labels;
    for (const auto &[name, quantity] : entries)
        labels.insert(name, quantity);
    return labels;
}

// Up to count names from the cursor, each with its copy number.
QStringList take(LabelCursor cursor, int count) {
    QStringList names;
    for (; !cursor.atEnd() && names.size() < count; cursor.next())
        names << QStringLiteral("%1:%2").arg(cursor.copyNumber()).arg(cursor.name());
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Entries)

class TestLabelSequence : public QObject {
    Q_OBJECT

private slots:
    void cursorWalksCopies_data();
    void cursorWalksCopies();
    void cursorSkipsHugeQuantitiesByArithmetic();
    void firstCopyOfMatch_data();
    void firstCopyOfMatch();
    void highlight_data();
    void highlight();
};

void TestLabelSequence::cursorWalksCopies_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<qint64>("firstCopy");
    QTest::addColumn<QStringList>("copies");

    const Entries three = {{"A", 2}, {"B", -2}, {"C", 0}, {"D", 3}};
    // C's quantity 0 is stored as such here; the list builder turns a 0 cell into 1.
    QTest::newRow("from the start")
        << three << qint64(0) << QStringList{"0:A", "1:A", "2:D", "3:D", "4:D"};
    QTest::newRow("inside the first entry")
        << three << qint64(1) << QStringList{"1:A", "2:D", "3:D", "4:D"};
    QTest::newRow("at an entry's start") << three << qint64(2) << QStringList{"2:D", "3:D", "4:D"};
    QTest::newRow("last copy") << three << qint64(4) << QStringList{"4:D"};
    QTest::newRow("past the end") << three << qint64(5) << QStringList{};
    QTest::newRow("far past the end") << three << qint64(1LL << 40) << QStringList{};
    QTest::newRow("negative start is the start")
        << Entries{{"A", 1}} << qint64(-3) << QStringList{"0:A"};
    QTest::newRow("no entries") << Entries{} << qint64(0) << QStringList{};
    QTest::newRow("only entries without copies")
        << Entries{{"A", -1}, {"B", -5}} << qint64(0) << QStringList{};
    QTest::newRow("60 copies, second page of 56") << Entries{{"X", 50}, {"Y", 10}} << qint64(56)
                                                  << QStringList{"56:Y", "57:Y", "58:Y", "59:Y"};
}

void TestLabelSequence::cursorWalksCopies() {
    QFETCH(Entries, entries);
    QFETCH(qint64, firstCopy);
    QFETCH(QStringList, copies);
    const LabelMap labels = labelsOf(entries);
    QCOMPARE(take(LabelCursor(labels, firstCopy), 100), copies);
}

void TestLabelSequence::cursorSkipsHugeQuantitiesByArithmetic() {
    // Walking these copies one by one would take billions of steps.
    QList<std::pair<QString, int>> entries;
    for (int i = 0; i < 1000; ++i)
        entries.append({QStringLiteral("N%1").arg(i), INT_MAX});
    const LabelMap labels = labelsOf(entries);
    const qint64 lastCopy = qint64(INT_MAX) * 1000 - 1;
    QCOMPARE(take(LabelCursor(labels, lastCopy - 1), 5),
             (QStringList{QStringLiteral("%1:N999").arg(lastCopy - 1),
                          QStringLiteral("%1:N999").arg(lastCopy)}));
    const qint64 startOfSecond = qint64(INT_MAX);
    QCOMPARE(take(LabelCursor(labels, startOfSecond - 1), 2),
             (QStringList{QStringLiteral("%1:N0").arg(startOfSecond - 1),
                          QStringLiteral("%1:N1").arg(startOfSecond)}));
}

void TestLabelSequence::firstCopyOfMatch_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("copy"); // -1: no match

    const Entries people = {{"Anna", 3}, {"Bert", 1}, {"anna", 2}, {"Johanna", 1}};
    QTest::newRow("first of several") << people << "anna" << qint64(0);
    QTest::newRow("inside the name") << people << "ert" << qint64(3);
    QTest::newRow("any letter case") << people << "JOHAN" << qint64(6);
    QTest::newRow("empty text: first entry") << people << "" << qint64(0);
    QTest::newRow("no match") << people << "Zoe" << qint64(-1);
    QTest::newRow("full case folding")
        << Entries{{"Anna", 2}, {QString::fromUtf8("Hauptstraße"), 1}} << "STRASSE" << qint64(2);
    QTest::newRow("57th copy is on page 2")
        << Entries{{"Erster", 56}, {"Zweiter", 1}} << "zweit" << qint64(56);
    QTest::newRow("a name without copies is not found")
        << Entries{{"Anna", 56}, {"Otto", -2}} << "otto" << qint64(-1);
    QTest::newRow("skipped over a name without copies")
        << Entries{{"Otto", -2}, {"Anna", 3}, {"Ottilie", 1}} << "ott" << qint64(3);
    QTest::newRow("counted past huge quantities")
        << Entries{{"A", INT_MAX}, {"B", INT_MAX}, {"C", 1}} << "c" << qint64(INT_MAX) * 2;
}

void TestLabelSequence::firstCopyOfMatch() {
    QFETCH(Entries, entries);
    QFETCH(QString, text);
    QFETCH(qint64, copy);
    const std::optional<std::int64_t> found = firstCopyMatching(labelsOf(entries), text);
    QCOMPARE(found.value_or(-1), copy);
}

void TestLabelSequence::highlight_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("highlighted");
    QTest::newRow("empty text highlights nothing") << "Anna"
                                                   << "" << false;
    QTest::newRow("start") << "Anna"
                           << "an" << true;
    QTest::newRow("middle, other case") << "Johanna"
                                        << "HAN" << true;
    QTest::newRow("umlaut in other case")
        << QString::fromUtf8("Jürgen Groß") << QString::fromUtf8("ÜRG") << true;
    QTest::newRow("ss finds sharp s") << QString::fromUtf8("Straße") << "STRASSE" << true;
    QTest::newRow("sharp s finds ss") << "STRASSE" << QString::fromUtf8("straße") << true;
    QTest::newRow("dotted capital I contains i") << QString::fromUtf8("İlker") << "i" << true;
    QTest::newRow("final sigma in any case")
        << QString::fromUtf8("ΟΔΥΣΣΕΥΣ") << QString::fromUtf8("οδυσσευς") << true;
    QTest::newRow("not contained") << "Bert"
                                   << "an" << false;
}

void TestLabelSequence::highlight() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, highlighted);
    QCOMPARE(highlightsName(name, text), highlighted);
}

QTEST_APPLESS_MAIN(TestLabelSequence)
#include "test_labelsequence.moc"
