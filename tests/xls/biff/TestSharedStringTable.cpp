// The shared string table: strings reassembled across CONTINUE boundaries,
// whatever lies at the boundary, and tables that do not hold what they say.
#include "BiffTestSupport.h"

#include "xls/biff/SharedStringTable.h"
#include "xls/biff/Workbook.h"

#include <QRandomGenerator>
#include <QTest>

using namespace bifftest;
using testwriters::BiffWriter;
using testwriters::Bytes;
using testwriters::SstString;

namespace {

constexpr std::uint16_t kSst = 0x00FC;

// The SST record's first piece: total and unique count.
Bytes sstHeader(std::uint32_t unique) {
    return Bytes().u32(unique).u32(unique);
}

// A stream of the SST record split into `pieces`, then an EOF.
ByteVector sst(const std::vector<Bytes> &pieces) {
    BiffWriter writer;
    writer.record(kSst, pieces.front());
    for (std::size_t i = 1; i < pieces.size(); ++i)
        writer.continued(pieces[i]);
    return writer.eof().bytes();
}

QString widths(const std::vector<ZAreda::XLUnicodeRichExtendedString> &strings) {
    QString out;
    for (const auto &s : strings)
        out += s.isWide() ? QLatin1Char('w') : QLatin1Char('n');
    return out;
}

QStringList texts(const std::vector<ZAreda::XLUnicodeRichExtendedString> &strings) {
    QStringList out;
    for (const auto &s : strings)
        out << text(s);
    return out;
}

} // namespace

class TestSharedStringTable : public QObject {
    Q_OBJECT

private slots:
    void reassembles_data();
    void reassembles();
    void writerSplitsReadBack_data();
    void writerSplitsReadBack();
    void globalsLoopFindsTheRecordAfter();
    void readingAgainReplacesTheStrings();
    void countsCutShort();
};

void TestSharedStringTable::reassembles_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<QStringList>("strings");
    QTest::addColumn<QString>("widths"); // n: 8-bit, w: 16-bit, per string

    QTest::newRow("empty table") << sst({sstHeader(0)}) << QStringList() << QString();

    QTest::newRow("strings ending at each boundary")
        << sst({sstHeader(3).u16(4).u8(0).narrow(u"Anna"), Bytes().u16(5).u8(0).narrow(u"Björn"),
                Bytes().u16(5).u8(1).wide(u"Łucja")})
        << QStringList{"Anna", "Björn", "Łucja"} << "nnw";

    // cch 20, 8-bit: 5 characters, boundary, option byte 0 and 15 characters.
    QTest::newRow("8-bit string split 5 + 15 in 8-bit")
        << sst({sstHeader(2).u16(20).u8(0).narrow(u"Grüße"),
                Bytes().u8(0).narrow(u" aus Köln, Jürg").u16(4).u8(0).narrow(u"Ende")})
        << QStringList{"Grüße aus Köln, Jürg", "Ende"} << "nn";
    QTest::newRow("8-bit string split 5 + 15 in 16-bit, narrowed")
        << sst({sstHeader(2).u16(20).u8(0).narrow(u"Grüße"),
                Bytes().u8(1).wide(u" aus Köln, Jürg").u16(4).u8(0).narrow(u"Ende")})
        << QStringList{"Grüße aus Köln, Jürg", "Ende"} << "nn";
    QTest::newRow("16-bit continuation above 0xFF: the string becomes 16-bit")
        << sst({sstHeader(2).u16(21).u8(0).narrow(u"Preis"),
                Bytes().u8(1).wide(u" 12,50 € je Stk.").u16(4).u8(0).narrow(u"Ende")})
        << QStringList{"Preis 12,50 € je Stk.", "Ende"} << "wn";
    QTest::newRow("16-bit first piece, 8-bit continuation: widened")
        << sst({sstHeader(2).u16(6).u8(1).wide(u"Dvo"),
                Bytes().u8(0).narrow(u"ºák").u16(1).u8(1).wide(u"€")})
        << QStringList{"Dvoºák", "€"} << "ww";
    QTest::newRow("zero-length string at a boundary")
        << sst({sstHeader(3).u16(2).u8(0).narrow(u"ab"),
                Bytes().u16(0).u8(0).u16(2).u8(0).narrow(u"cd")})
        << QStringList{"ab", "", "cd"} << "nnn";
    QTest::newRow("string crossing two boundaries")
        << sst({sstHeader(2).u16(30).u8(0).narrow(u"0123456789"),
                Bytes().u8(0).narrow(u"abcdefghij"),
                Bytes().u8(1).wide(u"ÄÖÜäöüß€@!").u16(2).u8(0).narrow(u"ok")})
        << QStringList{"0123456789abcdefghijÄÖÜäöüß€@!", "ok"} << "wn";
    QTest::newRow("string crossing three boundaries, widths changing")
        << sst({sstHeader(2).u16(8).u8(1).wide(u"Ł"), Bytes().u8(0).narrow(u"ab"),
                Bytes().u8(1).wide(u"žc"), Bytes().u8(0).narrow(u"def").u16(1).u8(0).narrow(u"z")})
        << QStringList{"Łabžcdef", "z"} << "wn";
    QTest::newRow("boundary between count and option byte")
        << sst({sstHeader(2).u16(3), Bytes().u8(0).narrow(u"abc").u16(1).u8(0).narrow(u"z")})
        << QStringList{"abc", "z"} << "nn";
    QTest::newRow("boundary between option byte and run count")
        << sst({sstHeader(2).u16(3).u8(0x08),
                Bytes().u16(1).narrow(u"abc").u32(0).u16(1).u8(0).narrow(u"z")})
        << QStringList{"abc", "z"} << "nn";
    QTest::newRow("boundary right after the header: characters start with an option byte")
        << sst({sstHeader(2).u16(3).u8(0), Bytes().u8(1).wide(u"aßc").u16(1).u8(0).narrow(u"z")})
        << QStringList{"aßc", "z"} << "nn";
    QTest::newRow("runs begin at a boundary")
        << sst({sstHeader(2).u16(3).u8(0x08).u16(2).narrow(u"abc"),
                Bytes().u32(0).u32(0x00010002).u16(1).u8(0).narrow(u"z")})
        << QStringList{"abc", "z"} << "nn";
    QTest::newRow("runs cross a boundary")
        << sst({sstHeader(2).u16(3).u8(0x08).u16(2).narrow(u"abc").raw({1, 2, 3}),
                Bytes().raw({4, 5, 6, 7, 8}).u16(1).u8(0).narrow(u"z")})
        << QStringList{"abc", "z"} << "nn";
    QTest::newRow("phonetic block crosses two boundaries")
        << sst({sstHeader(2).u16(1).u8(0x05).u32(9).wide(u"字").raw({1, 2}), Bytes().raw({3, 4, 5}),
                Bytes().raw({6, 7, 8, 9}).u16(1).u8(0).narrow(u"z")})
        << QStringList{"字", "z"} << "wn";
    QTest::newRow("string with runs begins at a boundary")
        << sst({sstHeader(3).u16(2).u8(0).narrow(u"ab"),
                Bytes().u16(3).u8(0x08).u16(1).narrow(u"cde").u32(0).u16(1).u8(0).narrow(u"z")})
        << QStringList{"ab", "cde", "z"} << "nnn";
    QTest::newRow("characters of a string with runs and phonetic block cross a boundary")
        << sst({sstHeader(2).u16(6).u8(0x0C).u16(1).u32(3).narrow(u"abc"),
                Bytes().u8(0).narrow(u"def").u32(0).raw({7, 7, 7}).u16(1).u8(0).narrow(u"z")})
        << QStringList{"abcdef", "z"} << "nn";
    QTest::newRow("zero characters announcing runs")
        << sst({sstHeader(2).u16(0).u8(0x08).u16(1).u32(0).u16(1).u8(0).narrow(u"z")})
        << QStringList{"", "z"} << "nn";
    QTest::newRow("empty CONTINUE records inside the characters")
        << sst({sstHeader(2).u16(4).u8(0).narrow(u"ab"), Bytes(), Bytes(),
                Bytes().u8(0).narrow(u"cd").u16(1).u8(0).narrow(u"z")})
        << QStringList{"abcd", "z"} << "nn";
    QTest::newRow("half a 16-bit character before a boundary: the next string keeps its place")
        << sst({sstHeader(3).u16(4).u8(1).wide(u"ab").u8(0x63),
                Bytes().u8(1).wide(u"cd").u16(2).u8(0).narrow(u"ok").u16(1).u8(0).narrow(u"z")})
        << QStringList{"abcd", "ok", "z"} << "wnn";
    QTest::newRow("unique count larger than the strings present")
        << sst({sstHeader(1000).u16(1).u8(0).narrow(u"a").u16(1).u8(0).narrow(u"b")})
        << QStringList{"a", "b"} << "nn";
    QTest::newRow("unique count smaller than the strings present")
        << sst({sstHeader(1).u16(1).u8(0).narrow(u"a").u16(1).u8(0).narrow(u"b")})
        << QStringList{"a"} << "n";
    QTest::newRow("last string cut off inside its characters")
        << sst({sstHeader(2).u16(1).u8(0).narrow(u"a").u16(9).u8(0).narrow(u"bcd")})
        << QStringList{"a", "bcd"} << "nn";
    QTest::newRow("last string cut off inside its header")
        << sst({sstHeader(2).u16(1).u8(0).narrow(u"a").u16(9)}) << QStringList{"a"} << "n";
}

void TestSharedStringTable::reassembles() {
    QFETCH(ByteVector, stream);
    QFETCH(QStringList, strings);
    QFETCH(QString, widths);

    ZAreda::Workbook::SharedStringTable table;
    QCOMPARE(table.Read(span(stream)), stream.size() - 4); // all but the EOF
    QCOMPARE(texts(table.strings), strings);
    QCOMPARE(::widths(table.strings), widths);
}

void TestSharedStringTable::writerSplitsReadBack_data() {
    QTest::addColumn<int>("maxData");
    for (int maxData : {12, 13, 17, 40, 255, 8224})
        QTest::addRow("CONTINUE every %d bytes", maxData) << maxData;
}

// Strings of every shape, split the way writers split them at various record
// sizes, read back equal to what was written.
void TestSharedStringTable::writerSplitsReadBack() {
    QFETCH(int, maxData);
    QRandomGenerator random(20240611);
    const std::u16string alphabet = u"abcXYZ äöüßÄÖÜéèñ";
    const std::u16string wideAlphabet = u"aÄ€ŁřžŞ字";
    std::vector<SstString> written;
    for (int i = 0; i < 400; ++i) {
        SstString s;
        s.wide = random.bounded(3) == 0;
        const int length = i % 50 == 0 ? 600 : int(random.bounded(25));
        const std::u16string &pool = s.wide ? wideAlphabet : alphabet;
        for (int k = 0; k < length; ++k)
            s.text += pool[random.bounded(int(pool.size()))];
        s.runCount = random.bounded(4) == 0 ? std::uint16_t(random.bounded(1, 5)) : 0;
        s.phoneticSize = random.bounded(6) == 0 ? random.bounded(1, 30) : 0;
        written.push_back(s);
    }
    BiffWriter writer;
    writer.sst(written, std::size_t(maxData));
    const ByteVector stream = writer.eof().bytes();

    ZAreda::Workbook::SharedStringTable table;
    QCOMPARE(table.Read(span(stream)), stream.size() - 4);
    QCOMPARE(table.strings.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        QCOMPARE(text(table.strings[i]), QString::fromStdU16String(written[i].text));
        QCOMPARE(table.strings[i].isWide(), written[i].wide);
    }
}

void TestSharedStringTable::globalsLoopFindsTheRecordAfter() {
    std::vector<SstString> strings(50, SstString{u"Müller, Jürgen", false, 0, 0});
    const ByteVector stream =
        BiffWriter().bof(0x0005).sst(strings, 100).boundSheet(0, "Namen").eof().bytes();
    ZAreda::Workbook workbook;
    QCOMPARE(workbook.Read(span(stream)), stream.size());
    QCOMPARE(workbook.sst.strings.size(), 50u);
    QCOMPARE(workbook.boundSheets.size(), 1u);
    QCOMPARE(workbook.boundSheets[0].name.narrowText, std::string("Namen"));
}

void TestSharedStringTable::readingAgainReplacesTheStrings() {
    const ByteVector first =
        sst({sstHeader(2).u16(1).u8(0).narrow(u"a").u16(1).u8(0).narrow(u"b")});
    const ByteVector second = sst({sstHeader(1).u16(1).u8(0).narrow(u"c")});
    ZAreda::Workbook::SharedStringTable table;
    table.Read(span(first));
    table.Read(span(second));
    QCOMPARE(texts(table.strings), QStringList{"c"});
    QCOMPARE(table.uniqueCount, 1u);
}

void TestSharedStringTable::countsCutShort() {
    const ByteVector stream = BiffWriter().record(kSst, Bytes().u32(7).u16(3)).bytes();
    ZAreda::Workbook::SharedStringTable table;
    QCOMPARE(table.Read(span(stream)), 10u);
    QCOMPARE(table.totalCount, 7u);
    QCOMPARE(table.uniqueCount, 0u);
    QVERIFY(table.strings.empty());
}

QTEST_GUILESS_MAIN(TestSharedStringTable)
#include "TestSharedStringTable.moc"
