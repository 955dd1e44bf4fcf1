// Telling what a file is when it is not a compound file, and reading it in
// within the cap its kind allows.
#include "support/FileContent.h"
#include "xls/model/FileBytes.h"
#include "xls/model/FileFormat.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using xls::FileKind;
using xls::ReadErrorCode;

Q_DECLARE_METATYPE(FileKind)
Q_DECLARE_METATYPE(ReadErrorCode)

namespace {

xls::ByteSpan span(const QByteArray &bytes) {
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
}

} // namespace

class TestFileSniffer : public QObject {
    Q_OBJECT

private slots:
    void namesWhatTheBytesAre_data();
    void namesWhatTheBytesAre();
    void readsUpToTheCap_data();
    void readsUpToTheCap();
};

void TestFileSniffer::namesWhatTheBytesAre_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<QString>("named");
    using K = FileKind;
    using E = ReadErrorCode;
    const QByteArray cfb = QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0');
    QTest::newRow("compound file") << cfb << K::CompoundFile << E::None << "";
    QTest::newRow("compound signature cut short")
        << cfb.left(7) << K::Unknown << E::NotCompoundFile << "signature";
    QTest::newRow("empty") << QByteArray() << K::Empty << E::EmptyFile << "empty";
    QTest::newRow("xlsx") << QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) << K::Zip
                          << E::OfficeOpenXml << "zip";
    QTest::newRow("empty zip") << QByteArray("PK\x05\x06", 4) << K::Zip << E::OfficeOpenXml
                               << "zip";
    QTest::newRow("BIFF2") << QByteArray::fromHex("0900040007001000") << K::LegacyWorksheet
                           << E::LegacyWorksheet << "BIFF2";
    QTest::newRow("BIFF3") << QByteArray::fromHex("0902060000001000") << K::LegacyWorksheet
                           << E::LegacyWorksheet << "BIFF3";
    QTest::newRow("BIFF4") << QByteArray::fromHex("0904060000001000") << K::LegacyWorksheet
                           << E::LegacyWorksheet << "BIFF4";
    QTest::newRow("BIFF8 without container")
        << QByteArray::fromHex("0908100000060500") << K::BareBiffStream << E::NotCompoundFile
        << "without";
    QTest::newRow("BOF code with absurd length") << QByteArray::fromHex("0900ff7f00000000")
                                                 << K::Unknown << E::NotCompoundFile << "signature";
    QTest::newRow("gzip") << QByteArray::fromHex("1f8b080000000000") << K::Gzip
                          << E::NotCompoundFile << "gzip";
    QTest::newRow("html") << QByteArray("<!DOCTYPE html><html>") << K::Html << E::NotCompoundFile
                          << "HTML";
    QTest::newRow("html table after blanks")
        << QByteArray("\r\n  <TABLE border=1>") << K::Html << E::NotCompoundFile << "HTML";
    QTest::newRow("xml spreadsheet")
        << QByteArray("<?xml version=\"1.0\"?>\n<Workbook xmlns=\"urn:schemas\">") << K::Xml
        << E::NotCompoundFile << "XML";
    QTest::newRow("xhtml") << QByteArray("<?xml version=\"1.0\"?><html>") << K::Html
                           << E::NotCompoundFile << "HTML";
    QTest::newRow("pdf") << QByteArray("%PDF-1.7\n") << K::Pdf << E::NotCompoundFile << "PDF";
    QTest::newRow("rtf") << QByteArray("{\\rtf1\\ansi") << K::Rtf << E::NotCompoundFile << "RTF";
    QTest::newRow("png") << QByteArray::fromHex("89504e470d0a1a0a") << K::Image
                         << E::NotCompoundFile << "image";
    QTest::newRow("jpeg") << QByteArray::fromHex("ffd8ffe000104a46") << K::Image
                          << E::NotCompoundFile << "image";
    QTest::newRow("gif") << QByteArray("GIF89a\x01\x00", 8) << K::Image << E::NotCompoundFile
                         << "image";
    QTest::newRow("csv") << QByteArray("Name;Anzahl\r\nAnna;2\r\n") << K::Text << E::NotCompoundFile
                         << "CSV";
    QTest::newRow("utf-8 text with BOM")
        << QByteArray("\xEF\xBB\xBF\xC3\x84pfel,1\n") << K::Text << E::NotCompoundFile << "text";
    QTest::newRow("utf-16 text") << QByteArray("\xFF\xFEN\0a\0", 6) << K::Text << E::NotCompoundFile
                                 << "text";
    QTest::newRow("binary") << QByteArray::fromHex("0001020304050607") << K::Unknown
                            << E::NotCompoundFile << "signature";
}

void TestFileSniffer::namesWhatTheBytesAre() {
    QFETCH(QByteArray, head);
    QFETCH(FileKind, kind);
    QFETCH(ReadErrorCode, code);
    QFETCH(QString, named);
    QCOMPARE(xls::sniffFileKind(span(head)), kind);
    const xls::ReadError error = xls::notCompoundFileError(span(head));
    QCOMPARE(error.code, code);
    QVERIFY2(QString::fromStdString(error.text).contains(named, Qt::CaseInsensitive),
             error.text.c_str());
}

// A file reads whole, or to one byte past the cap its head calls for (here
// 100,000 bytes for a head beginning with 'c', else 8 MiB); sizes across the
// head and the chunks the reader takes.
std::uint64_t capOfHead(xls::ByteSpan head) {
    return !head.empty() && head[0] == 'c' ? 100000 : 8 << 20;
}

void TestFileSniffer::readsUpToTheCap_data() {
    QTest::addColumn<char>("first");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("read");
    QTest::newRow("empty") << 'a' << 0 << 0;
    QTest::newRow("one byte") << 'a' << 1 << 1;
    QTest::newRow("just the head") << 'a' << (64 << 10) << (64 << 10);
    QTest::newRow("a byte past the head") << 'a' << (64 << 10) + 1 << (64 << 10) + 1;
    QTest::newRow("a few chunks and a bit") << 'a' << (5 << 20) / 2 + 7 << (5 << 20) / 2 + 7;
    QTest::newRow("at the cap") << 'c' << 100000 << 100000;
    QTest::newRow("past the cap ends a byte after it") << 'c' << (3 << 20) << 100001;
}

void TestFileSniffer::readsUpToTheCap() {
    QFETCH(char, first);
    QFETCH(int, size);
    QFETCH(int, read);
    QByteArray content(size, '\0');
    for (int i = 0; i < size; ++i)
        content[i] = char(i % 251);
    if (size > 0)
        content[0] = first;
    QTemporaryDir dir;
    const QString path = dir.filePath("list");
    QVERIFY(writeFile(path, content));
    std::vector<std::uint8_t> bytes{1, 2, 3}; // replaced, not added to
    xls::ReadError error;
    QVERIFY(xls::readFileBytes(QFile::encodeName(path).constData(), capOfHead, bytes, error));
    QCOMPARE(qsizetype(bytes.size()), qsizetype(read));
    QVERIFY(std::memcmp(bytes.data(), content.constData(), bytes.size()) == 0);
}

QTEST_GUILESS_MAIN(TestFileSniffer)
#include "test_fileformat.moc"
