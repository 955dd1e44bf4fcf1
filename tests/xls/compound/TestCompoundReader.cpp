// How the compound file reader reads well-formed files: stream sizes on both
// sides of the mini stream cutoff, both sector sizes, paths and storages,
// DIFAT, partial last sectors, files on disk.
#include "CompoundTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace compoundtest;
using testwriters::CompoundImage;
using testwriters::CompoundWriter;
using testwriters::patternBytes;
using xls::CompoundFile;
using xls::ReadErrorCode;

namespace {

// Root: Workbook, Book, storage Sub { Inner, storage Sub2 { Deep } }.
CompoundImage treeFile() {
    CompoundWriter writer;
    writer.addStream(u"Workbook", patternBytes(5000, 1));
    const auto sub = writer.addStorage(u"Sub");
    writer.addStream(u"Inner", patternBytes(700, 2), sub);
    const auto sub2 = writer.addStorage(u"Sub2", sub);
    writer.addStream(u"Deep", patternBytes(5000, 3), sub2);
    writer.addStream(u"Book", patternBytes(100, 4));
    return writer.build();
}

QByteArray readAll(CompoundFile &file, const char *path) {
    std::vector<std::uint8_t> out;
    if (file.readStream(path, out) != CompoundFile::Success)
        return QByteArray("<unreadable>");
    return toByteArray(out);
}

bool writeFile(const QString &path, const std::vector<std::uint8_t> &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(toByteArray(bytes)) == qint64(bytes.size());
}

} // namespace

class TestCompoundReader : public QObject {
    Q_OBJECT

private slots:
    void readsStreamsOfEverySize_data();
    void readsStreamsOfEverySize();
    void resolvesPaths_data();
    void resolvesPaths();
    void changesDirectory_data();
    void changesDirectory();
    void findsNamesIgnoringCase_data();
    void findsNamesIgnoringCase();
    void keepsEntryNumbersAcrossFreeSlots();
    void rootWithoutChildrenHoldsNothing();
    void readsStorageLikeStream();
    void readsMiniSectorsAnywhereInMiniStream();
    void comparesNameWithoutNulUpTo32Units();
    void widensNarrowPathsAsLatin1();
    void ignoresHeaderFieldsItDoesNotNeed_data();
    void ignoresHeaderFieldsItDoesNotNeed();
    void readsPartialLastSector_data();
    void readsPartialLastSector();
    void followsDifatBeyond109FatSectors();
    void reportsChainLengths();
    void loadsMiniFatOnlyWhenPresent();
    void countsBlocks();
    void opensFileReadOnly();
    void refusesWriteAccessToReadOnlyFile();
    void failsOnMissingFileOrDirectory();
    void forgetsEverythingOnClose();
};

void TestCompoundReader::readsStreamsOfEverySize_data() {
    QTest::addColumn<int>("sectorShift");
    QTest::addColumn<bool>("fragmented");
    QTest::addColumn<int>("size");
    for (int shift : {9, 12}) {
        for (bool fragmented : {false, true}) {
            for (int size : {0, 1, 63, 64, 65, 4095, 4096, 4097, 70000}) {
                const QByteArray name = QByteArray::number(1 << shift) + "-byte sectors" +
                                        (fragmented ? ", fragmented, " : ", ") +
                                        QByteArray::number(size) + " bytes";
                QTest::newRow(name.constData()) << shift << fragmented << size;
            }
        }
    }
}

void TestCompoundReader::readsStreamsOfEverySize() {
    QFETCH(int, sectorShift);
    QFETCH(bool, fragmented);
    QFETCH(int, size);
    CompoundWriter writer{unsigned(sectorShift)};
    writer.setFragmented(fragmented);
    writer.addStream(u"Small", patternBytes(1000, 2));
    writer.addStream(u"Workbook", patternBytes(size, 1));
    writer.addStream(u"Big", patternBytes(9000, 3));
    CompoundFile file;
    QVERIFY2(file.openMemory(writer.build().bytes), qPrintable(describe(file)));
    QCOMPARE(file.header().sectorSize, 1u << sectorShift);

    std::vector<std::uint8_t> out{1, 2, 3};
    QCOMPARE(file.readStream("Workbook", out), CompoundFile::Success);
    QCOMPARE(toByteArray(out), pattern(size, 1));
    std::uint64_t reported = 0;
    QCOMPARE(file.streamSize("Workbook", reported), CompoundFile::Success);
    QCOMPARE(reported, std::uint64_t(size));
    // Interleaved neighbours come back whole: no chain bleeds into another.
    QCOMPARE(readAll(file, "Small"), pattern(1000, 2));
    QCOMPARE(readAll(file, "Big"), pattern(9000, 3));
}

void TestCompoundReader::resolvesPaths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("expected");
    const int ok = CompoundFile::Success;
    const int none = CompoundFile::NoSuchEntry;
    QTest::newRow("root child") << "Workbook" << ok << pattern(5000, 1);
    QTest::newRow("absolute") << "\\Workbook" << ok << pattern(5000, 1);
    QTest::newRow("other letter case") << "WORKBOOK" << none << QByteArray();
    QTest::newRow("in storage") << "Sub\\Inner" << ok << pattern(700, 2);
    QTest::newRow("absolute in storage") << "\\Sub\\Inner" << ok << pattern(700, 2);
    QTest::newRow("two levels") << "Sub\\Sub2\\Deep" << ok << pattern(5000, 3);
    QTest::newRow("missing leaf") << "Sub\\Missing" << none << QByteArray();
    QTest::newRow("missing storage") << "Missing\\Inner" << none << QByteArray();
    QTest::newRow("not at root") << "Inner" << none << QByteArray();
    QTest::newRow("empty path") << "" << none << QByteArray();
    QTest::newRow("empty leaf") << "Sub\\" << none << QByteArray();
    QTest::newRow("storage itself") << "Sub" << ok << QByteArray();
    QTest::newRow("through a stream") << "Workbook\\Inner" << none << QByteArray();
}

void TestCompoundReader::resolvesPaths() {
    QFETCH(QString, path);
    QFETCH(int, result);
    QFETCH(QByteArray, expected);
    CompoundFile file;
    QVERIFY(file.openMemory(treeFile().bytes));
    std::vector<std::uint8_t> narrow{9}, wide{9};
    QCOMPARE(file.readStream(path.toLatin1().constData(), narrow), result);
    QCOMPARE(file.readStream(view(path), wide), result);
    QCOMPARE(toByteArray(narrow), expected);
    QCOMPARE(toByteArray(wide), expected);
    QCOMPARE(file.findEntry(view(path)) != nullptr, result == CompoundFile::Success);
    QCOMPARE(file.currentNode(), file.rootNode());
    if (result != CompoundFile::Success)
        QCOMPARE(file.lastError().code, ReadErrorCode::NoSuchEntry);
}

void TestCompoundReader::changesDirectory_data() {
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("readResult");
    const int ok = CompoundFile::Success;
    const int notFound = CompoundFile::DirectoryNotFound;
    const int none = CompoundFile::NoSuchEntry;
    QTest::newRow("into storage") << QStringList{"Sub"} << QList<int>{ok} << "Sub"
                                  << "Inner" << ok;
    QTest::newRow("and back") << QStringList{"Sub", ".."} << QList<int>{ok, ok} << "Root Entry"
                              << "Workbook" << ok;
    QTest::newRow("two levels") << QStringList{"Sub\\Sub2"} << QList<int>{ok} << "Sub2"
                                << "Deep" << ok;
    QTest::newRow("to root") << QStringList{"Sub\\Sub2", "\\"} << QList<int>{ok, ok} << "Root Entry"
                             << "Workbook" << ok;
    QTest::newRow("absolute from storage")
        << QStringList{"Sub\\Sub2", "\\Sub"} << QList<int>{ok, ok} << "Sub"
        << "Inner" << ok;
    QTest::newRow("missing stays") << QStringList{"Missing"} << QList<int>{notFound} << "Root Entry"
                                   << "Workbook" << ok;
    QTest::newRow("missing inside stays")
        << QStringList{"Sub", "Nope"} << QList<int>{ok, notFound} << "Sub"
        << "Inner" << ok;
    QTest::newRow("half-found path stays")
        << QStringList{"Sub\\Nope"} << QList<int>{notFound} << "Root Entry"
        << "Workbook" << ok;
    QTest::newRow("trailing backslash") << QStringList{"Sub\\"} << QList<int>{ok} << "Sub"
                                        << "Inner" << ok;
    QTest::newRow("dot") << QStringList{"."} << QList<int>{ok} << "Root Entry"
                         << "Workbook" << ok;
    QTest::newRow("dot dot at root") << QStringList{".."} << QList<int>{ok} << "Root Entry"
                                     << "Workbook" << ok;
    QTest::newRow("root stream from storage") << QStringList{"Sub"} << QList<int>{ok} << "Sub"
                                              << "\\Workbook" << ok;
    QTest::newRow("relative to storage") << QStringList{"Sub"} << QList<int>{ok} << "Sub"
                                         << "Workbook" << none;
    QTest::newRow("stream has no children")
        << QStringList{"Workbook\\x"} << QList<int>{notFound} << "Root Entry"
        << "Workbook" << ok;
}

void TestCompoundReader::changesDirectory() {
    QFETCH(QStringList, moves);
    QFETCH(QList<int>, results);
    QFETCH(QString, current);
    QFETCH(QString, read);
    QFETCH(int, readResult);
    CompoundFile file;
    QVERIFY(file.openMemory(treeFile().bytes));
    for (qsizetype i = 0; i < moves.size(); ++i)
        QCOMPARE(file.changeDirectory(view(moves[i])), results[i]);
    QVERIFY(file.currentNode());
    QCOMPARE(QString::fromStdU16String(std::u16string(file.currentNode()->name())), current);
    std::vector<std::uint8_t> out;
    QCOMPARE(file.readStream(view(read), out), readResult);
    // A lookup leaves the current storage where it was.
    QCOMPARE(QString::fromStdU16String(std::u16string(file.currentNode()->name())), current);
}

void TestCompoundReader::findsNamesIgnoringCase_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<bool>("found");
    QTest::newRow("capitals") << "WORKBOOK"
                              << "Workbook" << true;
    QTest::newRow("small letters") << "workbook"
                                   << "Workbook" << true;
    QTest::newRow("exact") << "Workbook"
                           << "Workbook" << true;
    QTest::newRow("book") << "Book"
                          << "BOOK" << true;
    QTest::newRow("latin-1") << QString::fromUtf8("Äpfelmus") << QString::fromUtf8("äPFELMUS")
                             << true;
    QTest::newRow("greek") << QString::fromUtf8("Ωμέγα") << QString::fromUtf8("ωμέγα") << true;
    QTest::newRow("cyrillic") << QString::fromUtf8("Жук") << QString::fromUtf8("жУК") << true;
    QTest::newRow("longer") << "Workbook"
                            << "Workbooks" << false;
    QTest::newRow("shorter") << "Workbook"
                             << "Workboo" << false;
    QTest::newRow("other letters") << "Workbook"
                                   << "Worksheet" << false;
}

void TestCompoundReader::findsNamesIgnoringCase() {
    QFETCH(QString, stored);
    QFETCH(QString, wanted);
    QFETCH(bool, found);
    CompoundWriter writer;
    writer.addStream(stored.toStdU16String(), patternBytes(300, 5));
    writer.addStream(u"Other", patternBytes(300, 6));
    CompoundFile file;
    QVERIFY(file.openMemory(writer.build().bytes));
    const xls::DirectoryNode *node = file.findChildIgnoringCase(file.rootNode(), view(wanted));
    QCOMPARE(node != nullptr, found);
    QCOMPARE(file.findChild(file.rootNode(), view(wanted)) != nullptr, stored == wanted);
    std::vector<std::uint8_t> out;
    QCOMPARE(file.readStream(view(wanted), out),
             stored == wanted ? CompoundFile::Success : CompoundFile::NoSuchEntry);
    if (!found)
        return;
    QCOMPARE(QString::fromStdU16String(std::u16string(node->name())), stored);
    QCOMPARE(file.readStream(node, out), CompoundFile::Success);
    QCOMPARE(toByteArray(out), pattern(300, 5));
}

void TestCompoundReader::keepsEntryNumbersAcrossFreeSlots() {
    CompoundWriter writer;
    writer.addStream(u"A", patternBytes(100, 1));
    const auto gap1 = writer.addFreeSlot();
    const auto b = writer.addStream(u"B", patternBytes(200, 2));
    writer.addFreeSlot();
    const auto c = writer.addStream(u"C", patternBytes(5000, 3));
    CompoundFile file;
    QVERIFY(file.openMemory(writer.build().bytes));
    QVERIFY(file.entries().at(gap1).isFree());
    QCOMPARE(file.findEntry("B")->index, b);
    QCOMPARE(file.findEntry("C")->index, c);
    QCOMPARE(readAll(file, "A"), pattern(100, 1));
    QCOMPARE(readAll(file, "B"), pattern(200, 2));
    QCOMPARE(readAll(file, "C"), pattern(5000, 3));
    QCOMPARE(file.rootNode()->children.size(), std::size_t(3));
}

void TestCompoundReader::rootWithoutChildrenHoldsNothing() {
    CompoundImage image = treeFile();
    image.putU32(image.entryOffset(0) + kChildField, kNoStream);
    CompoundFile file;
    QVERIFY(file.openMemory(image.bytes));
    QVERIFY(file.rootNode()->children.empty());
    std::vector<std::uint8_t> out{1};
    QCOMPARE(file.readStream("Workbook", out), CompoundFile::NoSuchEntry);
    QVERIFY(out.empty());
    std::uint64_t size = 7;
    QCOMPARE(file.streamSize("Workbook", size), CompoundFile::NoSuchEntry);
    QCOMPARE(file.changeDirectory("Sub"), CompoundFile::DirectoryNotFound);
}

void TestCompoundReader::readsStorageLikeStream() {
    CompoundWriter writer;
    const auto storage = writer.addStorage(u"Workbook");
    const auto data = writer.addStream(u"Data", patternBytes(5000, 8));
    CompoundImage image = writer.build();
    CompoundFile file;
    QVERIFY(file.openMemory(image.bytes));
    std::vector<std::uint8_t> out{1};
    QCOMPARE(file.readStream("Workbook", out), CompoundFile::Success); // size 0
    QVERIFY(out.empty());

    // The object type plays no part: start sector and size decide.
    image.putU32(image.entryOffset(storage) + kStartField, image.entryStart[data]);
    image.putU32(image.entryOffset(storage) + kSizeField, 5000);
    QVERIFY(file.openMemory(image.bytes));
    QCOMPARE(readAll(file, "Workbook"), pattern(5000, 8));
}

void TestCompoundReader::readsMiniSectorsAnywhereInMiniStream() {
    CompoundWriter writer;
    writer.setFragmented(true);
    for (int i = 0; i < 12; ++i) {
        std::u16string name = u"S";
        name.push_back(char16_t(u'a' + i));
        writer.addStream(name, patternBytes(300, i));
    }
    const CompoundImage image = writer.build();
    // The last stream's chain reaches past the mini stream's first sector.
    std::uint32_t furthest = 0;
    for (std::uint32_t m = image.entryStart[12]; m != kEndOfChain; m = image.miniFat[m])
        furthest = std::max(furthest, m);
    QVERIFY(furthest * 64 >= image.sectorSize);
    CompoundFile file;
    QVERIFY(file.openMemory(image.bytes));
    for (int i = 0; i < 12; ++i) {
        const QByteArray name = "S" + QByteArray(1, char('a' + i));
        QCOMPARE(readAll(file, name.constData()), pattern(300, i));
    }
}

void TestCompoundReader::comparesNameWithoutNulUpTo32Units() {
    const std::u16string full(32, u'N');
    CompoundWriter writer;
    writer.addStream(full, patternBytes(50, 1));
    CompoundFile file;
    QVERIFY(file.openMemory(writer.build().bytes));
    QCOMPARE(file.entries().at(1).name().size(), std::size_t(32));
    QVERIFY(file.findChild(file.rootNode(), full));
    QVERIFY(!file.findChild(file.rootNode(), std::u16string(31, u'N')));
    QVERIFY(!file.findChild(file.rootNode(), std::u16string(33, u'N')));
    std::vector<std::uint8_t> out;
    QCOMPARE(file.readStream(std::u16string_view(full), out), CompoundFile::Success);
    QCOMPARE(toByteArray(out), pattern(50, 1));
}

void TestCompoundReader::widensNarrowPathsAsLatin1() {
    CompoundWriter writer;
    writer.addStream(u"M\u00fcller", patternBytes(70, 3));
    CompoundFile file;
    QVERIFY(file.openMemory(writer.build().bytes));
    QCOMPARE(readAll(file, "M\xfcller"), pattern(70, 3));
}

void TestCompoundReader::ignoresHeaderFieldsItDoesNotNeed_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::addColumn<uint>("value");
    QTest::newRow("byte order") << 28 << 2 << 0x1234u;
    QTest::newRow("major version") << 26 << 2 << 7u;
    QTest::newRow("minor version") << 24 << 2 << 0u;
    QTest::newRow("cutoff 100") << 56 << 4 << 100u;
    QTest::newRow("cutoff 8192") << 56 << 4 << 8192u;
    QTest::newRow("directory sector count") << 40 << 4 << 99u;
    QTest::newRow("MiniFAT sector count") << 64 << 4 << 0u;
    QTest::newRow("transaction signature") << 52 << 4 << 5u;
    QTest::newRow("clsid") << 8 << 4 << 0xDEADBEEFu;
}

void TestCompoundReader::ignoresHeaderFieldsItDoesNotNeed() {
    QFETCH(int, offset);
    QFETCH(int, width);
    QFETCH(uint, value);
    CompoundWriter writer;
    writer.addStream(u"Mini", patternBytes(4095, 1));
    writer.addStream(u"Regular", patternBytes(4096, 2));
    CompoundImage image = writer.build();
    if (width == 2)
        image.putU16(std::size_t(offset), std::uint16_t(value));
    else
        image.putU32(std::size_t(offset), value);
    CompoundFile file;
    QVERIFY2(file.openMemory(image.bytes), qPrintable(describe(file)));
    // 4095 bytes come from the mini stream, 4096 from regular sectors, whatever
    // cutoff the header states.
    QCOMPARE(readAll(file, "Mini"), pattern(4095, 1));
    QCOMPARE(readAll(file, "Regular"), pattern(4096, 2));
}

void TestCompoundReader::readsPartialLastSector_data() {
    QTest::addColumn<int>("sectorShift");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("cut");     // bytes removed from the end of the file
    QTest::addColumn<int>("present"); // stream bytes left in the file; -1: unreadable
    // 5000 bytes in 512-byte sectors: the last sector holds 392 of them.
    QTest::newRow("512, whole") << 9 << 5000 << 0 << 5000;
    QTest::newRow("512, ends with the stream") << 9 << 5000 << 120 << 5000;
    QTest::newRow("512, 100 bytes of the last sector") << 9 << 5000 << 412 << 4708;
    QTest::newRow("512, 1 byte of the last sector") << 9 << 5000 << 511 << 4609;
    QTest::newRow("512, last sector missing") << 9 << 5000 << 512 << -1;
    // 10000 bytes in 4096-byte sectors: the last sector holds 1808 of them.
    QTest::newRow("4096, ends with the stream") << 12 << 10000 << 2288 << 10000;
    QTest::newRow("4096, 1 byte of the last sector") << 12 << 10000 << 4095 << 8193;
    QTest::newRow("4096, last sector missing") << 12 << 10000 << 4096 << -1;
}

void TestCompoundReader::readsPartialLastSector() {
    QFETCH(int, sectorShift);
    QFETCH(int, size);
    QFETCH(int, cut);
    QFETCH(int, present);
    CompoundWriter writer{unsigned(sectorShift)};
    writer.setStreamsLast(true);
    writer.addStream(u"Workbook", patternBytes(size, 4));
    std::vector<std::uint8_t> bytes = writer.build().bytes;
    bytes.resize(bytes.size() - std::size_t(cut));
    CompoundFile file;
    QVERIFY2(file.openMemory(bytes), qPrintable(describe(file)));
    std::vector<std::uint8_t> out;
    const int result = file.readStream("Workbook", out);
    if (present < 0) {
        QCOMPARE(result, CompoundFile::ReadFailed);
        QCOMPARE(file.lastError().code, ReadErrorCode::TruncatedFile);
        QVERIFY(out.empty());
        return;
    }
    QCOMPARE(result, CompoundFile::Success);
    // What is missing of the last sector reads as zeros, never as old bytes.
    const QByteArray expected = pattern(size, 4).left(present) + QByteArray(size - present, '\0');
    QCOMPARE(toByteArray(out), expected);
}

void TestCompoundReader::followsDifatBeyond109FatSectors() {
    CompoundWriter writer;
    writer.addStream(u"Workbook", patternBytes(8 << 20, 6));
    writer.addStream(u"Small", patternBytes(900, 7));
    const CompoundImage image = writer.build();
    QVERIFY(image.fatSectors.size() > 109);
    QVERIFY(!image.difatSectors.empty());
    CompoundFile file;
    QVERIFY2(file.openMemory(image.bytes), qPrintable(describe(file)));
    QCOMPARE(file.header().fatSectorCount, std::uint32_t(image.fatSectors.size()));
    QCOMPARE(file.fat(), image.fat);
    QCOMPARE(readAll(file, "Workbook"), pattern(8 << 20, 6));
    QCOMPARE(readAll(file, "Small"), pattern(900, 7));
}

void TestCompoundReader::reportsChainLengths() {
    CompoundWriter writer;
    const auto big = writer.addStream(u"Workbook", patternBytes(5000, 1));
    const auto small = writer.addStream(u"Small", patternBytes(100, 2));
    const CompoundImage image = writer.build();
    CompoundFile file;
    QVERIFY(file.openMemory(image.bytes));

    std::vector<std::uint32_t> chain{1};
    QVERIFY(file.collectChain(kEndOfChain, true, chain));
    QVERIFY(chain.empty());
    std::uint64_t length = 1;
    QVERIFY(file.chainByteLength(kEndOfChain, true, length));
    QCOMPARE(length, std::uint64_t(0));
    std::vector<std::uint8_t> buffer{1};
    QVERIFY(file.readChain(kEndOfChain, true, buffer));
    QVERIFY(buffer.empty());

    QVERIFY(file.chainByteLength(image.entryStart[big], true, length));
    QCOMPARE(length, std::uint64_t(10 * 512));
    QVERIFY(file.chainByteLength(image.entryStart[small], false, length));
    QCOMPARE(length, std::uint64_t(2 * 64));
    QVERIFY(file.readChain(image.entryStart[big], true, buffer));
    QCOMPARE(buffer.size(), std::size_t(10 * 512));
    QCOMPARE(toByteArray(buffer).left(5000), pattern(5000, 1));
    QVERIFY(file.readChain(image.entryStart[small], false, buffer));
    QCOMPARE(toByteArray(buffer).left(100), pattern(100, 2));
}

void TestCompoundReader::loadsMiniFatOnlyWhenPresent() {
    CompoundWriter large;
    large.addStream(u"Workbook", patternBytes(5000, 1));
    CompoundFile file;
    QVERIFY(file.openMemory(large.build().bytes));
    QCOMPARE(file.header().miniFatSectorCount, 0u);
    QVERIFY(file.miniFat().empty());

    CompoundWriter small;
    small.addStream(u"Workbook", patternBytes(500, 1));
    QVERIFY(file.openMemory(small.build().bytes));
    QCOMPARE(file.miniFat().size(), std::size_t(128));
}

void TestCompoundReader::countsBlocks() {
    xls::BlockFile blocks;
    blocks.openMemory(std::vector<std::uint8_t>(512 * 4, 0xAB));
    QCOMPARE(blocks.blockCount(), std::uint64_t(4));
    std::vector<std::uint8_t> block(512);
    QCOMPARE(blocks.readBlock(3, block), ReadErrorCode::None);
    QCOMPARE(blocks.readBlock(4, block), ReadErrorCode::TruncatedFile);

    std::vector<std::uint8_t> bytes(512 * 3 + 1, 0xAB);
    blocks.openMemory(bytes);
    QCOMPARE(blocks.blockCount(), std::uint64_t(4));
    std::fill(block.begin(), block.end(), 0x55);
    QCOMPARE(blocks.readBlock(3, block), ReadErrorCode::None);
    QCOMPARE(block[0], 0xAB);
    QVERIFY(std::all_of(block.begin() + 1, block.end(), [](std::uint8_t b) { return b == 0; }));
    blocks.setBlockSize(4096);
    QCOMPARE(blocks.blockCount(), std::uint64_t(1));
    QVERIFY(blocks.close());
    QCOMPARE(blocks.blockSize(), 512u);
    QCOMPARE(blocks.blockCount(), std::uint64_t(0));
}

void TestCompoundReader::opensFileReadOnly() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("book.xls");
    QVERIFY(writeFile(path, treeFile().bytes));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    CompoundFile file;
    QVERIFY2(file.open(QFile::encodeName(path).constData()), qPrintable(describe(file)));
    QVERIFY(file.isOpen());
    QCOMPARE(readAll(file, "Sub\\Sub2\\Deep"), pattern(5000, 3));
    QCOMPARE(file.blockFile().mode(), CompoundFile::OpenRead);
}

void TestCompoundReader::refusesWriteAccessToReadOnlyFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("book.xls");
    QVERIFY(writeFile(path, treeFile().bytes));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    QFile probe(path);
    if (probe.open(QIODevice::ReadWrite))
        QSKIP("this user may write read-only files (root); nothing to refuse");
    CompoundFile file;
    QVERIFY(!file.open(QFile::encodeName(path).constData(),
                       CompoundFile::OpenRead | CompoundFile::OpenWrite));
    QVERIFY(!file.isOpen());
    QCOMPARE(file.lastError().code, ReadErrorCode::FileNotOpened);
}

void TestCompoundReader::failsOnMissingFileOrDirectory() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CompoundFile file;
    const QByteArray missing = QFile::encodeName(dir.filePath("missing.xls"));
    QVERIFY(!file.open(missing.constData()));
    QCOMPARE(file.lastError().code, ReadErrorCode::FileNotOpened);
    QVERIFY(!file.lastError().text.empty());
    QVERIFY(!file.open(QFile::encodeName(dir.path()).constData()));
    QCOMPARE(file.lastError().code, ReadErrorCode::FileNotOpened);
    const QString present = dir.filePath("book.xls");
    QVERIFY(writeFile(present, treeFile().bytes));
    QVERIFY(!file.open(QFile::encodeName(present).constData(), 0));
    QCOMPARE(file.lastError().code, ReadErrorCode::FileNotOpened);
    QVERIFY(!file.isOpen());
}

void TestCompoundReader::forgetsEverythingOnClose() {
    CompoundFile file;
    QVERIFY(file.openMemory(treeFile().bytes));
    QCOMPARE(file.changeDirectory("Sub"), CompoundFile::Success);
    file.close();
    QVERIFY(!file.isOpen());
    QVERIFY(!file.rootNode());
    QVERIFY(!file.currentNode());
    QVERIFY(file.fat().empty());
    std::vector<std::uint8_t> out{1};
    QCOMPARE(file.readStream("Workbook", out), CompoundFile::NoSuchEntry);
    QVERIFY(out.empty());
    file.close(); // twice is harmless

    CompoundWriter other;
    other.addStream(u"Workbook", patternBytes(321, 9));
    QVERIFY(file.openMemory(other.build().bytes));
    QCOMPARE(readAll(file, "Workbook"), pattern(321, 9));
    QVERIFY(!file.findEntry("Sub\\Inner")); // nothing of the earlier file survives

    const std::string text = "Name;Anzahl\nAnna;2\n";
    QVERIFY(!file.openMemory(std::vector<std::uint8_t>(text.begin(), text.end())));
    QVERIFY(!file.isOpen());
    QCOMPARE(file.lastError().code, ReadErrorCode::NotCompoundFile);
    QVERIFY(file.openMemory(treeFile().bytes));
    QCOMPARE(file.lastError().code, ReadErrorCode::None);
}

QTEST_GUILESS_MAIN(TestCompoundReader)
#include "TestCompoundReader.moc"
