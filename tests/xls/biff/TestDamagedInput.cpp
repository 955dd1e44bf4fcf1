// Real workbook streams cut at every byte offset, and read from every byte
// offset: each loop and string form must stop inside the bytes it was given
// (the sanitizer build catches any read beyond them) and tell that the
// stream was cut short.
#include "BiffTestSupport.h"

#include "xls/biff/Biff.h"
#include "xls/biff/ContinuedStringReader.h"
#include "xls/biff/RecordFrame.h"

#include <QTest>

using namespace bifftest;
using RowBlock = ZAreda::Worksheet::CellTable::RowBlock;

namespace {

// A buffer of exactly the first `n` bytes, so that a read past them is a
// read past the allocation.
ByteVector cut(const ByteVector &stream, std::size_t n) {
    return ByteVector(stream.begin(), stream.begin() + std::ptrdiff_t(n));
}

// Offset of the first record with `code` at or after `from`; the stream size if none.
std::size_t find(const ByteVector &stream, std::uint16_t code, std::size_t from = 0) {
    std::size_t pos = from;
    while (ZAreda::hasRecordHeader(span(stream), pos)) {
        if (ZAreda::recordCodeAt(span(stream), pos) == code)
            return pos;
        pos += ZAreda::frameRecord(span(stream).subspan(pos)).recordSize;
    }
    return stream.size();
}

QStringList texts(const ZAreda::Workbook &workbook) {
    QStringList out;
    for (const auto &s : workbook.sst.strings)
        out << text(s);
    return out;
}

} // namespace

class TestDamagedInput : public QObject {
    Q_OBJECT

private slots:
    void streamCutAtEveryOffset_data();
    void streamCutAtEveryOffset();
    void readFromEveryOffset_data() { streamCutAtEveryOffset_data(); }
    void readFromEveryOffset();
    void stringFormsCutAtEveryOffset_data() { streamCutAtEveryOffset_data(); }
    void stringFormsCutAtEveryOffset();
    void sharedStringsCutAroundEveryBoundary_data();
    void sharedStringsCutAroundEveryBoundary();
};

void TestDamagedInput::streamCutAtEveryOffset_data() {
    QTest::addColumn<QString>("stream");
    for (const char *writer : {"xlwt", "libreoffice", "gnumeric"})
        QTest::newRow(writer) << QStringLiteral("sst/cells-%1.stream").arg(writer);
}

void TestDamagedInput::streamCutAtEveryOffset() {
    QFETCH(QString, stream);
    const ByteVector whole = readDataFile(stream);
    QVERIFY2(!whole.empty(), "fixture missing: run tests/data/sst/make-fixtures");
    ZAreda::Workbook reference;
    const std::size_t globalsEnd = reference.Read(span(whole));
    const std::size_t sheetStart = reference.boundSheets.at(0).streamPosition;
    ZAreda::Worksheet referenceSheet;
    const std::size_t sheetEnd = sheetStart + referenceSheet.Read(span(whole).subspan(sheetStart));
    const std::size_t firstRow = find(whole, 0x0208, sheetStart);
    const std::size_t sst = find(whole, 0x00FC);
    QVERIFY(globalsEnd <= sheetStart && firstRow < sheetEnd && sst < globalsEnd);

    for (std::size_t n = 0; n <= whole.size(); ++n) {
        const ByteVector bytes = cut(whole, n);
        const xls::ByteSpan all = span(bytes);

        ZAreda::Workbook globals;
        const std::size_t consumed = globals.Read(all);
        QVERIFY(consumed <= n);
        QCOMPARE(globals.truncated, n < globalsEnd);
        if (n >= globalsEnd)
            QCOMPARE(consumed, globalsEnd);
        QVERIFY(globals.sst.strings.size() <= reference.sst.strings.size());

        if (n > sst) {
            ZAreda::Workbook::SharedStringTable table;
            QVERIFY(table.Read(all.subspan(sst)) <= n - sst);
        }
        if (n > sheetStart) {
            ZAreda::Worksheet sheet;
            QVERIFY(sheet.Read(all.subspan(sheetStart)) <= n - sheetStart);
            QCOMPARE(sheet.truncated, n < sheetEnd);
        }
        if (n > firstRow) {
            ZAreda::Worksheet::CellTable table;
            QVERIFY(table.Read(all.subspan(firstRow)) <= n - firstRow);
            RowBlock block;
            QVERIFY(block.Read(all.subspan(firstRow)) <= n - firstRow);
        }
    }
}

// Every offset as the start of a record: misaligned, hostile input.
void TestDamagedInput::readFromEveryOffset() {
    QFETCH(QString, stream);
    const ByteVector whole = readDataFile(stream);
    QVERIFY(!whole.empty());
    for (std::size_t start = 0; start < whole.size(); ++start) {
        const ByteVector bytes(whole.begin() + std::ptrdiff_t(start), whole.end());
        const xls::ByteSpan all = span(bytes);
        ZAreda::Workbook globals;
        QVERIFY(globals.Read(all) <= all.size());
        ZAreda::Worksheet sheet;
        QVERIFY(sheet.Read(all) <= all.size());
        RowBlock block;
        QVERIFY(block.Read(all) <= all.size());
        ZAreda::Workbook::SharedStringTable table;
        QVERIFY(table.Read(all) <= all.size());
        RowBlock owner;
        RowBlock::CellBlock cell;
        QVERIFY(cell.Read(all, owner) <= all.size());
    }
}

// The two string forms and the continued form, from every offset and cut at
// every length.
void TestDamagedInput::stringFormsCutAtEveryOffset() {
    QFETCH(QString, stream);
    const ByteVector whole = readDataFile(stream);
    QVERIFY(!whole.empty());
    const std::size_t window = 48;
    for (std::size_t start = 0; start < whole.size(); ++start) {
        for (std::size_t n = 0; n <= window && start + n <= whole.size(); ++n) {
            const ByteVector bytes(whole.begin() + std::ptrdiff_t(start),
                                   whole.begin() + std::ptrdiff_t(start + n));
            ZAreda::ShortXLUnicodeString shortString;
            QVERIFY(shortString.parse(span(bytes)) <= n);
            ZAreda::XLUnicodeRichExtendedString rich;
            QVERIFY(rich.parse(span(bytes)) <= n);
            const std::uint32_t boundaries[] = {1, 3, 7};
            ZAreda::ContinuedStringReader reader(span(bytes), boundaries, 0);
            reader.read(rich, ZAreda::StringForm::Plain);
            QVERIFY(reader.position() <= n);
        }
    }
}

void TestDamagedInput::sharedStringsCutAroundEveryBoundary_data() {
    QTest::addColumn<QString>("stream");
    for (const char *writer : {"xlwt", "libreoffice", "gnumeric"})
        QTest::newRow(writer) << QStringLiteral("sst/names-%1.stream").arg(writer);
}

// A long table cut a few bytes before, at and after each CONTINUE header:
// every string before the cut is read in full and in its place.
void TestDamagedInput::sharedStringsCutAroundEveryBoundary() {
    QFETCH(QString, stream);
    const ByteVector whole = readDataFile(stream);
    QVERIFY2(!whole.empty(), "fixture missing: run tests/data/sst/make-fixtures");
    ZAreda::Workbook reference;
    reference.Read(span(whole));
    const QStringList strings = texts(reference);

    std::vector<std::size_t> cuts;
    for (std::size_t pos = find(whole, 0x00FC); ZAreda::hasRecordHeader(span(whole), pos);) {
        const std::uint16_t code = ZAreda::recordCodeAt(span(whole), pos);
        if (code != 0x00FC && code != 0x003C)
            break;
        for (std::size_t d = 0; d <= 12; ++d)
            cuts.push_back(pos + d - 6);
        pos += 4 + std::size_t(xls::loadU16(whole.data() + pos + 2)); // one header at a time
    }
    QVERIFY(cuts.size() > 15 * 13);
    for (std::size_t n : cuts) {
        const ByteVector bytes = cut(whole, std::min(n, whole.size()));
        ZAreda::Workbook globals;
        globals.Read(span(bytes));
        QVERIFY(globals.truncated);
        const QStringList got = texts(globals);
        QVERIFY(got.size() <= strings.size());
        // All but the last string read are complete; the last may be cut.
        for (qsizetype i = 0; i + 1 < got.size(); ++i)
            QCOMPARE(got[i], strings[i]);
        if (!got.isEmpty())
            QVERIFY(strings[got.size() - 1].startsWith(got.last()));
    }
}

QTEST_GUILESS_MAIN(TestDamagedInput)
#include "TestDamagedInput.moc"
