#include "pages/LabelListBuilder.h"
#include "pages/LabelSource.h"
#include "pages/LabelTemplate.h"
#include "pages/LabelTextKey.h"
#include "pages/NameColumns.h"

#include <QTest>

#include <optional>

namespace {

// A table written as rows of cells, row 0 the captions; a null cell has no value.
ImportedTable tableOf(const QList<QStringList> &rows) {
    ImportedTable table;
    qsizetype columns = 0;
    for (const QStringList &row : rows)
        columns = std::max(columns, row.size());
    for (int column = 0; column < columns; ++column)
        table[column];
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows.at(row).size(); ++column)
            if (!rows.at(row).at(column).isNull())
                table[column].insert(row, rows.at(row).at(column));
    return table;
}

const QStringList registration{"Vorname", "Nachname", "Firma", "Anzahl"};

using Labels = QList<std::pair<QStringList, int>>;

Labels inOrder(const LabelMap &labels) {
    Labels entries;
    for (const LabelEntry &entry : labels)
        entries.append({QStringList{entry.name} + entry.moreLines, entry.quantity});
    return entries;
}

} // namespace

Q_DECLARE_METATYPE(Labels)
Q_DECLARE_METATYPE(std::optional<NameColumns>)

class TestLabelTemplate : public QObject {
    Q_OBJECT

private slots:
    void linesOfARow_data();
    void linesOfARow();
    void writtenBackAsRead_data();
    void writtenBackAsRead();
    void columnOfAName_data();
    void columnOfAName();
    void labelsOfATable_data();
    void labelsOfATable();
    void oneColumnGivesTheNameLabels_data();
    void oneColumnGivesTheNameLabels();
    void exampleIsTheFirstRowWithALabel_data();
    void exampleIsTheFirstRowWithALabel();
    void firstAndLastNameColumns_data();
    void firstAndLastNameColumns();
    void settingsKeyFollowsTheCaptions_data();
    void settingsKeyFollowsTheCaptions();
};

void TestLabelTemplate::linesOfARow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("cells"); // row 1 under the registration captions
    QTest::addColumn<QStringList>("lines");

    const QString nameAndCompany = QString::fromUtf8("«Vorname» «Nachname»|«Firma»");
    QTest::newRow("name and company")
        << nameAndCompany << QStringList{"Anna", "Schmidt", "Stadtwerke Nord"}
        << QStringList{"Anna Schmidt", "Stadtwerke Nord"};
    QTest::newRow("no first name: no leading space")
        << nameAndCompany << QStringList{QString(), "Schmidt", "Stadtwerke Nord"}
        << QStringList{"Schmidt", "Stadtwerke Nord"};
    QTest::newRow("empty first name text counts as none")
        << nameAndCompany << QStringList{"", "Schmidt", "X"} << QStringList{"Schmidt", "X"};
    QTest::newRow("no last name: no trailing space")
        << nameAndCompany << QStringList{"Anna", QString(), "X"} << QStringList{"Anna", "X"};
    QTest::newRow("no company: the empty line is dropped")
        << nameAndCompany << QStringList{"Anna", "Schmidt"} << QStringList{"Anna Schmidt"};
    QTest::newRow("only a company: it moves up to the first line")
        << nameAndCompany << QStringList{QString(), QString(), "Stadtwerke Nord"}
        << QStringList{"Stadtwerke Nord"};
    QTest::newRow("nothing at all") << nameAndCompany << QStringList{} << QStringList{};
    QTest::newRow("missing middle field: one space, not two")
        << QString::fromUtf8("«Firma» «Vorname» «Nachname»")
        << QStringList{QString(), "Schmidt", "Dr."} << QStringList{"Dr. Schmidt"};
    QTest::newRow("comma joins only two values")
        << QString::fromUtf8("«Nachname», «Vorname»") << QStringList{QString(), "Schmidt"}
        << QStringList{"Schmidt"};
    QTest::newRow("comma between both values")
        << QString::fromUtf8("«Nachname», «Vorname»") << QStringList{"Anna", "Schmidt"}
        << QStringList{"Schmidt, Anna"};
    QTest::newRow("literal text around a value")
        << QString::fromUtf8("Firma: «Firma» (Gast)") << QStringList{"A", "B", "Nord"}
        << QStringList{"Firma: Nord (Gast)"};
    QTest::newRow("literal text around no value: the line goes")
        << QString::fromUtf8("«Vorname»|Firma: «Firma» (Gast)") << QStringList{"Anna"}
        << QStringList{"Anna"};
    QTest::newRow("a line of literal text only")
        << QString::fromUtf8("Willkommen|«Vorname»") << QStringList{"Anna"}
        << QStringList{"Willkommen", "Anna"};
    QTest::newRow("caption that is not there gives nothing")
        << QString::fromUtf8("«Vorname» «Titel» «Nachname»") << QStringList{"Anna", "Schmidt"}
        << QStringList{"Anna Schmidt"};
    QTest::newRow("caption in another letter case")
        << QString::fromUtf8("«VORNAME» «nachname»") << QStringList{"Anna", "Schmidt"}
        << QStringList{"Anna Schmidt"};
    QTest::newRow("column by number")
        << QString::fromUtf8("«Spalte 3»: «Spalte 1»") << QStringList{"Anna", "Schmidt", "Nord"}
        << QStringList{"Nord: Anna"};
    QTest::newRow("spaces inside a value are the value's")
        << QString::fromUtf8("«Vorname» «Nachname»") << QStringList{"Anna  Maria", "Schmidt"}
        << QStringList{"Anna  Maria Schmidt"};
    QTest::newRow("a lone opening mark is literal")
        << QString::fromUtf8("«Vorname «Nachname»") << QStringList{"Anna", "Schmidt"}
        << QStringList{QString::fromUtf8("«Vorname Schmidt")};
    QTest::newRow("«» is literal") << QString::fromUtf8("«»«Vorname»") << QStringList{"Anna"}
                                   << QStringList{QString::fromUtf8("«»Anna")};
    QTest::newRow("a fourth line is not printed")
        << QString::fromUtf8("«Vorname»|«Nachname»|«Firma»|«Anzahl»")
        << QStringList{"Anna", "Schmidt", "Nord", "2"} << QStringList{"Anna", "Schmidt", "Nord"};
    QTest::newRow("empty text") << QString() << QStringList{"Anna"} << QStringList{};
    QTest::newRow("an escaped bar stays in its line")
        << QString::fromUtf8("«Vorname» \\| «Nachname»|«Firma»")
        << QStringList{"Anna", "Schmidt", "Nord"} << QStringList{"Anna | Schmidt", "Nord"};
    QTest::newRow("a line of white space alone is dropped")
        << QString::fromUtf8("«Vorname»|«Firma»") << QStringList{"Anna", "", "\u3000\u00a0"}
        << QStringList{"Anna"};
}

void TestLabelTemplate::linesOfARow() {
    QFETCH(QString, text);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, lines);
    const ImportedTable table = tableOf({registration, cells});
    QCOMPARE(LabelTemplate::parse(text, registration).labelLines(table, 1), lines);
}

void TestLabelTemplate::writtenBackAsRead_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<int>("surplusLines");

    QTest::newRow("by caption") << registration << QString::fromUtf8("«Vorname» «Nachname»|«Firma»")
                                << QString::fromUtf8("«Vorname» «Nachname»|«Firma»")
                                << QStringList{} << 0;
    QTest::newRow("letter case and spaces as the caption has them")
        << QStringList{" Firma "} << QString::fromUtf8("«firma»") << QString::fromUtf8("«Firma»")
        << QStringList{} << 0;
    QTest::newRow("a column without caption is written by number")
        << QStringList{"Name", ""} << QString::fromUtf8("«Spalte 2»")
        << QString::fromUtf8("«Spalte 2»") << QStringList{} << 0;
    QTest::newRow("a column by number that has a caption is written by it")
        << QStringList{"Name", "Firma"} << QString::fromUtf8("«Spalte 2»")
        << QString::fromUtf8("«Firma»") << QStringList{} << 0;
    QTest::newRow("two columns of one caption are written by number")
        << QStringList{"Name", "Name"} << QString::fromUtf8("«Spalte 2»|«Name»")
        << QString::fromUtf8("«Spalte 2»|«Name»") << QStringList{"Name"} << 0;
    QTest::newRow("a caption that is not there is kept as written")
        << registration << QString::fromUtf8("«Vorname» «Titel»|«Ort»")
        << QString::fromUtf8("«Vorname» «Titel»|«Ort»") << QStringList{"Titel", "Ort"} << 0;
    QTest::newRow("column number beyond the table")
        << QStringList{"Name"} << QString::fromUtf8("«Spalte 2»") << QString::fromUtf8("«Spalte 2»")
        << QStringList{"Spalte 2"} << 0;
    QTest::newRow("four and five lines") << registration << QString::fromUtf8("a|b|c|d|e")
                                         << QString::fromUtf8("a|b|c") << QStringList{} << 2;
    QTest::newRow("empty lines kept in the text") << registration << QString::fromUtf8("||x")
                                                  << QString::fromUtf8("||x") << QStringList{} << 0;
    QTest::newRow("an escaped bar is text of its line")
        << registration << QString::fromUtf8("«Vorname» \\| Gast|«Firma»")
        << QString::fromUtf8("«Vorname» \\| Gast|«Firma»") << QStringList{} << 0;
}

void TestLabelTemplate::writtenBackAsRead() {
    QFETCH(QStringList, captions);
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(QStringList, missing);
    QFETCH(int, surplusLines);
    const LabelTemplate read = LabelTemplate::parse(text, captions);
    QCOMPARE(read.text(captions), written);
    QCOMPARE(read.missingCaptions(), missing);
    QCOMPARE(read.surplusLines(), surplusLines);
    QCOMPARE(LabelTemplate::parse(written, captions), LabelTemplate::parse(written, captions));
    QCOMPARE(LabelTemplate::parse(written, captions).text(captions), written);
    // Lines given apart read as the text's lines do, bars and all.
    QCOMPARE(LabelTemplate::fromLines(LabelTemplate::splitLines(text), captions), read);
}

void TestLabelTemplate::columnOfAName_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");

    QTest::newRow("exact caption") << registration << "Firma" << 2;
    QTest::newRow("other letter case") << registration << "FIRMA" << 2;
    QTest::newRow("surrounding spaces") << registration << " Firma " << 2;
    QTest::newRow("not there") << registration << "Titel" << -1;
    QTest::newRow("number") << registration << "Spalte 4" << 3;
    QTest::newRow("number zero") << registration << "Spalte 0" << -1;
    QTest::newRow("number past the last") << registration << "Spalte 5" << -1;
    QTest::newRow("number with letters") << registration << "Spalte 2a" << -1;
    QTest::newRow("a number means its column, whatever caption looks like it")
        << QStringList{"A", "B", "Spalte 1"} << "Spalte 1" << 0;
    QTest::newRow("a caption like a number is named by its own number")
        << QStringList{"A", "B", "Spalte 1"} << "Spalte 3" << 2;
    QTest::newRow("exact case before other case") << QStringList{"name", "Name"} << "Name" << 1;
    QTest::newRow("other case matching two: none") << QStringList{"name", "Name"} << "NAME" << -1;
    QTest::newRow("empty caption by number") << QStringList{"A", "", "C"} << "Spalte 2" << 1;
    QTest::newRow("empty name") << QStringList{"A", "", "C"} << "" << -1;
}

void TestLabelTemplate::columnOfAName() {
    QFETCH(QStringList, captions);
    QFETCH(QString, name);
    QFETCH(int, column);
    QCOMPARE(columnOfName(captions, name), column);
    if (column >= 0)
        QCOMPARE(columnOfName(captions, columnName(captions, column)), column);
}

void TestLabelTemplate::labelsOfATable_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("skipCaptions");
    QTest::addColumn<Labels>("labels");

    const QString nameAndCompany = QString::fromUtf8("«Vorname» «Nachname»|«Firma»");
    const QList<QStringList> badges{registration,
                                    {"Anna", "Schmidt", "Stadtwerke Nord", "2"},
                                    {"Anna", "Schmidt", "Kreissparkasse", "1"},
                                    {"Bert", "Meier", QString(), QString()},
                                    {"Anna", "Schmidt", "Stadtwerke Nord", "3"},
                                    {QString(), QString(), "Nordbahn", "4"}};
    QTest::newRow("equal in all lines merge, the last quantity counts")
        << badges << nameAndCompany << QString() << false
        << Labels{{{"Anna Schmidt", "Stadtwerke Nord"}, 3},
                  {{"Anna Schmidt", "Kreissparkasse"}, 1},
                  {{"Bert Meier"}, 1},
                  {{"Nordbahn"}, 4}};
    QTest::newRow("the filter looks at the first line only")
        << badges << nameAndCompany << "anna" << false
        << Labels{{{"Anna Schmidt", "Stadtwerke Nord"}, 3},
                  {{"Anna Schmidt", "Kreissparkasse"}, 1}};
    QTest::newRow("a second line does not pass the filter")
        << badges << nameAndCompany << "Stadt" << false << Labels{};
    QTest::newRow("a company moved up to the first line passes")
        << badges << nameAndCompany << "Nord" << false << Labels{{{"Nordbahn"}, 4}};
    QTest::newRow("one line of two columns merges equal names")
        << badges << QString::fromUtf8("«Vorname» «Nachname»") << QString() << false
        << Labels{{{"Anna Schmidt"}, 3}, {{"Bert Meier"}, 1}};
    QTest::newRow("literal text only gives no label")
        << badges << "Hallo" << QString() << false << Labels{};
    QTest::newRow("rows found in any column, in row order, never the captions")
        << QList<QStringList>{{"A", "B"}, {QString(), "b1"}, {"a2"}, {QString(), "b3"}}
        << QString::fromUtf8("«A»|«B»") << QString() << false
        << Labels{{{"b1"}, 1}, {{"a2"}, 1}, {{"b3"}, 1}};
    QTest::newRow("caption row left off") << badges << nameAndCompany << QString() << true
                                          << Labels{{{"Anna Schmidt", "Stadtwerke Nord"}, 3},
                                                    {{"Anna Schmidt", "Kreissparkasse"}, 1},
                                                    {{"Bert Meier"}, 1},
                                                    {{"Nordbahn"}, 4}};
    QTest::newRow("no quantity column: every label once")
        << QList<QStringList>{{"Vorname", "Nachname"}, {"Anna", "Schmidt"}, {"Anna", "Schmidt"}}
        << QString::fromUtf8("«Vorname» «Nachname»") << QString() << true
        << Labels{{{"Anna Schmidt"}, 1}};
    QTest::newRow("the filter folds letter case fully")
        << QList<QStringList>{{"Strasse", "Ort"}, {QString::fromUtf8("Hauptstraße 1"), "Kiel"}}
        << QString::fromUtf8("«Strasse»|«Ort»") << "HAUPTSTRASSE" << true
        << Labels{{{QString::fromUtf8("Hauptstraße 1"), "Kiel"}, 1}};
}

void TestLabelTemplate::labelsOfATable() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QFETCH(QString, filter);
    QFETCH(bool, skipCaptions);
    QFETCH(Labels, labels);
    const ImportedTable table = tableOf(rows);
    const QStringList captions = captionsOf(table);
    const int quantityColumn = int(captions.indexOf("Anzahl"));
    const ImportedColumn quantities = table.value(quantityColumn);
    const LabelSource source(table, LabelTemplate::parse(text, captions),
                             quantityColumn >= 0 ? &quantities : nullptr, LabelRows{skipCaptions});
    const LabelMap filtered = source.filtered(filter);
    QCOMPARE(inOrder(filtered), labels);
    qint64 copies = 0;
    for (const auto &label : labels)
        copies += label.second;
    QCOMPARE(filtered.totalCopies(), copies);
}

// The untouched window reads one name column: its labels are the name labels,
// whichever way the template reads that column.
void TestLabelTemplate::oneColumnGivesTheNameLabels_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("the column alone") << QString::fromUtf8("«Name»");
    QTest::newRow("by number") << QString::fromUtf8("«Spalte 1»");
    QTest::newRow("with an empty line after it, row by row") << QString::fromUtf8("«Name»|");
    QTest::newRow("on the third line, moved up") << QString::fromUtf8("||«Name»");
}

void TestLabelTemplate::oneColumnGivesTheNameLabels() {
    QFETCH(QString, text);
    const ImportedTable table = tableOf({{"Name", "Anzahl"},
                                         {"Anna", "3"},
                                         {" Anna ", QString()},
                                         {"", "7"},
                                         {QString(), "5"},
                                         {"anna", "2"},
                                         {"Anna", "-1"},
                                         {"Dr. Bert  Otto", "x"},
                                         {"Carla\nZweite Zeile", "1"}});
    const ImportedColumn quantities = table.value(1);
    // The caption row left off: a template of more than the column never prints it.
    const LabelRows rows{true};
    const LabelMap byName = buildLabelMap(table.value(0), &quantities, QString(), rows);
    const LabelMap byTemplate =
        buildLabelMap(table, LabelTemplate::parse(text, captionsOf(table)), &quantities, rows);
    QCOMPARE(inOrder(byTemplate), inOrder(byName));
    QCOMPARE(byTemplate.totalCopies(), byName.totalCopies());
    QCOMPARE(inOrder(buildLabelMap(table, LabelTemplate::ofColumn(0), &quantities, rows)),
             inOrder(byName));
}

void TestLabelTemplate::exampleIsTheFirstRowWithALabel_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("example");

    const QString nameAndCompany = QString::fromUtf8("«Vorname» «Nachname»|«Firma»");
    QTest::newRow("first row under the captions")
        << QList<QStringList>{registration, {"Anna", "Schmidt", "Nord"}, {"Bert"}} << nameAndCompany
        << QStringList{"Anna Schmidt", "Nord"};
    QTest::newRow("rows without a label are passed over")
        << QList<QStringList>{registration, {}, {"", "", QString(), "3"}, {"Bert"}}
        << nameAndCompany << QStringList{"Bert"};
    QTest::newRow("only the captions")
        << QList<QStringList>{registration} << nameAndCompany << QStringList{};
    QTest::newRow("row order, not the order of the columns")
        << QList<QStringList>{registration, {QString(), QString(), "Nord"}, {"Anna"}}
        << QString::fromUtf8("«Vorname»|«Firma»") << QStringList{"Nord"};
    QTest::newRow("a caption that is not there") << QList<QStringList>{registration, {"Anna"}}
                                                 << QString::fromUtf8("«Titel»") << QStringList{};
}

void TestLabelTemplate::exampleIsTheFirstRowWithALabel() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QFETCH(QStringList, example);
    const ImportedTable table = tableOf(rows);
    QCOMPARE(LabelTemplate::parse(text, captionsOf(table)).exampleLines(table), example);
}

void TestLabelTemplate::firstAndLastNameColumns_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<std::optional<NameColumns>>("columns");
    QTest::addColumn<QString>("line");

    QTest::newRow("Vorname, Nachname") << registration << std::optional(NameColumns{0, 1})
                                       << QString::fromUtf8("«Vorname» «Nachname»");
    QTest::newRow("Name, Vorname")
        << QStringList{"Anzahl", "Name", "Vorname"} << std::optional(NameColumns{2, 1})
        << QString::fromUtf8("«Vorname» «Name»");
    QTest::newRow("letter case and spaces")
        << QStringList{" VORNAME", "nachname "} << std::optional(NameColumns{0, 1})
        << QString::fromUtf8("«VORNAME» «nachname»");
    QTest::newRow("first of each")
        << QStringList{"Vorname", "Nachname", "Vorname", "Name"} << std::optional(NameColumns{0, 1})
        << QString::fromUtf8("«Spalte 1» «Nachname»");
    QTest::newRow("only a first name")
        << QStringList{"Vorname", "Firma"} << std::optional<NameColumns>() << QString();
    QTest::newRow("only a name") << QStringList{"Name", "Anzahl"} << std::optional<NameColumns>()
                                 << QString();
    QTest::newRow("names inside other captions are none")
        << QStringList{"Vornamen und Namen", "Firmenname"} << std::optional<NameColumns>()
        << QString();
    QTest::newRow("English captions")
        << QStringList{"Last name", "First name"} << std::optional(NameColumns{1, 0})
        << QString::fromUtf8("«First name» «Last name»");
    QTest::newRow("no captions") << QStringList{} << std::optional<NameColumns>() << QString();
}

void TestLabelTemplate::firstAndLastNameColumns() {
    QFETCH(QStringList, captions);
    QFETCH(std::optional<NameColumns>, columns);
    QFETCH(QString, line);
    const std::optional<NameColumns> found = findNameColumns(captions);
    QCOMPARE(found, columns);
    if (found)
        QCOMPARE(fullNameLine(captions, *found), line);
}

void TestLabelTemplate::settingsKeyFollowsTheCaptions_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("same");

    QTest::newRow("same captions") << registration << registration << true;
    QTest::newRow("one more column") << registration << registration + QStringList{"Ort"} << false;
    QTest::newRow("other order") << QStringList{"Vorname", "Nachname"}
                                 << QStringList{"Nachname", "Vorname"} << false;
    QTest::newRow("letters moved across captions")
        << QStringList{"ab", "c"} << QStringList{"a", "bc"} << false;
    QTest::newRow("letter case") << QStringList{"Name"} << QStringList{"name"} << false;
    QTest::newRow("an empty caption more")
        << QStringList{"Name"} << QStringList{"Name", ""} << false;
}

void TestLabelTemplate::settingsKeyFollowsTheCaptions() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, same);
    const QString key = labelTextSettingsKey(first);
    QVERIFY(!key.isEmpty());
    QCOMPARE(key, labelTextSettingsKey(QStringList(first)));
    QCOMPARE(key == labelTextSettingsKey(second), same);
}

QTEST_APPLESS_MAIN(TestLabelTemplate)
#include "test_labeltemplate.moc"
