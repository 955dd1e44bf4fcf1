#include "pages/LabelListBuilder.h"
#include "pages/LabelMap.h"
#include "pages/LabelQuantity.h"
#include "pages/LabelSource.h"
#include "tests/support/TableOf.h"

#include <QTest>

#include <climits>

namespace {

struct Row {
    int row;
    QString name;
    QString quantity; // empty: the quantity cell has no value
};

// A name column and a quantity column as the importer hands them over.
std::pair<ImportedColumn, ImportedColumn> columns(const QList<Row> &rows) {
    ImportedColumn names;
    ImportedColumn quantities;
    for (const Row &row : rows) {
        if (!row.name.isNull())
            names.insert(row.row, row.name);
        if (!row.quantity.isEmpty())
            quantities.insert(row.row, row.quantity);
    }
    return {names, quantities};
}

using Labels = QList<std::pair<QString, int>>;

Labels inOrder(const LabelMap &labels) {
    Labels entries;
    for (const LabelEntry &entry : labels)
        entries.append({entry.name, entry.quantity});
    return entries;
}

// Anna (3), Bert (no quantity), anna (2), Anna (5), Johanna (1).
QList<Row> annaBertAnna() {
    return {
        {0, "Anna", "3"}, {1, "Bert", ""}, {2, "anna", "2"}, {3, "Anna", "5"}, {4, "Johanna", "1"}};
}

// Each label as its lines joined by " / " and its quantity: "Anna / Nord x3".
QStringList shown(const LabelMap &labels) {
    QStringList entries;
    for (const LabelEntry &entry : labels)
        entries << (QStringList{entry.name} + entry.moreLines).join(" / ") +
                       QStringLiteral(" x%1").arg(entry.quantity);
    return entries;
}

LabelChoice choiceOf(const LabelTemplate &text, int quantityColumn, bool skipCaptions,
                     bool mergeEqual) {
    LabelChoice choice;
    choice.text = text;
    choice.quantityColumn = quantityColumn;
    choice.skipCaptions = skipCaptions;
    choice.mergeEqual = mergeEqual;
    return choice;
}

} // namespace

Q_DECLARE_METATYPE(Labels)

class TestLabelList : public QObject {
    Q_OBJECT

private slots:
    void quantityOfText_data();
    void quantityOfText();

    void laterRowReplacesQuantityKeepsPlace();
    void totalCountsOnlyPositiveQuantities_data();
    void totalCountsOnlyPositiveQuantities();
    void clearEmpties();

    void buildsInSheetOrder_data();
    void buildsInSheetOrder();
    void orderDoesNotDependOnHashOrder();
    void sourceFilteredAsRowsFiltered_data();
    void sourceFilteredAsRowsFiltered();
    void sourceServesOneFilterAfterAnother();
    void rowsAndNotes_data();
    void rowsAndNotes();
    void mergesAndCaptionRow_data();
    void mergesAndCaptionRow();
};

void TestLabelList::quantityOfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("quantity");
    QTest::newRow("integer") << "3" << 3;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("null") << QString() << 1;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("decimal") << "2.5" << 1;
    QTest::newRow("word") << "abc" << 1;
    QTest::newRow("negative") << "-2" << -2;
    QTest::newRow("large") << "1000000" << 1000000;
    QTest::newRow("beyond int") << "99999999999" << 1;
    QTest::newRow("int max") << QString::number(INT_MAX) << INT_MAX;
    QTest::newRow("number with unit") << "3 Stk" << 1;
    QTest::newRow("exponent as the importer writes it") << "1e+16" << 1;
}

void TestLabelList::quantityOfText() {
    QFETCH(QString, text);
    QFETCH(int, quantity);
    QCOMPARE(labelQuantity(text), quantity);
}

void TestLabelList::laterRowReplacesQuantityKeepsPlace() {
    LabelMap labels;
    labels.insert("Anna", 3);
    labels.insert("Bert", 1);
    labels.insert("anna", 2);
    labels.insert("Anna", 5);
    QCOMPARE(inOrder(labels), (Labels{{"Anna", 5}, {"Bert", 1}, {"anna", 2}}));
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels.value("Anna"), 5);
    QCOMPARE(labels.value("Carla"), 0);
    QVERIFY(labels.contains("anna"));
    QVERIFY(!labels.contains("ANNA"));
    QCOMPARE(labels.totalCopies(), 8);
}

void TestLabelList::totalCountsOnlyPositiveQuantities_data() {
    QTest::addColumn<Labels>("entries");
    QTest::addColumn<qint64>("total");
    QTest::newRow("empty") << Labels{} << qint64(0);
    QTest::newRow("negative adds nothing") << Labels{{"A", 3}, {"B", -2}} << qint64(3);
    QTest::newRow("negative replaced by positive")
        << Labels{{"A", -2}, {"B", 4}, {"A", 6}} << qint64(10);
    QTest::newRow("positive replaced by negative") << Labels{{"A", 6}, {"A", -1}} << qint64(0);
    QTest::newRow("sum beyond 32 bits")
        << Labels{{"A", INT_MAX}, {"B", INT_MAX}, {"C", 2}} << qint64(2) * INT_MAX + 2;
}

void TestLabelList::totalCountsOnlyPositiveQuantities() {
    QFETCH(Labels, entries);
    QFETCH(qint64, total);
    LabelMap labels;
    for (const auto &[name, quantity] : entries)
        labels.insert(name, quantity);
    QCOMPARE(labels.totalCopies(), total);
}

void TestLabelList::clearEmpties() {
    LabelMap labels;
    labels.insert("Anna", 3);
    labels.clear();
    QVERIFY(labels.isEmpty());
    QCOMPARE(labels.totalCopies(), 0);
    labels.insert("Bert", 2);
    QCOMPARE(inOrder(labels), (Labels{{"Bert", 2}}));
}

void TestLabelList::buildsInSheetOrder_data() {
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<Labels>("labels");

    QTest::newRow("Anna Bert anna")
        << annaBertAnna() << QString()
        << Labels{{"Anna", 5}, {"Bert", 1}, {"anna", 2}, {"Johanna", 1}};
    QTest::newRow("filter an: prefix, any case")
        << annaBertAnna() << "an" << Labels{{"Anna", 5}, {"anna", 2}};
    QTest::newRow("filter in capitals")
        << annaBertAnna() << "AN" << Labels{{"Anna", 5}, {"anna", 2}};
    QTest::newRow("filter matching nothing") << annaBertAnna() << "x" << Labels{};
    QTest::newRow("filter ss finds sharp s")
        << QList<Row>{{0, QString::fromUtf8("Straßer"), "1"}, {1, "Strauss", "1"}} << "STRASS"
        << Labels{{QString::fromUtf8("Straßer"), 1}};
    QTest::newRow("filter i finds dotted capital I")
        << QList<Row>{{0, QString::fromUtf8("İlker"), "1"}, {1, "Ida", "1"}, {2, "Otto", "1"}}
        << "i" << Labels{{QString::fromUtf8("İlker"), 1}, {"Ida", 1}};
    QTest::newRow("filter with umlaut")
        << QList<Row>{{0, "Ömer", "1"}, {1, "Otto", "1"}} << QString::fromUtf8("ö")
        << Labels{{QString::fromUtf8("Ömer"), 1}};
    QTest::newRow("quantities 2.5, abc, -2, 0")
        << QList<Row>{{0, "A", "2.5"}, {1, "B", "abc"}, {2, "C", "-2"}, {3, "D", "0"}} << QString()
        << Labels{{"A", 1}, {"B", 1}, {"C", -2}, {"D", 1}};
    QTest::newRow("caption row is a label") << QList<Row>{{0, "Name", "Anzahl"}, {1, "Anna", "2"}}
                                            << QString() << Labels{{"Name", 1}, {"Anna", 2}};
    QTest::newRow("empty cells between names: scanned to the highest row")
        << QList<Row>{{0, "Name", ""}, {1, "Anna", "2"}, {5, "Bert", "3"}, {9, "Carla", "4"}}
        << QString() << Labels{{"Name", 1}, {"Anna", 2}, {"Bert", 3}, {"Carla", 4}};
    QTest::newRow("quantity without a name is ignored")
        << QList<Row>{{0, QString(), "7"}, {1, "Anna", ""}} << QString() << Labels{{"Anna", 1}};
    QTest::newRow("empty name text is skipped")
        << QList<Row>{{0, "", "7"}, {1, "Anna", ""}} << QString() << Labels{{"Anna", 1}};
    QTest::newRow("spaces and punctuation kept")
        << QList<Row>{{0, " Anna ", "1"}, {1, "Anna", "1"}, {2, "Dr. Bert-Otto", "1"}} << QString()
        << Labels{{" Anna ", 1}, {"Anna", 1}, {"Dr. Bert-Otto", 1}};
    QTest::newRow("negative row index is not a sheet row")
        << QList<Row>{{-1, "Ghost", "1"}, {0, "Anna", "1"}} << QString() << Labels{{"Anna", 1}};
    QTest::newRow("no name column") << QList<Row>{} << QString() << Labels{};
}

void TestLabelList::buildsInSheetOrder() {
    QFETCH(QList<Row>, rows);
    QFETCH(QString, filter);
    QFETCH(Labels, labels);
    const auto [names, quantities] = columns(rows);
    QCOMPARE(inOrder(buildLabelMap(names, quantities, filter)), labels);
}

void TestLabelList::orderDoesNotDependOnHashOrder() {
    // Many rows, so a hash's iteration order would show; the list follows the rows.
    QList<Row> rows;
    Labels expected;
    for (int row = 0; row < 500; ++row) {
        const QString name = QStringLiteral("Name %1").arg(499 - row);
        rows.append({row, name, QString::number(row + 1)});
        expected.append({name, row + 1});
    }
    const auto [names, quantities] = columns(rows);
    QCOMPARE(inOrder(buildLabelMap(names, quantities, QString())), expected);
}

void TestLabelList::sourceFilteredAsRowsFiltered_data() {
    buildsInSheetOrder_data();
}

void TestLabelList::sourceFilteredAsRowsFiltered() {
    QFETCH(QList<Row>, rows);
    QFETCH(QString, filter);
    QFETCH(Labels, labels);
    const auto [names, quantities] = columns(rows);
    const LabelSource source(names, quantities);
    QCOMPARE(inOrder(source.filtered(filter)), labels);
    QCOMPARE(source.filtered(filter).totalCopies(),
             buildLabelMap(names, quantities, filter).totalCopies());
}

void TestLabelList::sourceServesOneFilterAfterAnother() {
    const auto [names, quantities] = columns(annaBertAnna());
    const LabelSource source(names, quantities);
    QCOMPARE(inOrder(source.filtered("b")), (Labels{{"Bert", 1}}));
    QCOMPARE(inOrder(source.filtered("an")), (Labels{{"Anna", 5}, {"anna", 2}}));
    LabelMap all = source.filtered(QString());
    QCOMPARE(all.size(), 4);
    // A list handed out is the caller's own.
    all.insert("Zoe", 9);
    QCOMPARE(source.filtered(QString()).size(), 4);
}

void TestLabelList::rowsAndNotes_data() {
    QTest::addColumn<QList<Row>>("rows");
    QTest::addColumn<bool>("withQuantities");
    QTest::addColumn<bool>("skipCaptionRow");
    QTest::addColumn<Labels>("labels");
    QTest::addColumn<qint64>("fractionalRows");
    QTest::addColumn<qint64>("namesWithoutCopies");

    const QList<Row> list = {{0, "Name", "Anzahl"}, {1, "Anna", "2"},   {2, "Bert", "2.5"},
                             {3, "Carla", "-1"},    {4, "Dora", "abc"}, {5, "Emil", ""}};
    QTest::newRow("captions give a label; their caption is not noted")
        << list << true << false
        << Labels{{"Name", 1}, {"Anna", 2}, {"Bert", 1}, {"Carla", -1}, {"Dora", 1}, {"Emil", 1}}
        << qint64(2) << qint64(1);
    QTest::newRow("caption row left off")
        << list << true << true
        << Labels{{"Anna", 2}, {"Bert", 1}, {"Carla", -1}, {"Dora", 1}, {"Emil", 1}} << qint64(2)
        << qint64(1);
    QTest::newRow("no quantity column: one label per name")
        << list << false << true
        << Labels{{"Anna", 1}, {"Bert", 1}, {"Carla", 1}, {"Dora", 1}, {"Emil", 1}} << qint64(0)
        << qint64(0);
    QTest::newRow("a later row lifts a name above 0")
        << QList<Row>{{1, "Anna", "-3"}, {2, "Anna", "0"}} << true << false << Labels{{"Anna", 1}}
        << qint64(0) << qint64(0);
    QTest::newRow("a later row takes a name below 1")
        << QList<Row>{{1, "Anna", "3"}, {2, "Anna", "-2"}, {3, "Bert", "-1"}} << true << false
        << Labels{{"Anna", -2}, {"Bert", -1}} << qint64(0) << qint64(2);
    QTest::newRow("numbers only, no quantity column")
        << QList<Row>{{0, "1", ""}, {1, "2", ""}, {2, "2226634", ""}} << false << false
        << Labels{{"1", 1}, {"2", 1}, {"2226634", 1}} << qint64(0) << qint64(0);
}

void TestLabelList::rowsAndNotes() {
    QFETCH(QList<Row>, rows);
    QFETCH(bool, withQuantities);
    QFETCH(bool, skipCaptionRow);
    QFETCH(Labels, labels);
    QFETCH(qint64, fractionalRows);
    QFETCH(qint64, namesWithoutCopies);
    const auto [names, quantities] = columns(rows);
    const LabelSource source(names, withQuantities ? &quantities : nullptr,
                             LabelRows{skipCaptionRow});
    const LabelMap all = source.filtered(QString());
    QCOMPARE(inOrder(all), labels);
    QCOMPARE(qint64(source.notes().rowsWithFractionalQuantity), fractionalRows);
    QCOMPARE(qint64(all.namesWithoutCopies()), namesWithoutCopies);
    // Filtering keeps the count of its own names.
    QCOMPARE(qint64(source.filtered("zzz").namesWithoutCopies()), qint64(0));
}

// What the window's choice makes of a table: merged or row by row, with or
// without the caption row, and what it notes for the status line.
void TestLabelList::mergesAndCaptionRow_data() {
    QTest::addColumn<QList<QStringList>>("rows"); // row 0 the captions, the quantity last
    QTest::addColumn<QString>("text");            // empty: column 0 as the name column
    QTest::addColumn<bool>("skipCaptions");
    QTest::addColumn<bool>("mergeEqual");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("rowsMerged");
    QTest::addColumn<bool>("captionRowPrinted");
    QTest::addColumn<int>("rowsBelowCaptions");

    const QList<QStringList> names{
        {"Name", "Anzahl"}, {"Anna", "2"}, {"Bert", "1"}, {"Anna", "5"}, {"Anna", "3"}};
    const QList<QStringList> people{{"Vorname", "Nachname", "Anzahl"},
                                    {"Anna", "Schmidt", "2"},
                                    {"Anna", "Schmidt", "4"},
                                    {" ", "\u3000", "7"},
                                    {"Bert", "Meier", "1"}};
    const QString fullName = QString::fromUtf8("«Vorname» «Nachname»");
    QTest::newRow("equal labels merged: counted, the last quantity")
        << names << QString() << true << true << QString() << QStringList{"Anna x3", "Bert x1"} << 2
        << false << 4;
    QTest::newRow("unticked: each row its own entry and quantity")
        << names << QString() << true << false << QString()
        << QStringList{"Anna x2", "Bert x1", "Anna x5", "Anna x3"} << 0 << false << 4;
    QTest::newRow("unticked: the filter keeps every row of a name")
        << names << QString() << true << false << "an"
        << QStringList{"Anna x2", "Anna x5", "Anna x3"} << 0 << false << 4;
    QTest::newRow("name column: the caption row prints")
        << names << QString() << false << true << QString()
        << QStringList{"Name x1", "Anna x3", "Bert x1"} << 2 << true << 4;
    QTest::newRow("label text: the caption row never prints")
        << people << fullName << false << true << QString()
        << QStringList{"Anna Schmidt x4", "Bert Meier x1"} << 1 << false << 3;
    QTest::newRow("blank names are no labels")
        << QList<QStringList>{{"Name"}, {" "}, {"\u00a0\t"}, {"\u3000"}, {"\n"}, {"Anna"}}
        << QString() << true << true << QString() << QStringList{"Anna x1"} << 0 << false << 1;
    QTest::newRow("label text of blank fields is no label")
        << people << fullName << true << false << QString()
        << QStringList{"Anna Schmidt x2", "Anna Schmidt x4", "Bert Meier x1"} << 0 << false << 3;
    QTest::newRow("no names below the captions, name column")
        << QList<QStringList>{{"Name", "Anzahl"}} << QString() << false << true << QString()
        << QStringList{"Name x1"} << 0 << true << 0;
    QTest::newRow("no names below the captions, label text")
        << QList<QStringList>{people.first()} << fullName << false << true << QString()
        << QStringList{} << 0 << false << 0;
}

void TestLabelList::mergesAndCaptionRow() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QFETCH(bool, skipCaptions);
    QFETCH(bool, mergeEqual);
    QFETCH(QString, filter);
    const ImportedTable table = tableOf(rows);
    const QStringList captions = rows.first();
    const int quantityColumn = captions.last() == "Anzahl" ? int(captions.size() - 1) : -1;
    const LabelTemplate labelText =
        text.isEmpty() ? LabelTemplate::ofColumn(0) : LabelTemplate::parse(text, captions);
    const LabelSource source(table, choiceOf(labelText, quantityColumn, skipCaptions, mergeEqual));
    QTEST(shown(source.filtered(filter)), "labels");
    QTEST(int(source.notes().rowsMerged), "rowsMerged");
    QTEST(source.notes().captionRowPrinted, "captionRowPrinted");
    QTEST(int(source.notes().rowsBelowCaptions), "rowsBelowCaptions");
}

QTEST_APPLESS_MAIN(TestLabelList)
#include "test_labellist.moc"
