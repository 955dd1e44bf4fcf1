// Damaged and hostile compound files: each row corrupts one field of a
// well-formed file, and the reader must refuse it with the right reason,
// either at open or when the damaged stream is read.
#include "CompoundTestSupport.h"

#include <QtTest>

#include <functional>

using namespace compoundtest;
using testwriters::CompoundImage;
using testwriters::CompoundWriter;
using testwriters::patternBytes;
using xls::CompoundFile;
using xls::ReadErrorCode;

namespace {

// Header fields.
constexpr std::size_t kSectorShift = 30;
constexpr std::size_t kMiniSectorShift = 32;
constexpr std::size_t kFatSectorCount = 44;
constexpr std::size_t kFirstDirectorySector = 48;
constexpr std::size_t kFirstMiniFatSector = 60;
constexpr std::size_t kFirstDifatSector = 68;
constexpr std::size_t kDifat = 76;

// Entries of the base file.
constexpr std::uint32_t kWorkbook = 1, kSmall = 2, kSub = 3, kInner = 4;

CompoundImage baseFile(bool streamsLast = false) {
    CompoundWriter writer;
    writer.setStreamsLast(streamsLast);
    writer.addStream(u"Workbook", patternBytes(10000, 1));
    writer.addStream(u"Small", patternBytes(1000, 2));
    const auto sub = writer.addStorage(u"Sub");
    writer.addStream(u"Inner", patternBytes(300, 3), sub);
    return writer.build();
}

CompoundImage difatFile() {
    CompoundWriter writer;
    writer.addStream(u"Workbook", patternBytes(8 << 20, 1));
    return writer.build();
}

std::vector<std::uint32_t> chainOf(const std::vector<std::uint32_t> &table, std::uint32_t start) {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t s = start; s != kEndOfChain && chain.size() <= table.size(); s = table[s])
        chain.push_back(s);
    return chain;
}

void cutTail(CompoundImage &image, std::size_t bytes) {
    image.bytes.erase(image.bytes.end() - std::ptrdiff_t(std::min(bytes, image.bytes.size())),
                      image.bytes.end());
}

using Damage = std::function<void(CompoundImage &)>;

void addRow(const char *name, const CompoundImage &base, const Damage &damage, ReadErrorCode code,
            const QString &stream = QString()) {
    CompoundImage image = base;
    damage(image);
    QTest::newRow(name) << toByteArray(image.bytes) << stream << int(code);
}

} // namespace

class TestCompoundDamage : public QObject {
    Q_OBJECT

private slots:
    void refusesDamage_data();
    void refusesDamage();
    void survivesEveryDamagedByte_data();
    void survivesEveryDamagedByte();
};

void TestCompoundDamage::refusesDamage_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("stream"); // empty: open must fail
    QTest::addColumn<int>("code");
    const CompoundImage base = baseFile();
    const auto wb = chainOf(base.fat, base.entryStart[kWorkbook]);
    const auto small = chainOf(base.miniFat, base.entryStart[kSmall]);
    using E = ReadErrorCode;

    // The header.
    addRow(
        "signature", base, [](CompoundImage &f) { f.bytes[3] = 0; }, E::NotCompoundFile);
    addRow(
        "ends inside the header", base, [](CompoundImage &f) { f.bytes.resize(511); },
        E::CorruptHeader);
    addRow(
        "sector shift 10", base, [](CompoundImage &f) { f.putU16(kSectorShift, 10); },
        E::UnsupportedSectorSize);
    addRow(
        "sector shift 0xFFFF", base, [](CompoundImage &f) { f.putU16(kSectorShift, 0xFFFF); },
        E::UnsupportedSectorSize);
    addRow(
        "mini sector shift 7", base, [](CompoundImage &f) { f.putU16(kMiniSectorShift, 7); },
        E::UnsupportedSectorSize);
    addRow(
        "mini sector shift 0", base, [](CompoundImage &f) { f.putU16(kMiniSectorShift, 0); },
        E::UnsupportedSectorSize);
    addRow(
        "FAT sector count beyond the file", base,
        [](CompoundImage &f) { f.putU32(kFatSectorCount, 0x7FFFFFFF); }, E::CorruptAllocationTable);
    addRow(
        "no FAT sectors", base, [](CompoundImage &f) { f.putU32(kFatSectorCount, 0); },
        E::CorruptChain);
    addRow(
        "FAT sector FREESECT", base, [](CompoundImage &f) { f.putU32(kDifat, kFreeSector); },
        E::CorruptAllocationTable);
    addRow(
        "FAT sector past the end", base, [](CompoundImage &f) { f.putU32(kDifat, 100000); },
        E::TruncatedFile);

    // The directory chain and the MiniFAT chain.
    addRow(
        "empty directory chain", base,
        [](CompoundImage &f) { f.putU32(kFirstDirectorySector, kEndOfChain); },
        E::CorruptDirectory);
    addRow(
        "directory starts at FREESECT", base,
        [](CompoundImage &f) { f.putU32(kFirstDirectorySector, kFreeSector); }, E::CorruptChain);
    addRow(
        "directory starts outside the FAT", base,
        [](CompoundImage &f) { f.putU32(kFirstDirectorySector, 5000); }, E::CorruptChain);
    addRow(
        "directory starts past the end", base,
        [](CompoundImage &f) { f.putU32(kFirstDirectorySector, 100); }, E::TruncatedFile);
    addRow(
        "directory chain loops", base,
        [](CompoundImage &f) {
            f.putU32(f.fatEntryOffset(f.directorySectors[1]), f.directorySectors[0]);
        },
        E::CorruptChain);
    addRow(
        "MiniFAT starts at FREESECT", base,
        [](CompoundImage &f) { f.putU32(kFirstMiniFatSector, kFreeSector); }, E::CorruptChain);
    addRow(
        "MiniFAT chain loops", base,
        [](CompoundImage &f) {
            f.putU32(f.fatEntryOffset(f.miniFatSectors[0]), f.miniFatSectors[0]);
        },
        E::CorruptChain);
    addRow(
        "last FAT sector missing", base, [](CompoundImage &f) { cutTail(f, f.sectorSize); },
        E::TruncatedFile);

    // The directory tree.
    addRow(
        "root slot unused", base,
        [](CompoundImage &f) {
            std::fill_n(f.bytes.begin() + std::ptrdiff_t(f.entryOffset(0)), 128, 0);
        },
        E::CorruptDirectory);
    addRow(
        "root child outside the entries", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(0) + kChildField, 1000); },
        E::CorruptDirectory);
    addRow(
        "link just past the entries", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kInner) + kLeftField, 8); },
        E::CorruptDirectory);
    addRow(
        "sibling links to itself", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kWorkbook) + kLeftField, kWorkbook); },
        E::CorruptDirectory);
    addRow(
        "child links back to the root", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kSub) + kChildField, 0); },
        E::CorruptDirectory);
    addRow(
        "two links to one entry", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kInner) + kRightField, kWorkbook); },
        E::CorruptDirectory);

    // Regular stream chains.
    const QString workbook = QStringLiteral("Workbook");
    addRow(
        "FAT chain reaches FREESECT", base,
        [&](CompoundImage &f) { f.putU32(f.fatEntryOffset(wb[3]), kFreeSector); }, E::CorruptChain,
        workbook);
    addRow(
        "FAT chain reaches FATSECT", base,
        [&](CompoundImage &f) { f.putU32(f.fatEntryOffset(wb[3]), kFatSector); }, E::CorruptChain,
        workbook);
    addRow(
        "FAT chain leaves the table", base,
        [&](CompoundImage &f) { f.putU32(f.fatEntryOffset(wb[3]), 0x00FFFFFF); }, E::CorruptChain,
        workbook);
    addRow(
        "FAT chain loops", base,
        [&](CompoundImage &f) { f.putU32(f.fatEntryOffset(wb.back()), wb.front()); },
        E::CorruptChain, workbook);
    addRow(
        "FAT chain reaches past the end", base,
        [&](CompoundImage &f) { f.putU32(f.fatEntryOffset(wb[3]), 120); }, E::TruncatedFile,
        workbook);
    addRow(
        "size beyond the chain", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kWorkbook) + kSizeField, 20000); },
        E::StreamExceedsChain, workbook);
    addRow(
        "size 4 GB", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kWorkbook) + kSizeField, 0xFFFFFFFF); },
        E::StreamExceedsChain, workbook);
    addRow(
        "last stream sector missing", baseFile(true),
        [](CompoundImage &f) { cutTail(f, f.sectorSize); }, E::TruncatedFile, workbook);

    // Mini stream chains.
    const QString smallName = QStringLiteral("Small");
    addRow(
        "MiniFAT chain reaches FREESECT", base,
        [&](CompoundImage &f) { f.putU32(f.miniFatEntryOffset(small[2]), kFreeSector); },
        E::CorruptChain, smallName);
    addRow(
        "MiniFAT chain loops", base,
        [&](CompoundImage &f) { f.putU32(f.miniFatEntryOffset(small.back()), small[0]); },
        E::CorruptChain, smallName);
    addRow(
        "mini sector beyond the mini stream", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kSmall) + kStartField, 100); },
        E::CorruptChain, smallName);
    addRow(
        "mini size beyond the chain", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(kSmall) + kSizeField, 2000); },
        E::StreamExceedsChain, smallName);
    addRow(
        "mini stream chain broken", base,
        [](CompoundImage &f) { f.putU32(f.entryOffset(0) + kStartField, kFreeSector); },
        E::CorruptChain, smallName);

    // The DIFAT of a file with more than 109 FAT sectors.
    const CompoundImage large = difatFile();
    addRow(
        "DIFAT chain missing", large,
        [](CompoundImage &f) { f.putU32(kFirstDifatSector, kEndOfChain); },
        E::CorruptAllocationTable);
    addRow(
        "DIFAT starts at FREESECT", large,
        [](CompoundImage &f) { f.putU32(kFirstDifatSector, kFreeSector); },
        E::CorruptAllocationTable);
    addRow(
        "DIFAT starts past the end", large,
        [](CompoundImage &f) { f.putU32(kFirstDifatSector, 0x00FFFFFF); }, E::TruncatedFile);
    addRow(
        "DIFAT lists FREESECT", large,
        [](CompoundImage &f) { f.putU32(f.sectorOffset(f.difatSectors[0]), kFreeSector); },
        E::CorruptAllocationTable);
}

void TestCompoundDamage::refusesDamage() {
    QFETCH(QByteArray, file);
    QFETCH(QString, stream);
    QFETCH(int, code);
    CompoundFile compound;
    const bool opened = compound.openMemory(toVector(file));
    if (stream.isEmpty()) {
        QVERIFY2(!opened, "a damaged file opened");
        QVERIFY(!compound.isOpen());
    } else {
        QVERIFY2(opened, qPrintable(describe(compound)));
        std::vector<std::uint8_t> out{1, 2};
        QCOMPARE(compound.readStream(view(stream), out), CompoundFile::ReadFailed);
        QVERIFY(out.empty());
    }
    QVERIFY2(errorCode(compound) == code, qPrintable(describe(compound)));
    QVERIFY(!compound.lastError().text.empty());
}

// Every byte of the header, the directory and the tables set to a hostile
// value in turn: the reader either reads or refuses with a reason, never
// crashes, hangs or reads out of bounds (the sanitizer build checks that).
void TestCompoundDamage::survivesEveryDamagedByte_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("0x00") << 0x00;
    QTest::newRow("0x01") << 0x01;
    QTest::newRow("0x7F") << 0x7F;
    QTest::newRow("0xFF") << 0xFF;
}

void TestCompoundDamage::survivesEveryDamagedByte() {
    QFETCH(int, value);
    const CompoundImage base = baseFile();
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < 512; ++i)
        offsets.push_back(i);
    std::vector<std::uint32_t> sectors = base.directorySectors;
    sectors.insert(sectors.end(), base.fatSectors.begin(), base.fatSectors.end());
    sectors.insert(sectors.end(), base.miniFatSectors.begin(), base.miniFatSectors.end());
    for (std::uint32_t sector : sectors)
        for (std::size_t i = 0; i < base.sectorSize; ++i)
            offsets.push_back(base.sectorOffset(sector) + i);

    int opened = 0;
    for (std::size_t offset : offsets) {
        std::vector<std::uint8_t> bytes = base.bytes;
        bytes[offset] = std::uint8_t(value);
        CompoundFile file;
        if (!file.openMemory(std::move(bytes))) {
            QVERIFY(file.lastError().code != ReadErrorCode::None);
            QVERIFY(!file.lastError().text.empty());
            continue;
        }
        ++opened;
        for (const char *name : {"Workbook", "Small", "Sub\\Inner", "\\"}) {
            std::vector<std::uint8_t> out;
            const int result = file.readStream(name, out);
            if (result == CompoundFile::Success)
                continue;
            QVERIFY(out.empty());
            QVERIFY(file.lastError().code != ReadErrorCode::None);
            QVERIFY(!file.lastError().text.empty());
        }
    }
    // Most single bytes sit in fields the reader does not need.
    QVERIFY(opened > 0);
}

QTEST_GUILESS_MAIN(TestCompoundDamage)
#include "TestCompoundDamage.moc"
