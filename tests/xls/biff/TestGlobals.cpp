// The workbook globals loop and the records it keeps.
#include "BiffTestSupport.h"

#include "xls/biff/Workbook.h"

#include <QTest>

using namespace bifftest;
using testwriters::BiffWriter;
using testwriters::Bytes;

namespace {

constexpr std::uint16_t kGlobals = 0x0005;
constexpr std::uint16_t kFont = 0x0031, kXf = 0x00E0, kStyle = 0x0293, kWindow1 = 0x003D,
                        kBoundSheet = 0x0085, kFilePass = 0x002F;

// FONT: height, options, colour, weight, escapement, underline, family,
// character set, reserved, then the name.
Bytes font(std::u16string_view name, bool wide) {
    Bytes b;
    b.u16(240).u16(0x0002).u16(0x0008).u16(700).u16(1).u8(1).u8(2).u8(0xEE).u8(0);
    b.u8(std::uint8_t(name.size())).u8(wide ? 1 : 0);
    return wide ? b.wide(name) : b.narrow(name);
}

Bytes window1(std::uint16_t activeTab) {
    return Bytes().u16(10).u16(20).u16(3000).u16(2000).u16(0x38).u16(activeTab).u16(0).u16(1).u16(
        500);
}

} // namespace

class TestGlobals : public QObject {
    Q_OBJECT

private slots:
    void loop_data();
    void loop();
    void unknownRecordsLeaveNoTrace();
    void lastWindow1Wins();
    void styles();
    void names_data();
    void names();
    void xfFieldsAtTheirOffsets();
    void bofVersions_data();
    void bofVersions();
    void constructorDefaults();
    void appendsWithoutClearing();
};

void TestGlobals::loop_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("consumed");
    QTest::addColumn<int>("fonts");
    QTest::addColumn<int>("boundSheets");
    QTest::addColumn<bool>("filePass");
    QTest::addColumn<bool>("truncated");

    const ByteVector minimal = BiffWriter().bof(kGlobals).boundSheet(512, "Tabelle1").eof().bytes();
    QTest::newRow("BOF, BOUNDSHEET, EOF") << minimal << 20 + 20 + 4 << 0 << 1 << false << false;
    QTest::newRow("records after the EOF are not read")
        << BiffWriter().raw(minimal).record(kFont, font(u"Arial", false)).bytes() << 44 << 0 << 1
        << false << false;
    QTest::newRow("EOF counted as 4 whatever its length says")
        << BiffWriter().bof(kGlobals).record(0x000A, {1, 2, 3}).bytes() << 24 << 0 << 0 << false
        << false;
    QTest::newRow("FILEPASS is noted")
        << BiffWriter()
               .bof(kGlobals)
               .record(kFilePass, Bytes().u16(1).raw(ByteVector(52, 0xA5)))
               .record(kFont, font(u"Arial", false))
               .eof()
               .bytes()
        << 20 + 58 + 25 + 4 << 1 << 0 << true << false;
    QTest::newRow("no EOF: the stream ends first")
        << BiffWriter().bof(kGlobals).record(kFont, font(u"Arial", false)).bytes() << 20 + 25 << 1
        << 0 << false << true;
    QTest::newRow("EOF header cut short")
        << BiffWriter().bof(kGlobals).raw({0x0A, 0x00, 0x00}).bytes() << 23 << 0 << 0 << false
        << true;
    QTest::newRow("a FONT record cut short")
        << BiffWriter().bof(kGlobals).raw({0x31, 0x00, 0x20, 0x00, 0xF0, 0x00}).bytes() << 26 << 1
        << 0 << false << true;
    QTest::newRow("empty stream") << ByteVector{} << 0 << 0 << 0 << false << true;
}

void TestGlobals::loop() {
    QFETCH(ByteVector, stream);
    QFETCH(int, consumed);
    QFETCH(int, fonts);
    QFETCH(int, boundSheets);
    QFETCH(bool, filePass);
    QFETCH(bool, truncated);

    ZAreda::Workbook workbook;
    QCOMPARE(workbook.Read(span(stream)), consumed);
    QCOMPARE(workbook.fonts.size(), std::size_t(fonts));
    QCOMPARE(workbook.boundSheets.size(), std::size_t(boundSheets));
    QVERIFY(workbook.XFs.empty());
    QVERIFY(workbook.styles.empty());
    QCOMPARE(workbook.filePass, filePass);
    QCOMPARE(workbook.truncated, truncated);
}

void TestGlobals::unknownRecordsLeaveNoTrace() {
    const ByteVector plain = BiffWriter()
                                 .bof(kGlobals)
                                 .record(kFont, font(u"Arial", false))
                                 .boundSheet(700, "Namen")
                                 .eof()
                                 .bytes();
    const ByteVector noisy =
        BiffWriter()
            .bof(kGlobals)
            .record(0x0042, Bytes().u16(1200))                            // CODEPAGE
            .record(0x041E, Bytes().u16(164).u16(3).u8(0).narrow(u"0.0")) // FORMAT
            .record(kFont, font(u"Arial", false))
            .record(0x0018, ByteVector(20, 0x31))                 // NAME ...
            .continued(Bytes().u16(kFont).u16(0).data())          // ... whose CONTINUE
            .record(0x00FF, Bytes().u16(8).raw(ByteVector(8, 0))) // EXTSST
            .record(0x0000, {})                                   // padding
            .boundSheet(700, "Namen")
            .eof()
            .bytes();
    ZAreda::Workbook a, b;
    QCOMPARE(a.Read(span(plain)), plain.size());
    QCOMPARE(b.Read(span(noisy)), noisy.size());
    QCOMPARE(b.fonts.size(), a.fonts.size());
    QCOMPARE(b.boundSheets.size(), a.boundSheets.size());
    QCOMPARE(b.boundSheets[0].name.narrowText, a.boundSheets[0].name.narrowText);
    QCOMPARE(b.boundSheets[0].streamPosition, 700u);
    QVERIFY(b.XFs.empty() && b.styles.empty() && b.sst.strings.empty());
    QCOMPARE(b.extSST.code, 0x00FF);
    QCOMPARE(b.extSST.DataSize(), 2u); // never filled
}

void TestGlobals::lastWindow1Wins() {
    const ByteVector stream = BiffWriter()
                                  .bof(kGlobals)
                                  .record(kWindow1, window1(1))
                                  .record(kWindow1, window1(2))
                                  .eof()
                                  .bytes();
    ZAreda::Workbook workbook;
    workbook.Read(span(stream));
    QCOMPARE(workbook.window1.activeTab, 2);
    QCOMPARE(workbook.window1.width, 3000);
    QCOMPARE(workbook.window1.tabRatio, 500);
}

void TestGlobals::styles() {
    const ByteVector stream =
        BiffWriter()
            .bof(kGlobals)
            .record(kStyle, Bytes().u16(0x8010).u8(3).u8(0xFF))                       // built-in
            .record(kStyle, Bytes().u16(0x0011).u16(11).u8(0).narrow(u"Überschrift")) // user
            .record(kStyle, Bytes().u16(0x0012).u16(2).u8(1).wide(u"€1"))
            .eof()
            .bytes();
    ZAreda::Workbook workbook;
    QCOMPARE(workbook.Read(span(stream)), stream.size());
    QCOMPARE(workbook.styles.size(), 3u);
    const auto &builtIn = workbook.styles[0];
    QVERIFY(builtIn.isBuiltIn());
    QCOMPARE(builtIn.builtInId, 3);
    QCOMPARE(builtIn.outlineLevel, 0xFF);
    QCOMPARE(builtIn.RecordSize(), 8u);
    QCOMPARE(text(builtIn.name), QString());
    const auto &user = workbook.styles[1];
    QVERIFY(!user.isBuiltIn());
    QCOMPARE(text(user.name), QStringLiteral("Überschrift"));
    QCOMPARE(user.builtInId, 0);
    QCOMPARE(user.outlineLevel, 0xFF);
    QCOMPARE(text(workbook.styles[2].name), QStringLiteral("€1"));
}

void TestGlobals::names_data() {
    QTest::addColumn<int>("optionByte");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("wide");
    QTest::newRow("8-bit") << 0x00 << QStringLiteral("Übersicht") << false;
    QTest::newRow("16-bit") << 0x01 << QStringLiteral("Łódź") << true;
    QTest::newRow("any non-zero option byte is 16-bit") << 0x05 << QStringLiteral("Zoë") << true;
}

// BOUNDSHEET and FONT names, and the record sizes they report:
// 4 + 6 + 2 + n (or 2n) for a sheet, 4 + 14 + 2 + n (or 2n) for a font.
void TestGlobals::names() {
    QFETCH(int, optionByte);
    QFETCH(QString, name);
    QFETCH(bool, wide);
    const std::size_t n = std::size_t(name.size());
    const std::size_t nameBytes = wide ? 2 * n : n;

    Bytes sheet = Bytes().u32(4321).u8(1).u8(2).u8(std::uint8_t(n)).u8(std::uint8_t(optionByte));
    Bytes fontName = Bytes().u8(std::uint8_t(n)).u8(std::uint8_t(optionByte));
    wide ? sheet.wide(u16(name)) : sheet.narrow(u16(name));
    wide ? fontName.wide(u16(name)) : fontName.narrow(u16(name));
    const ByteVector stream =
        BiffWriter()
            .bof(kGlobals)
            .record(kBoundSheet, sheet)
            .record(kFont,
                    Bytes().u16(240).u16(2).u16(8).u16(700).u16(1).u8(1).u8(2).u8(0xEE).u8(0).raw(
                        fontName))
            .eof()
            .bytes();
    ZAreda::Workbook workbook;
    QCOMPARE(workbook.Read(span(stream)), stream.size());

    const auto &boundSheet = workbook.boundSheets.at(0);
    QCOMPARE(boundSheet.streamPosition, 4321u);
    QCOMPARE(boundSheet.visibility, 1);
    QCOMPARE(boundSheet.sheetType, 2);
    QCOMPARE(boundSheet.name.isWide(), wide);
    QCOMPARE(boundSheet.name.optionFlags, optionByte);
    QCOMPARE(boundSheet.RecordSize(), 4 + 6 + 2 + nameBytes);
    const auto &font = workbook.fonts.at(0);
    QCOMPARE(font.height, 240);
    QCOMPARE(font.colourIndex, 8);
    QCOMPARE(font.weight, 700);
    QCOMPARE(font.characterSet, 0xEE);
    QCOMPARE(font.RecordSize(), 4 + 14 + 2 + nameBytes);
    for (const auto *s : {&boundSheet.name, &font.name}) {
        const QString decoded =
            wide ? QString::fromStdU16String(s->wideText)
                 : QString::fromLatin1(s->narrowText.data(), qsizetype(s->narrowText.size()));
        QCOMPARE(decoded, name);
    }
}

void TestGlobals::xfFieldsAtTheirOffsets() {
    const ByteVector stream = BiffWriter()
                                  .bof(kGlobals)
                                  .record(kXf, Bytes()
                                                   .u16(0x0101)
                                                   .u16(0x0202)
                                                   .u16(0x0303)
                                                   .u8(0x04)
                                                   .u8(0x05)
                                                   .u8(0x06)
                                                   .u8(0x07)
                                                   .u32(0x08080808)
                                                   .u32(0x09090909)
                                                   .u16(0x0A0A))
                                  .eof()
                                  .bytes();
    ZAreda::Workbook workbook;
    workbook.Read(span(stream));
    const auto &xf = workbook.XFs.at(0);
    QCOMPARE(xf.fontIndex, 0x0101);
    QCOMPARE(xf.formatIndex, 0x0202);
    QCOMPARE(xf.typeAndParent, 0x0303);
    QCOMPARE(xf.alignment, 0x04);
    QCOMPARE(xf.rotation, 0x05);
    QCOMPARE(xf.indentAndOrder, 0x06);
    QCOMPARE(xf.usedAttributes, 0x07);
    QCOMPARE(xf.borderStyles, 0x08080808u);
    QCOMPARE(xf.borderColours, 0x09090909u);
    QCOMPARE(xf.fillColours, 0x0A0A);
}

void TestGlobals::bofVersions_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("fileHistoryFlags");

    QTest::newRow("BIFF8") << BiffWriter().bof(kGlobals).eof().bytes() << 0x0600 << 0x0005
                           << quint32(0xC0C9);
    // A BIFF5 BOF has 8 bytes: version, type, build, year.
    QTest::newRow("BIFF5: short BOF keeps the defaults of what it lacks")
        << BiffWriter()
               .record(0x0809, Bytes().u16(0x0500).u16(0x0005).u16(1).u16(1995))
               .eof()
               .bytes()
        << 0x0500 << 0x0005 << quint32(0xC0C9);
}

void TestGlobals::bofVersions() {
    QFETCH(ByteVector, stream);
    QFETCH(int, version);
    QFETCH(int, type);
    QFETCH(quint32, fileHistoryFlags);
    ZAreda::Workbook workbook;
    workbook.Read(span(stream));
    QCOMPARE(workbook.bof.version, version);
    QCOMPARE(workbook.bof.type, type);
    QCOMPARE(workbook.bof.isBiff8(), version == 0x0600);
    QCOMPARE(workbook.bof.fileHistoryFlags, fileHistoryFlags);
}

void TestGlobals::constructorDefaults() {
    const ZAreda::Workbook workbook;
    QCOMPARE(workbook.bof.version, 0x0600);
    QCOMPARE(workbook.bof.type, 0x0005);
    QCOMPARE(workbook.bof.buildIdentifier, 6560);
    QCOMPARE(workbook.bof.buildYear, 1997);
    QCOMPARE(workbook.bof.fileHistoryFlags, 0xC0C9u);
    QCOMPARE(workbook.bof.lowestVersion, 0x0306u);
    QCOMPARE(workbook.eof.RecordSize(), 4u);
    QVERIFY(!workbook.filePass && !workbook.truncated);
    const ZAreda::Workbook::Font font;
    QCOMPARE(QString::fromStdU16String(font.name.wideText), QStringLiteral("Arial"));
    QCOMPARE(font.colourIndex, 0x7FFF);
    const ZAreda::Workbook::BoundSheet sheet;
    QCOMPARE(sheet.name.narrowText, std::string("Sheet1"));
}

void TestGlobals::appendsWithoutClearing() {
    const ByteVector stream = BiffWriter()
                                  .bof(kGlobals)
                                  .record(kFont, font(u"Arial", false))
                                  .boundSheet(0, "A")
                                  .eof()
                                  .bytes();
    ZAreda::Workbook workbook;
    workbook.Read(span(stream));
    workbook.Read(span(stream));
    QCOMPARE(workbook.fonts.size(), 2u);
    QCOMPARE(workbook.boundSheets.size(), 2u);
}

QTEST_GUILESS_MAIN(TestGlobals)
#include "TestGlobals.moc"
