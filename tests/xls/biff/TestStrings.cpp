// The two string forms: the short one of sheet and font names, and the long
// one of shared strings, read in one piece or piece by piece.
#include "BiffTestSupport.h"

#include "xls/biff/ShortXLUnicodeString.h"
#include "xls/biff/XLUnicodeRichExtendedString.h"

#include <QTest>

using namespace bifftest;
using testwriters::Bytes;

class TestStrings : public QObject {
    Q_OBJECT

private slots:
    void shortString_data();
    void shortString();
    void richString_data();
    void richString();
    void pieces_data();
    void pieces();
    void emptyPieceChangesNothing();
};

void TestStrings::shortString_data() {
    QTest::addColumn<ByteVector>("bytes");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("consumed");

    const QString twoHundred = QString(200, QLatin1Char('x'));
    QTest::newRow("200 8-bit characters")
        << Bytes().u8(200).u8(0x00).narrow(u16(twoHundred)).data() << false << twoHundred << 202;
    QTest::newRow("option byte 0x01: 16-bit")
        << Bytes().u8(3).u8(0x01).wide(u"Łód").data() << true << QStringLiteral("Łód") << 8;
    QTest::newRow("option byte 0x04 is non-zero: 16-bit")
        << Bytes().u8(3).u8(0x04).wide(u"Zoë").data() << true << QStringLiteral("Zoë") << 8;
    QTest::newRow("8-bit umlauts stay Latin-1")
        << Bytes().u8(6).u8(0x00).narrow(u"Müßig").u8('!').data() << false
        << QStringLiteral("Müßig!") << 8;
    QTest::newRow("empty") << Bytes().u8(0).u8(0).u8(0x41).data() << false << QString() << 2;
    QTest::newRow("count past the end, 8-bit")
        << Bytes().u8(10).u8(0x00).narrow(u"abcd").data() << false << QStringLiteral("abcd") << 6;
    QTest::newRow("count past the end, 16-bit with an odd byte")
        << Bytes().u8(3).u8(0x01).wide(u"ab").u8(0x63).data() << true << QStringLiteral("ab") << 6;
    QTest::newRow("count byte only") << ByteVector{5} << false << QString() << 1;
}

void TestStrings::shortString() {
    QFETCH(ByteVector, bytes);
    QFETCH(bool, wide);
    QFETCH(QString, text);
    QFETCH(int, consumed);

    ZAreda::ShortXLUnicodeString s = ZAreda::ShortXLUnicodeString::wide(u"old text");
    QCOMPARE(s.parse(span(bytes)), consumed);
    QCOMPARE(s.isWide(), wide);
    if (wide) {
        QVERIFY(s.narrowText.empty());
        QCOMPARE(QString::fromStdU16String(s.wideText), text);
    } else {
        QVERIFY(s.wideText.empty());
        QCOMPARE(QString::fromLatin1(s.narrowText.data(), qsizetype(s.narrowText.size())), text);
    }
}

void TestStrings::richString_data() {
    QTest::addColumn<ByteVector>("bytes");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("consumed");
    QTest::addColumn<int>("runCount");
    QTest::addColumn<int>("phoneticSize");

    const ByteVector after = {0x07, 0x00, 0x00}; // the next string, never read
    QTest::newRow("8-bit") << Bytes().u16(6).u8(0x00).narrow(u"Müller").raw(after).data() << false
                           << QStringLiteral("Müller") << 9 << 0 << 0;
    QTest::newRow("16-bit") << Bytes().u16(4).u8(0x01).wide(u"Łódź").raw(after).data() << true
                            << QStringLiteral("Łódź") << 11 << 0 << 0;
    QTest::newRow("two formatting runs")
        << Bytes().u16(3).u8(0x08).u16(2).narrow(u"abc").u32(0).u32(0x10001).raw(after).data()
        << false << QStringLiteral("abc") << 16 << 2 << 0;
    QTest::newRow("phonetic block of 5 bytes")
        << Bytes().u16(2).u8(0x05).u32(5).wide(u"漢字").raw({1, 2, 3, 4, 5}).raw(after).data()
        << true << QStringLiteral("漢字") << 16 << 0 << 5;
    QTest::newRow("runs and phonetic block, 16-bit")
        << Bytes().u16(1).u8(0x0D).u16(1).u32(2).wide(u"€").u32(0).raw({9, 9}).raw(after).data()
        << true << QStringLiteral("€") << 17 << 1 << 2;
    QTest::newRow("run bit with a run count of 0")
        << Bytes().u16(2).u8(0x08).u16(0).narrow(u"ab").raw(after).data() << false
        << QStringLiteral("ab") << 7 << 0 << 0;
    QTest::newRow("phonetic bit with a size of 0")
        << Bytes().u16(2).u8(0x04).u32(0).narrow(u"ab").raw(after).data() << false
        << QStringLiteral("ab") << 9 << 0 << 0;
    QTest::newRow("zero characters announcing a run")
        << Bytes().u16(0).u8(0x08).u16(1).u32(0).raw(after).data() << false << QString() << 9 << 1
        << 0;
    QTest::newRow("characters cut off by the end")
        << Bytes().u16(10).u8(0x00).narrow(u"abcd").data() << false << QStringLiteral("abcd") << 7
        << 0 << 0;
    QTest::newRow("runs cut off by the end")
        << Bytes().u16(1).u8(0x08).u16(100).narrow(u"a").u32(0).data() << false
        << QStringLiteral("a") << 10 << 100 << 0;
    QTest::newRow("header cut short: an empty, unread string")
        << ByteVector{5, 0} << true << QString() << 2 << 0 << 0;
    QTest::newRow("phonetic size beyond every bound")
        << Bytes().u16(1).u8(0x04).u32(0xFFFFFFFF).narrow(u"a").u8(0).data() << false
        << QStringLiteral("a") << 9 << 0 << int(0xFFFFFFFF);
}

void TestStrings::richString() {
    QFETCH(ByteVector, bytes);
    QFETCH(bool, wide);
    QFETCH(QString, text);
    QFETCH(int, consumed);
    QFETCH(int, runCount);
    QFETCH(int, phoneticSize);

    ZAreda::XLUnicodeRichExtendedString s;
    s.narrowText = "left over";
    QCOMPARE(s.parse(span(bytes)), consumed);
    QCOMPARE(s.isWide(), wide);
    QCOMPARE(bifftest::text(s), text);
    QCOMPARE(wide ? s.narrowText.size() : s.wideText.size(), 0u);
    QCOMPARE(s.runCount, runCount);
    QCOMPARE(s.phoneticSize, std::uint32_t(phoneticSize));
}

void TestStrings::pieces_data() {
    QTest::addColumn<ByteVector>("first");
    QTest::addColumn<int>("firstCount");
    QTest::addColumn<ByteVector>("second");
    QTest::addColumn<int>("secondCount");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");

    QTest::newRow("8-bit then 8-bit")
        << Bytes().u8(0).narrow(u"Schä").data() << 4 << Bytes().u8(0).narrow(u"fer").data() << 3
        << false << QStringLiteral("Schäfer") << 0x00;
    QTest::newRow("8-bit then 16-bit within Latin-1: narrowed")
        << Bytes().u8(0).narrow(u"Kö").data() << 2 << Bytes().u8(1).wide(u"hler").data() << 4
        << false << QStringLiteral("Köhler") << 0x00;
    QTest::newRow("8-bit then 16-bit above 0xFF: the string becomes 16-bit")
        << Bytes().u8(0).narrow(u"Preis ").data() << 6 << Bytes().u8(1).wide(u"12 €").data() << 4
        << true << QStringLiteral("Preis 12 €") << 0x01;
    QTest::newRow("16-bit then 8-bit: widened")
        << Bytes().u8(1).wide(u"Dvoř").data() << 4 << Bytes().u8(0).narrow(u"ák").data() << 2
        << true << QStringLiteral("Dvořák") << 0x01;
    QTest::newRow("a piece shorter than its count")
        << Bytes().u8(0).narrow(u"ab").data() << 5 << Bytes().u8(0).narrow(u"c").data() << 1
        << false << QStringLiteral("abc") << 0x00;
}

void TestStrings::pieces() {
    QFETCH(ByteVector, first);
    QFETCH(int, firstCount);
    QFETCH(ByteVector, second);
    QFETCH(int, secondCount);
    QFETCH(bool, wide);
    QFETCH(QString, text);
    QFETCH(int, flags);

    ZAreda::XLUnicodeRichExtendedString s;
    QCOMPARE(s.optionFlags, 0xFF);
    QCOMPARE(s.appendPiece(span(first), std::uint32_t(firstCount)), first.size());
    QCOMPARE(s.appendPiece(span(second), std::uint32_t(secondCount)), second.size());
    QCOMPARE(s.isWide(), wide);
    QCOMPARE(bifftest::text(s), text);
    QCOMPARE(s.optionFlags, flags);
}

void TestStrings::emptyPieceChangesNothing() {
    ZAreda::XLUnicodeRichExtendedString s;
    const ByteVector piece = Bytes().u8(1).wide(u"x").data();
    QCOMPARE(s.appendPiece(span(piece), 0), 0u);
    QCOMPARE(s.optionFlags, 0xFF);
    QVERIFY(s.wideText.empty() && s.narrowText.empty());
}

QTEST_GUILESS_MAIN(TestStrings)
#include "TestStrings.moc"
