#include "pages/GLabelsTemplates.h"

#include <QDir>
#include <QTest>

namespace {
QByteArray templateFile(const char *body) {
    return QByteArray("<?xml version=\"1.0\"?>\n<Glabels-templates>\n") + body +
           "\n</Glabels-templates>\n";
}
} // namespace

class TestGLabels : public QObject {
    Q_OBJECT

private slots:
    void lengths_data();
    void lengths();
    void templates_data();
    void templates();
    void brokenFiles_data();
    void brokenFiles();
    void installedTemplates();
};

void TestGLabels::lengths_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("mm");
    QTest::newRow("bare number is points") << QStringLiteral("72") << true << 25.4;
    QTest::newRow("points") << QStringLiteral("36pt") << true << 12.7;
    QTest::newRow("inches") << QStringLiteral("2.5in") << true << 63.5;
    QTest::newRow("millimetres") << QStringLiteral("38.1mm") << true << 38.1;
    QTest::newRow("centimetres") << QStringLiteral("1.5cm") << true << 15.0;
    QTest::newRow("picas") << QStringLiteral("6pc") << true << 25.4;
    QTest::newRow("space before the unit") << QStringLiteral("10 mm") << true << 10.0;
    QTest::newRow("unknown unit") << QStringLiteral("10px") << false << 0.0;
    QTest::newRow("decimal comma") << QStringLiteral("10,5mm") << false << 0.0;
    QTest::newRow("overflow") << QStringLiteral("1e400in") << false << 0.0;
}

void TestGLabels::lengths() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, mm);
    double value = 0;
    QCOMPARE(parseGLabelsLength(text, &value), ok);
    if (ok)
        QVERIFY2(std::abs(value - mm) < 1e-9, qPrintable(QString::number(value)));
}

void TestGLabels::templates_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("codes"); // codes of each sheet taken, joined by '+'
    QTest::addColumn<QRectF>("firstLabel"); // the first sheet's slot 0
    QTest::addColumn<QPointF>("pitch");
    QTest::addColumn<int>("skipped");

    QTest::newRow("rectangle in mm with an alias")
        << templateFile(R"(<Template brand="Avery" part="L7160" size="A4" _description="Address">
  <Meta category="label"/>
  <Label-rectangle id="0" width="63.5mm" height="38.1mm" round="1.5mm">
    <Markup-margin size="5"/>
    <Layout nx="3" ny="7" x0="7.21mm" y0="15.15mm" dx="66.04mm" dy="38.1mm"/>
  </Label-rectangle>
</Template>
<Template brand="Avery" part="J8160" equiv="L7160"/>)")
        << QStringList{"L7160+J8160"} << QRectF(7.21, 15.15, 63.5, 38.1) << QPointF(66.04, 38.1)
        << 0;
    QTest::newRow("bare numbers are points")
        << templateFile(R"(<Template brand="Z" part="3490" size="A4" _description="x">
  <Label-rectangle id="0" width="198.425" height="102.047" round="0">
    <Layout nx="3" ny="8" x0="" y0="12.557" dx="198.425" dy="102.047"/>
  </Label-rectangle>
</Template>)")
        << QStringList{"3490"} << QRectF(0, 4.43, 70, 36) << QPointF(70, 36) << 0;
    QTest::newRow("round label in inches on Letter")
        << templateFile(R"(<Template brand="B" part="R1" size="US-Letter" description="round">
  <Label-round id="0" radius="0.75in">
    <Layout nx="4" ny="5" x0="0.25in" y0="0.5in" dx="2in" dy="2in"/>
  </Label-round>
</Template>)")
        << QStringList{"R1"} << QRectF(6.35, 12.7, 38.1, 38.1) << QPointF(50.8, 50.8) << 0;
    QTest::newRow("ellipse in cm")
        << templateFile(R"(<Template brand="B" part="E1" size="A4" _description="oval">
  <Label-ellipse id="0" width="8cm" height="5cm">
    <Layout nx="2" ny="5" x0="1.75cm" y0="1.35cm" dx="9.5cm" dy="5.5cm"/>
  </Label-ellipse>
</Template>)")
        << QStringList{"E1"} << QRectF(17.5, 13.5, 80, 50) << QPointF(95, 55) << 0;
    QTest::newRow("pitch 0.1 pt under the label size is a rounding, 0.25 mm an overlap")
        << templateFile(R"(<Template brand="Avery" part="7161" size="A4" _description="Mailing">
  <Label-rectangle id="0" width="180.2" height="132.6" round="7">
    <Layout nx="3" ny="6" x0="21" y0="23" dx="186.9" dy="132.5"/>
  </Label-rectangle>
</Template>
<Template brand="B" part="OVER" size="A4" _description="x">
  <Label-rectangle id="0" width="50mm" height="10mm"><Layout nx="1" ny="2" x0="0" y0="0" dx="0" dy="9.75mm"/></Label-rectangle>
</Template>)")
        << QStringList{"7161"} << QRectF(7.408, 8.114, 63.571, 46.743) << QPointF(65.934, 46.743)
        << 1;
    QTest::newRow("skipped: other paper, two layouts, CD, overlap, unknown alias, no part")
        << templateFile(R"(<Template brand="B" part="A5" size="A5" _description="x">
  <Label-rectangle id="0" width="10mm" height="10mm"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle>
</Template>
<Template brand="B" part="TWO" size="A4" _description="x">
  <Label-rectangle id="0" width="10mm" height="10mm">
    <Layout nx="1" ny="1" x0="0" y0="0" dx="10mm" dy="10mm"/>
    <Layout nx="1" ny="1" x0="50mm" y0="0" dx="10mm" dy="10mm"/>
  </Label-rectangle>
</Template>
<Template brand="B" part="CD" size="A4" _description="x">
  <Label-cd id="0" radius="58mm" hole="9mm"><Layout nx="1" ny="2" x0="0" y0="0" dx="0" dy="120mm"/></Label-cd>
</Template>
<Template brand="B" part="OVER" size="A4" _description="x">
  <Label-rectangle id="0" width="50mm" height="10mm"><Layout nx="2" ny="1" x0="0" y0="0" dx="40mm" dy="10mm"/></Label-rectangle>
</Template>
<Template brand="B" part="OK" size="A4" _description="x">
  <Label-rectangle id="0" width="50mm" height="10mm"><Layout nx="2" ny="1" x0="5mm" y0="6mm" dx="60mm" dy="10mm"/></Label-rectangle>
</Template>
<Template brand="B" part="ALIAS" equiv="MISSING"/>
<Template brand="B" size="A4" _description="no part">
  <Label-rectangle id="0" width="50mm" height="10mm"><Layout nx="1" ny="1" x0="5mm" y0="6mm" dx="60mm" dy="10mm"/></Label-rectangle>
</Template>
<Template brand="B" part=" " equiv="OK"/>)")
        << QStringList{"OK"} << QRectF(5, 6, 50, 10) << QPointF(60, 10) << 7;
}

void TestGLabels::templates() {
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, codes);
    QFETCH(QRectF, firstLabel);
    QFETCH(QPointF, pitch);
    QFETCH(int, skipped);
    const GLabelsImport read = readGLabelsTemplates(xml, QStringLiteral("test.xml"));
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QStringList found;
    for (const LabelSheet &sheet : read.sheets)
        found.append(sheet.codes.join(QLatin1Char('+')));
    QCOMPARE(found, codes);
    QCOMPARE(read.skipped.size(), skipped);
    for (const QString &reason : read.skipped)
        QVERIFY2(reason.contains(QLatin1String(": ")) && reason.size() > 6, qPrintable(reason));
    const LabelSheet &sheet = read.sheets.first();
    const QRectF label = sheet.labelRect(0);
    constexpr double toleranceMm = 0.01;
    QVERIFY2(std::abs(label.left() - firstLabel.left()) < toleranceMm &&
                 std::abs(label.top() - firstLabel.top()) < toleranceMm &&
                 std::abs(label.width() - firstLabel.width()) < toleranceMm &&
                 std::abs(label.height() - firstLabel.height()) < toleranceMm,
             qPrintable(QStringLiteral("%1 %2 %3 %4")
                            .arg(label.left())
                            .arg(label.top())
                            .arg(label.width())
                            .arg(label.height())));
    QVERIFY(std::abs(sheet.horizontalPitch - pitch.x()) < toleranceMm);
    QVERIFY(std::abs(sheet.verticalPitch - pitch.y()) < toleranceMm);
    QVERIFY(sheet.source.contains(QLatin1String("test.xml")));
}

void TestGLabels::brokenFiles_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("not XML") << QByteArray("this is no template") << QStringLiteral("XML");
    QTest::newRow("cut off") << QByteArray("<Glabels-templates><Template brand=\"A\" part=\"1\"")
                             << QStringLiteral("XML");
    QTest::newRow("other root") << QByteArray("<svg><Template/></svg>")
                                << QStringLiteral("keine gLabels");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("XML");
    QTest::newRow("entity expansion refused")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE g [<!ENTITY a \"aaaaaaaa\">"
                      "<!ENTITY b \"&a;&a;&a;&a;\">]><Glabels-templates>&b;</Glabels-templates>")
        << QStringLiteral("DOCTYPE");
    QTest::newRow("bad length") << templateFile(
                                       R"(<Template brand="B" part="X" size="A4" _description="x">
  <Label-rectangle id="0" width="ten" height="10mm"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle>
</Template><broken>)") << QStringLiteral("XML");
}

void TestGLabels::brokenFiles() {
    QFETCH(QByteArray, xml);
    QFETCH(QString, errorPart);
    const GLabelsImport read = readGLabelsTemplates(xml);
    QVERIFY2(read.error.contains(errorPart), qPrintable(read.error));
    QVERIFY(read.sheets.isEmpty());
}

void TestGLabels::installedTemplates() {
    // Debian's glabels-data: every file reads without an error and gives sheets.
    const QDir folder(QStringLiteral("/usr/share/libglabels-3.0/templates"));
    const QStringList files = folder.entryList({QStringLiteral("*-templates.xml")});
    if (files.isEmpty())
        QSKIP("glabels-data is not installed");
    qsizetype sheets = 0;
    QStringList names;
    for (const QString &name : files) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const GLabelsImport read = readGLabelsTemplates(file.readAll(), name);
        QVERIFY2(read.error.isEmpty(), qPrintable(name + ": " + read.error));
        for (const LabelSheet &sheet : read.sheets) {
            QVERIFY2(sheet.isValid(), qPrintable(name + " " + sheet.code()));
            names.append(sheet.maker + QLatin1Char(' ') + sheet.code());
        }
        sheets += read.sheets.size();
    }
    QVERIFY(sheets > 500);
    // Their pitch lies a tenth of a point under the label size.
    QVERIFY(names.contains(QStringLiteral("Avery 7161")));
    QVERIFY(names.contains(QStringLiteral("Zweckform 32010")));
}

QTEST_GUILESS_MAIN(TestGLabels)
#include "test_glabels.moc"
