// What each XML sheet format puts into the typed-cell model, written in the
// test as small files: one table per format, a row per rule.
#include "SheetDump.h"
#include "support/writers/ZipWriter.h"
#include "xls/xml/SheetBuilder.h"

#include <QTest>

using namespace testwriters;

class TestSheetFormats : public QObject {
    Q_OBJECT

private slots:
    void xlsxCells_data();
    void xlsxCells();
    void xlsxFirstWorksheetInWorkbookOrder_data();
    void xlsxFirstWorksheetInWorkbookOrder();
    void sharedStringStoredOnce();
    void sharedStringsReadBesideTheSheet_data();
    void sharedStringsReadBesideTheSheet();
    void odsCells_data();
    void odsCells();
    void xml2003Cells_data();
    void xml2003Cells();
    void isoDates_data();
    void isoDates();
};

static std::vector<std::uint8_t> xlsx(const std::string &body, const std::string &sst = {}) {
    return writeZip(xlsxParts({body}, sst)).bytes;
}

void TestSheetFormats::xlsxCells_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("sharedStrings");
    QTest::addColumn<QStringList>("cells");
    const QString sst = "<si><t>Anna</t></si><si><r><t>Ber</t></r><r><t>nd</t></r>"
                        "<rPh><t>BERUNDO</t></rPh></si><si><t>a_x000A_b_x005F_x0041_</t></si>"
                        "<si><t></t></si>";
    QTest::newRow("number, shared, inline")
        << "<sheetData><row r=\"1\"><c r=\"A1\"><v>42</v></c><c r=\"B1\" t=\"s\"><v>0</v></c>"
           "<c r=\"C1\" t=\"inlineStr\"><is><t>Köln</t></is></c></row></sheetData>"
        << sst << QStringList{"0,0,double,42", "0,1,string,Anna", "0,2,string,Köln"};
    QTest::newRow("rich runs joined, phonetic left out")
        << "<sheetData><row><c t=\"s\"><v>1</v></c></row></sheetData>" << sst
        << QStringList{"0,0,string,Bernd"};
    QTest::newRow("_xHHHH_ escapes, _x005F_ escapes the underscore")
        << "<sheetData><row><c t=\"s\"><v>2</v></c></row></sheetData>" << sst
        << QStringList{"0,0,string,a\nb_x0041_"};
    QTest::newRow("empty shared string, index past the table: no cell")
        << "<sheetData><row><c t=\"s\"><v>3</v></c><c t=\"s\"><v>9</v></c></row></sheetData>" << sst
        << QStringList{};
    QTest::newRow("references without r follow the previous cell and row")
        << "<sheetData><row><c><v>1</v></c><c><v>2</v></c></row><row><c r=\"C2\"><v>3</v></c>"
           "<c><v>4</v></c></row><row><c><v>5</v></c></row></sheetData>"
        << QString()
        << QStringList{"0,0,double,1", "0,1,double,2", "1,2,double,3", "1,3,double,4",
                       "2,0,double,5"};
    QTest::newRow("lower-case references")
        << "<sheetData><row r=\"1\"><c r=\"b1\"><v>1</v></c><c r=\"aa1\"><v>2</v></c></row>"
           "</sheetData>"
        << QString() << QStringList{"0,1,double,1", "0,26,double,2"};
    QTest::newRow("row gaps and far columns")
        << "<sheetData><row r=\"5\"><c r=\"AA5\"><v>1.5</v></c></row>"
           "<row r=\"1048576\"><c r=\"XFD1048576\"><v>-2E3</v></c></row></sheetData>"
        << QString() << QStringList{"4,26,double,1.5", "1048575,16383,double,-2000"};
    // The type is the attribute t without prefix; one in another namespace,
    // or a type the standard does not list, leaves the cell a number.
    QTest::newRow("a type unknown or in another namespace: a number")
        << "<sheetData><row><c r=\"A1\" t=\"n\"><v>3</v></c><c t=\"x\"><v>4</v></c>"
           "<c xmlns:o=\"urn:other\" o:t=\"s\" r=\"C1\"><v>5</v></c></row></sheetData>"
        << QString() << QStringList{"0,0,double,3", "0,1,double,4", "0,2,double,5"};
    QTest::newRow("booleans 1/0, errors and formulas without value: no cell")
        << "<sheetData><row><c t=\"b\"><v>1</v></c><c t=\"b\"><v>0</v></c>"
           "<c t=\"e\"><v>#DIV/0!</v></c><c><f>A1+1</f></c><c><f>1+1</f><v>2</v></c>"
           "<c t=\"str\"><f>\"x\"</f><v>ab</v></c></row></sheetData>"
        << QString()
        << QStringList{"0,0,integer,1", "0,1,integer,0", "0,4,double,2", "0,5,string,ab"};
    QTest::newRow("ISO date cells as serial days")
        << "<sheetData><row><c t=\"d\"><v>2024-03-01T12:00:00</v></c></row></sheetData>"
        << QString() << QStringList{"0,0,double,45352.5"};
    QTest::newRow("ISO date, time and date-time forms; an invalid date: no cell")
        << "<sheetData><row><c t=\"d\"><v>2024-03-05</v></c><c t=\"d\"><v>12:00:00</v></c>"
           "<c t=\"d\"><v>2024-03-05T18:00:00Z</v></c><c t=\"d\"><v>2023-02-29</v></c>"
           "<c t=\"d\"><v>morgen</v></c></row></sheetData>"
        << QString() << QStringList{"0,0,double,45356", "0,1,double,0.5", "0,2,double,45356.75"};
    QTest::newRow("a number that is none, an empty inline string: no cell")
        << "<sheetData><row><c><v>12abc</v></c><c t=\"inlineStr\"><is><t/></is></c></row>"
           "</sheetData>"
        << QString() << QStringList{};
    QTest::newRow("cells outside sheetData are not cells")
        << "<sheetPr><c><v>1</v></c></sheetPr><sheetData/>" << QString() << QStringList{};
}

void TestSheetFormats::xlsxCells() {
    QFETCH(QString, body);
    QFETCH(QString, sharedStrings);
    QFETCH(QStringList, cells);
    QCOMPARE(loadAndDump(xlsx(body.toStdString(), sharedStrings.toStdString())), cells);
}

static std::string replaceAll(std::string text, const std::string &from, const std::string &to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void TestSheetFormats::xlsxFirstWorksheetInWorkbookOrder_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("first of two") << 0 << QStringList{"0,0,double,1"};
    QTest::newRow("a chart sheet first is skipped") << 1 << QStringList{"0,0,double,2"};
    QTest::newRow("sheets listed in reverse of their part names")
        << 2 << QStringList{"0,0,double,2"};
    QTest::newRow("strict namespaces") << 3 << QStringList{"0,0,double,1"};
    QTest::newRow("absolute relationship targets") << 4 << QStringList{"0,0,double,1"};
    QTest::newRow("part names in other case, with backslashes") << 5 << QStringList{"0,0,double,1"};
}

void TestSheetFormats::xlsxFirstWorksheetInWorkbookOrder() {
    QFETCH(int, variant);
    QFETCH(QStringList, cells);
    auto parts = xlsxParts({"<sheetData><row><c><v>1</v></c></row></sheetData>",
                            "<sheetData><row><c><v>2</v></c></row></sheetData>"});
    for (ZipPart &part : parts) {
        if (variant == 1 && part.name == "xl/_rels/workbook.xml.rels")
            part.data = replaceAll(part.data, "/worksheet\" Target=\"worksheets/sheet1",
                                   "/chartsheet\" Target=\"worksheets/sheet1");
        if (variant == 2 && part.name == "xl/workbook.xml")
            part.data = replaceAll(replaceAll(part.data, "rId1", "rIdX"), "rId2", "rId1");
        if (variant == 2 && part.name == "xl/workbook.xml")
            part.data = replaceAll(part.data, "rIdX", "rId2");
        if (variant == 3) {
            part.data =
                replaceAll(part.data, "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
                           "http://purl.oclc.org/ooxml/spreadsheetml/main");
            part.data = replaceAll(
                part.data, "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
                "http://purl.oclc.org/ooxml/officeDocument/relationships");
        }
        if (variant == 5 && part.name == "xl/worksheets/sheet1.xml")
            part.name = "XL\\Worksheets\\Sheet1.XML";
        if (variant == 4 && part.name == "xl/_rels/workbook.xml.rels")
            part.data = replaceAll(part.data, "Target=\"worksheets/", "Target=\"/xl/worksheets/");
    }
    QCOMPARE(loadAndDump(writeZip(parts).bytes), cells);
}

void TestSheetFormats::sharedStringStoredOnce() {
    std::string rows;
    for (int r = 1; r <= 3; ++r)
        rows += "<row><c t=\"s\"><v>0</v></c></row>";
    ExcelWorkbook workbook;
    QVERIFY(workbook.loadMemory(
        xlsx("<sheetData>" + rows + "</sheetData>", "<si><t>a text longer than inline</t></si>")));
    const ExcelWorksheet &sheet = *workbook.sheet(0);
    QCOMPARE(sheet.findCell(0, 0)->type(), WString);
    QCOMPARE(sheet.findCell(2, 0)->wstring(), sheet.findCell(0, 0)->wstring());
}

// The shared strings are read on a thread of their own while the sheet is
// read: a cell waits for the string it names, however far in the part it
// lies, and whichever of the two parts fails, the load fails for its reason.
void TestSheetFormats::sharedStringsReadBesideTheSheet_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("sharedStrings");
    QTest::addColumn<QStringList>("expected"); // cells, or the start of the error
    constexpr int count = 30000; // several chunks, and more than one piece of the part
    QString sst;
    for (int i = 0; i < count; ++i)
        sst += QStringLiteral("<si><t>Gast %1</t></si>").arg(i);
    const QString cells = "<sheetData><row><c t=\"s\"><v>29999</v></c><c t=\"s\"><v>0</v></c>"
                          "<c t=\"s\"><v>30000</v></c><c t=\"s\"><v>15000</v></c></row>"
                          "</sheetData>";
    QTest::newRow("the last string first, then the first, one past the end, one between")
        << cells << sst
        << QStringList{"0,0,string,Gast 29999", "0,1,string,Gast 0", "0,3,string,Gast 15000"};
    const QString corrupt = QStringLiteral("error %1: not well-formed XML: mismatched tag in ")
                                .arg(int(xls::ReadErrorCode::CorruptXml));
    QTest::newRow("strings damaged far on fail the load with their reason")
        << cells << sst + "<si><t>broken</si>" << QStringList{corrupt + "\"xl/sharedStrings.xml\""};
    QTest::newRow("a sheet damaged at once fails with its reason, the strings stopped")
        << "<sheetData><row><c></row>" << sst
        << QStringList{corrupt + "\"xl/worksheets/sheet1.xml\""};
}

void TestSheetFormats::sharedStringsReadBesideTheSheet() {
    QFETCH(QString, body);
    QFETCH(QString, sharedStrings);
    QFETCH(QStringList, expected);
    const QStringList got = loadAndDump(xlsx(body.toStdString(), sharedStrings.toStdString()));
    if (expected.first().startsWith("error")) {
        QCOMPARE(got.size(), 1);
        QVERIFY2(got.first().startsWith(expected.first()), qPrintable(got.first()));
    } else {
        QCOMPARE(got, expected);
    }
}

void TestSheetFormats::odsCells_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("cells");
    const QString p = "<text:p>%1</text:p>";
    QTest::newRow("value types")
        << "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"2.5\"/>"
           "<table:table-cell office:value-type=\"percentage\" office:value=\"0.25\"/>"
           "<table:table-cell office:value-type=\"currency\" office:value=\"-3\"/>"
           "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>"
           "<table:table-cell office:value-type=\"date\" office:date-value=\"1899-12-31\"/>"
           "<table:table-cell office:value-type=\"date\" "
           "office:date-value=\"2024-03-01T06:00:00\"/>"
           "<table:table-cell office:value-type=\"time\" office:time-value=\"PT18H00M00S\"/>"
           "<table:table-cell office:value-type=\"string\"><text:p>Jörg</text:p>"
           "</table:table-cell></table:table-row>"
        << QStringList{"0,0,double,2.5",  "0,1,double,0.25", "0,2,double,-3",
                       "0,3,integer,1",   "0,4,double,1",    "0,5,double,45352.25",
                       "0,6,double,0.75", "0,7,string,Jörg"};
    // A prefix bound to another namespace on one cell names other attributes
    // there only; the cells before and after read it as declared at the root.
    QTest::newRow("attribute prefix rebound on one cell")
        << "<table:table-row><table:table-cell office:value-type=\"float\" office:value=\"1\"/>"
           "<table:table-cell xmlns:office=\"urn:other\" office:value-type=\"float\" "
           "office:value=\"2\"/>"
           "<table:table-cell office:value-type=\"float\" office:value=\"3\"/>"
           "</table:table-row>"
        << QStringList{"0,0,double,1", "0,2,double,3"};
    // Names are split once per element for the first 16 attributes; later
    // ones are split as they are looked at, and found the same.
    QString manyAttributes;
    for (int i = 0; i < 18; ++i)
        manyAttributes += QString(" table:a%1=\"%1\"").arg(i);
    QTest::newRow("the value after eighteen other attributes")
        << "<table:table-row><table:table-cell" + manyAttributes +
               " office:value-type=\"float\" office:value=\"4\"/></table:table-row>"
        << QStringList{"0,0,double,4"};
    QTest::newRow("paragraphs, text:s, tab, line break, spans; annotation left out")
        << "<table:table-row><table:table-cell office:value-type=\"string\">"
           "<office:annotation><text:p>note</text:p></office:annotation>"
           "<text:p>a<text:s text:c=\"3\"/>b<text:tab/>c</text:p>"
           "<text:p><text:span>d</text:span><text:line-break/>e<text:s/></text:p>"
           "</table:table-cell></table:table-row>"
        << QStringList{"0,0,string,a   b\tc\nd\ne "};
    QTest::newRow("repeated rows and columns expanded")
        << "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell "
           "table:number-columns-repeated=\"2\" office:value-type=\"float\" office:value=\"7\"/>"
           "</table:table-row>"
        << QStringList{"0,0,double,7", "0,1,double,7", "1,0,double,7", "1,1,double,7"};
    QTest::newRow("trailing empty repeats add nothing")
        << "<table:table-row><table:table-cell/><table:table-cell office:value-type=\"float\" "
           "office:value=\"1\"/><table:table-cell table:number-columns-repeated=\"16382\"/>"
           "</table:table-row><table:table-row table:number-rows-repeated=\"1048575\">"
           "<table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>"
        << QStringList{"0,1,double,1"};
    QTest::newRow("covered cells have no value of their own")
        << "<table:table-row><table:table-cell table:number-columns-spanned=\"2\" "
           "office:value-type=\"string\"><text:p>A</text:p></table:table-cell>"
           "<table:covered-table-cell office:value-type=\"string\"><text:p>hidden</text:p>"
           "</table:covered-table-cell><table:table-cell office:value-type=\"string\">"
           "<text:p>C</text:p></table:table-cell></table:table-row>"
        << QStringList{"0,0,string,A", "0,2,string,C"};
    QTest::newRow("errors and empty strings: no cell; only the first table")
        << "<table:table-row><table:table-cell office:value-type=\"string\" "
           "calcext:value-type=\"error\"><text:p>#DIV/0!</text:p></table:table-cell>"
           "<table:table-cell office:value-type=\"string\"><text:p/></table:table-cell>"
           "<table:table-cell office:value-type=\"float\" office:value=\"1\"/></table:table-row>"
           "</table:table><table:table><table:table-row><table:table-cell "
           "office:value-type=\"float\" office:value=\"2\"/></table:table-row>"
        << QStringList{"0,2,double,1"};
    QTest::newRow("header rows and row groups are rows")
        << "<table:table-header-rows><table:table-row><table:table-cell "
           "office:value-type=\"string\"><text:p>Name</text:p></table:table-cell>"
           "</table:table-row></table:table-header-rows><table:table-row-group><table:table-row>"
           "<table:table-cell office:value-type=\"string\"><text:p>Eva</text:p>"
           "</table:table-cell></table:table-row></table:table-row-group>"
        << QStringList{"0,0,string,Name", "1,0,string,Eva"};
    Q_UNUSED(p);
}

void TestSheetFormats::odsCells() {
    QFETCH(QString, table);
    QFETCH(QStringList, cells);
    QCOMPARE(loadAndDump(writeZip(odsParts(table.toStdString())).bytes), cells);
    QCOMPARE(loadAndDump(bytesOf(fodsDocument(table.toStdString()))), cells);
}

static std::string xml2003(const std::string &rows) {
    return "<?xml version=\"1.0\"?><?mso-application progid=\"Excel.Sheet\"?>"
           "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
           "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\" "
           "xmlns:html=\"http://www.w3.org/TR/REC-html40\"><Styles/>"
           "<Worksheet ss:Name=\"Eins\"><Table>" +
           rows +
           "</Table></Worksheet><Worksheet ss:Name=\"Zwei\"><Table><Row><Cell>"
           "<Data ss:Type=\"String\">second</Data></Cell></Row></Table></Worksheet>"
           "</Workbook>";
}

void TestSheetFormats::xml2003Cells_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("types")
        << "<Row><Cell><Data ss:Type=\"String\">Name</Data></Cell>"
           "<Cell><Data ss:Type=\"Number\">3</Data></Cell>"
           "<Cell><Data ss:Type=\"Boolean\">1</Data></Cell>"
           "<Cell><Data ss:Type=\"DateTime\">2024-03-01T00:00:00.000</Data></Cell>"
           "<Cell><Data ss:Type=\"Error\">#N/A</Data></Cell></Row>"
        << QStringList{"0,0,string,Name", "0,1,double,3", "0,2,integer,1", "0,3,double,45352"};
    QTest::newRow("ss:Index gaps for rows and cells, MergeAcross skips columns")
        << "<Row ss:Index=\"3\"><Cell ss:Index=\"2\"><Data ss:Type=\"Number\">1</Data></Cell>"
           "<Cell ss:MergeAcross=\"2\"><Data ss:Type=\"Number\">2</Data></Cell>"
           "<Cell><Data ss:Type=\"Number\">3</Data></Cell></Row>"
           "<Row><Cell><Data ss:Type=\"Number\">4</Data></Cell></Row>"
        << QStringList{"2,1,double,1", "2,2,double,2", "2,5,double,3", "3,0,double,4"};
    QTest::newRow("formatted text runs joined")
        << "<Row><Cell><ss:Data ss:Type=\"String\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<B>fe</B>tt</ss:Data></Cell></Row>"
        << QStringList{"0,0,string,fett"};
    QTest::newRow("a comment's ss:Data is no value, before or after the cell's own")
        << "<Row><Cell><Comment ss:Author=\"Eva\"><ss:Data "
           "xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<B>Chef:</B>&#10;VIP</ss:Data></Comment><Data ss:Type=\"String\">Anna Meier</Data>"
           "</Cell><Cell><Data ss:Type=\"Number\">7</Data><Comment><ss:Data>8</ss:Data></Comment>"
           "</Cell><Cell><Comment><ss:Data>unsicher</ss:Data></Comment></Cell></Row>"
        << QStringList{"0,0,string,Anna Meier", "0,1,double,7"};
}

void TestSheetFormats::xml2003Cells() {
    QFETCH(QString, rows);
    QFETCH(QStringList, cells);
    QCOMPARE(loadAndDump(bytesOf(xml2003(rows.toStdString()))), cells);
}

void TestSheetFormats::isoDates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("duration");
    QTest::addColumn<double>("serial"); // -1: refused
    QTest::newRow("epoch of serial days") << "1899-12-30" << false << 0.0;
    QTest::newRow("Excel's 1900-03-01") << "1900-03-01" << false << 61.0;
    QTest::newRow("leap day 2024") << "2024-02-29" << false << 45351.0;
    QTest::newRow("with time") << "2000-01-01T18:00:00" << false << 36526.75;
    QTest::newRow("month 13") << "2024-13-01" << false << -1.0;
    QTest::newRow("February 29 outside a leap year") << "2023-02-29" << false << -1.0;
    QTest::newRow("April 31") << "2024-04-31" << false << -1.0;
    QTest::newRow("time alone") << "06:00:00" << false << 0.25;
    QTest::newRow("time alone after T") << "T18:00" << false << 0.75;
    QTest::newRow("time with a bad minute") << "12:60:00" << false << -1.0;
    QTest::newRow("not a date") << "gestern" << false << -1.0;
    QTest::newRow("duration with hours and minutes") << "PT06H30M00S" << true << 6.5 / 24;
    QTest::newRow("duration with days") << "P1DT12H" << true << 1.5;
    QTest::newRow("clock time") << "12:00:00" << true << 0.5;
    QTest::newRow("duration with a stray unit") << "PT5X" << true << -1.0;
}

void TestSheetFormats::isoDates() {
    QFETCH(QString, text);
    QFETCH(bool, duration);
    QFETCH(double, serial);
    const std::string t = text.toStdString();
    const auto value = duration ? xls::parseIsoDuration(t) : xls::parseIsoDate(t);
    QCOMPARE(value.has_value(), serial >= 0);
    if (value)
        QCOMPARE(*value, serial);
}

QTEST_GUILESS_MAIN(TestSheetFormats)
#include "test_sheetformats.moc"
