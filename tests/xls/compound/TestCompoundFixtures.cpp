// Files written by real programs: every stream must read back exactly as
// python3-olefile reads it (sizes and hashes recorded by
// tests/data/container/make-fixtures).
#include "CompoundTestSupport.h"

#include "support/TestPaths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtTest>

using namespace compoundtest;
using xls::CompoundFile;

namespace {

struct ExpectedStream {
    const char *file;
    const char16_t *name;
    int size;
    const char *sha256;
};

// Printed by make-fixtures from what python3-olefile reads.
const ExpectedStream kExpected[] = {
    {"libreoffice.xls", u"\u0001CompObj", 73,
     "3b782f2ba4979fe212fc7bb0a985de42c31212a1802b70acf9d274116612476d"},
    {"libreoffice.xls", u"\u0001Ole", 20,
     "c36c8a4b7dee703b9ce6e288032033b718feef01ca283cfaa4332a8334b2adf3"},
    {"libreoffice.xls", u"\u0005DocumentSummaryInformation", 116,
     "4bf70144f3e3f0b611e4aba0e93ceb37fd05a81a852137e1bf7b1f021a545c80"},
    {"libreoffice.xls", u"\u0005SummaryInformation", 172,
     "47cd783c91e1c0fc90d0b8784808dde8909a0a7c5bc39cec391c47f031b8e37e"},
    {"libreoffice.xls", u"Workbook", 10795,
     "ff99265579e08a349d2c619573bc2364bf4b76bda11d75b105012f47669e39d5"},
    {"gnumeric.xls", u"\u0005DocumentSummaryInformation", 72,
     "d2656225d21fafeb936f61483b8192549d35963351cdc6fdbe0f7328040b3dba"},
    {"gnumeric.xls", u"\u0005SummaryInformation", 92,
     "d43135c9822da6194947408badc1f83cf7e215ed3a637d4f32f97b6bfa2a13dd"},
    {"gnumeric.xls", u"Workbook", 2994,
     "cd3e0e8468664b72fa3d6e3ac2762ab8f7e5ed87228078bb92b4bf6fd5b80dbf"},
    {"xlwt.xls", u"Workbook", 4096,
     "5dfdc70977fc7e9c108ec16a6885bbfc20a0ac42750787c326006f953a160397"},
    {"sectors4096.xls", u"\u0001CompObj", 73,
     "3b782f2ba4979fe212fc7bb0a985de42c31212a1802b70acf9d274116612476d"},
    {"sectors4096.xls", u"\u0001Ole", 20,
     "c36c8a4b7dee703b9ce6e288032033b718feef01ca283cfaa4332a8334b2adf3"},
    {"sectors4096.xls", u"\u0005DocumentSummaryInformation", 116,
     "4bf70144f3e3f0b611e4aba0e93ceb37fd05a81a852137e1bf7b1f021a545c80"},
    {"sectors4096.xls", u"\u0005SummaryInformation", 172,
     "47cd783c91e1c0fc90d0b8784808dde8909a0a7c5bc39cec391c47f031b8e37e"},
    {"sectors4096.xls", u"Workbook", 10795,
     "ff99265579e08a349d2c619573bc2364bf4b76bda11d75b105012f47669e39d5"},
    {"large.xls.qz", u"Workbook", 8019968,
     "3e57f20916ad486066ca430cde905ff755b5ad38744a6516d1753ea3715055c2"},
};

struct Geometry {
    const char *file;
    std::uint32_t sectorSize;
    std::uint32_t fatSectors;
    int streams;
};

const Geometry kGeometry[] = {
    {"libreoffice.xls", 512, 1, 5},  {"gnumeric.xls", 512, 1, 3},   {"xlwt.xls", 512, 1, 1},
    {"sectors4096.xls", 4096, 1, 5}, {"large.xls.qz", 512, 124, 1},
};

// The compressed fixture is opened from memory, the others from disk.
bool openFixture(CompoundFile &file, const QString &name) {
    const QString path = testpaths::dataFile("container/" + name);
    if (!name.endsWith(".qz"))
        return file.open(QFile::encodeName(path).constData());
    QFile packed(path);
    if (!packed.open(QIODevice::ReadOnly))
        return false;
    return file.openMemory(toVector(qUncompress(packed.readAll())));
}

} // namespace

class TestCompoundFixtures : public QObject {
    Q_OBJECT

private slots:
    void readsStreamsAsOlefileDoes_data();
    void readsStreamsAsOlefileDoes();
    void hasGeometry_data();
    void hasGeometry();
};

void TestCompoundFixtures::readsStreamsAsOlefileDoes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("stream");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("sha256");
    for (const ExpectedStream &expected : kExpected) {
        const QString stream = QString::fromUtf16(expected.name);
        QString printable = stream;
        if (printable.at(0) < QLatin1Char(' '))
            printable.remove(0, 1); // "\u0005SummaryInformation" and the like
        const QByteArray row = QByteArray(expected.file) + " " + printable.toLatin1();
        QTest::newRow(row.constData()) << QString::fromLatin1(expected.file) << stream
                                       << expected.size << QByteArray(expected.sha256);
    }
}

void TestCompoundFixtures::readsStreamsAsOlefileDoes() {
    QFETCH(QString, file);
    QFETCH(QString, stream);
    QFETCH(int, size);
    QFETCH(QByteArray, sha256);
    CompoundFile compound;
    QVERIFY2(openFixture(compound, file), qPrintable(describe(compound)));
    std::vector<std::uint8_t> out;
    QCOMPARE(compound.readStream(view(stream), out), CompoundFile::Success);
    QCOMPARE(int(out.size()), size);
    QCOMPARE(QCryptographicHash::hash(toByteArray(out), QCryptographicHash::Sha256).toHex(),
             sha256);
}

void TestCompoundFixtures::hasGeometry_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<uint>("sectorSize");
    QTest::addColumn<uint>("fatSectors");
    QTest::addColumn<int>("streams");
    for (const Geometry &geometry : kGeometry)
        QTest::newRow(geometry.file) << QString::fromLatin1(geometry.file) << geometry.sectorSize
                                     << geometry.fatSectors << geometry.streams;
}

void TestCompoundFixtures::hasGeometry() {
    QFETCH(QString, file);
    QFETCH(uint, sectorSize);
    QFETCH(uint, fatSectors);
    QFETCH(int, streams);
    CompoundFile compound;
    QVERIFY2(openFixture(compound, file), qPrintable(describe(compound)));
    QCOMPARE(compound.header().sectorSize, sectorSize);
    QCOMPARE(compound.header().fatSectorCount, fatSectors);
    QCOMPARE(int(compound.rootNode()->children.size()), streams);
}

QTEST_GUILESS_MAIN(TestCompoundFixtures)
#include "TestCompoundFixtures.moc"
