// Framing of records with their CONTINUE records, and streams cut short.
#include "BiffTestSupport.h"

#include "xls/biff/Record.h"
#include "xls/biff/RecordFrame.h"

#include <QTest>

using namespace bifftest;
using testwriters::BiffWriter;
using testwriters::Bytes;

namespace {

constexpr std::uint16_t kSst = 0x00FC, kNumber = 0x0203, kBoundSheet = 0x0085;

// n bytes counting up from `first`, so that a misplaced byte shows.
ByteVector counting(std::size_t n, std::uint8_t first = 1) {
    ByteVector bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + i);
    return bytes;
}

ByteVector concat(std::initializer_list<ByteVector> parts) {
    ByteVector all;
    for (const ByteVector &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

class TestRecordFrame : public QObject {
    Q_OBJECT

private slots:
    void frames_data();
    void frames();
    void plainRecordStepsOver_data() { frames_data(); }
    void plainRecordStepsOver();
    void newRecordDefaults();
    void readingAgainReplacesEverything();
};

void TestRecordFrame::frames_data() {
    QTest::addColumn<ByteVector>("stream");
    QTest::addColumn<int>("code");
    QTest::addColumn<ByteVector>("payload");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<std::vector<std::uint32_t>>("continueOffsets");
    QTest::addColumn<bool>("truncated");

    const ByteVector p30 = counting(30), c10 = counting(10, 100), c20 = counting(20, 150);
    QTest::newRow("30 bytes continued by 10 and 20, then another record")
        << BiffWriter().record(kSst, p30).continued(c10).continued(c20).eof().bytes() << int(kSst)
        << concat({p30, c10, c20}) << 72 << std::vector<std::uint32_t>{30, 40} << false;
    QTest::newRow("empty payload")
        << BiffWriter().record(kBoundSheet, {}).eof().bytes() << int(kBoundSheet) << ByteVector{}
        << 4 << std::vector<std::uint32_t>{} << false;
    QTest::newRow("empty payload continued by 5 bytes")
        << BiffWriter().record(kBoundSheet, {}).continued(counting(5)).eof().bytes()
        << int(kBoundSheet) << counting(5) << 13 << std::vector<std::uint32_t>{0} << false;
    QTest::newRow("empty CONTINUE records keep their offsets")
        << BiffWriter().record(kSst, counting(2)).continued({}).continued({}).continued({3}).bytes()
        << int(kSst) << ByteVector{1, 2, 3} << 19 << std::vector<std::uint32_t>{2, 2, 2} << false;
    QTest::newRow("a CONTINUE after another record is not taken")
        << BiffWriter().record(kNumber, counting(3)).eof().continued(counting(2)).bytes()
        << int(kNumber) << counting(3) << 7 << std::vector<std::uint32_t>{} << false;
    QTest::newRow("last record of the stream")
        << BiffWriter().record(kNumber, counting(3)).bytes() << int(kNumber) << counting(3) << 7
        << std::vector<std::uint32_t>{} << false;
    QTest::newRow("one byte after the record: no type to look at")
        << BiffWriter().record(kNumber, counting(3)).raw({0x3C}).bytes() << int(kNumber)
        << counting(3) << 7 << std::vector<std::uint32_t>{} << false;
    QTest::newRow("length runs past the end")
        << Bytes().u16(kNumber).u16(14).raw(counting(5)).data() << int(kNumber) << counting(5) << 9
        << std::vector<std::uint32_t>{} << true;
    QTest::newRow("CONTINUE header cut short")
        << BiffWriter().record(kSst, counting(3)).raw({0x3C, 0x00, 0x05}).bytes() << int(kSst)
        << counting(3) << 10 << std::vector<std::uint32_t>{} << true;
    QTest::newRow("CONTINUE payload cut short")
        << BiffWriter().record(kSst, counting(3)).raw({0x3C, 0x00, 10, 0x00, 7, 8}).bytes()
        << int(kSst) << ByteVector{1, 2, 3, 7, 8} << 13 << std::vector<std::uint32_t>{3} << true;
    QTest::newRow("three bytes: a header cut short")
        << ByteVector{0x0A, 0x00, 0x00} << 0x000A << ByteVector{} << 3
        << std::vector<std::uint32_t>{} << true;
    QTest::newRow("one byte") << ByteVector{0x0A} << 0 << ByteVector{} << 1
                              << std::vector<std::uint32_t>{} << true;
}

void TestRecordFrame::frames() {
    QFETCH(ByteVector, stream);
    QFETCH(int, code);
    QFETCH(ByteVector, payload);
    QFETCH(int, recordSize);
    QFETCH(std::vector<std::uint32_t>, continueOffsets);
    QFETCH(bool, truncated);

    const ZAreda::RecordPayload framed(span(stream));
    QCOMPARE(framed.code(), code);
    QCOMPARE(ByteVector(framed.data().begin(), framed.data().end()), payload);
    QCOMPARE(framed.dataSize(), payload.size());
    QCOMPARE(framed.recordSize(), recordSize);
    QCOMPARE(std::vector<std::uint32_t>(framed.continueOffsets().begin(),
                                        framed.continueOffsets().end()),
             continueOffsets);
    QCOMPARE(framed.truncated(), truncated);
    QVERIFY(framed.recordSize() <= stream.size());
}

void TestRecordFrame::plainRecordStepsOver() {
    QFETCH(ByteVector, stream);
    QFETCH(int, code);
    QFETCH(ByteVector, payload);
    QFETCH(int, recordSize);

    ZAreda::Record record;
    QCOMPARE(record.Read(span(stream)), recordSize);
    QCOMPARE(record.code, code);
    QCOMPARE(record.DataSize(), payload.size());
    QCOMPARE(record.RecordSize(), recordSize);
    QCOMPARE(ZAreda::frameRecord(span(stream)).recordSize, recordSize);
}

void TestRecordFrame::newRecordDefaults() {
    const ZAreda::Record record;
    QCOMPARE(record.DataSize(), 0u);
    QCOMPARE(record.RecordSize(), 4u);
}

void TestRecordFrame::readingAgainReplacesEverything() {
    const ByteVector stream = BiffWriter()
                                  .record(kSst, counting(30))
                                  .continued(counting(10))
                                  .record(kNumber, counting(14))
                                  .bytes();
    ZAreda::Record record;
    QCOMPARE(record.Read(span(stream)), 48u);
    QCOMPARE(record.Read(span(stream).subspan(48)), 18u);
    QCOMPARE(record.code, kNumber);
    QCOMPARE(record.DataSize(), 14u);
    QCOMPARE(record.RecordSize(), 18u);
}

QTEST_GUILESS_MAIN(TestRecordFrame)
#include "TestRecordFrame.moc"
