// Hostile packages and documents: each is refused with its reason, never a
// crash, a hang or a gigabyte. One table of damaged inputs, one of the
// inflation caps.
#include "SheetDump.h"
#include "support/writers/ZipWriter.h"
#include "xls/zip/InflateWorker.h"
#include "xls/zip/Inflater.h"
#include "xls/zip/ZipConstants.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include <stdexcept>
#include <tuple>

using namespace testwriters;
using xls::ReadErrorCode;

Q_DECLARE_METATYPE(ReadErrorCode)
Q_DECLARE_METATYPE(xls::PackageContent)

enum class SinkStops { Never, AfterFirstPiece, ByThrowing };
Q_DECLARE_METATYPE(SinkStops)

class TestSheetLimits : public QObject {
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
    void inflateCaps_data();
    void inflateCaps();
    void zip64Read();
    void largeEntry_data();
    void largeEntry();
    void foreignFilesAtTheFrontDoor_data();
    void foreignFilesAtTheFrontDoor();
};

namespace {

const std::string oneCell = "<sheetData><row><c><v>1</v></c></row></sheetData>";

std::vector<std::uint8_t> withPart(std::vector<ZipPart> parts, const std::string &name,
                                   const std::string &data) {
    for (ZipPart &part : parts)
        if (part.name == name)
            part.data = data;
    return writeZip(parts).bytes;
}

std::vector<std::uint8_t> xlsxWithSheet(const std::string &sheetXml) {
    return withPart(xlsxParts({oneCell}), "xl/worksheets/sheet1.xml", sheetXml);
}

std::string nested(int depth) {
    std::string open, close;
    for (int i = 0; i < depth; ++i)
        open += "<x>", close += "</x>";
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
           open + close + "</worksheet>";
}

// A sheet whose root declares `outer` prefixes and its child `inner` more.
std::string declaring(int outer, int inner) {
    const auto declarations = [](int count, const char *stem) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += " xmlns:" + std::string(stem) + std::to_string(i) + "=\"u\"";
        return text;
    };
    return "<worksheet" + declarations(outer, "a") + "><x" + declarations(inner, "b") +
           "/></worksheet>";
}

// Entry B's local header lies inside the stored data of entry A.
std::vector<std::uint8_t> overlapping() {
    const ZipImage inner = writeZip({{"b.xml", "<b/>", false}});
    const std::string innerEntry(inner.bytes.begin(),
                                 inner.bytes.begin() + long(inner.centralHeaders[0]));
    ZipImage image = writeZip({{"a.xml", innerEntry, false}, {"b.xml", "<b/>", false}});
    const std::size_t bInsideA = image.localHeaders[0] + 30 + 5;
    image.putU32(image.centralHeaders[1] + 42, std::uint32_t(bInsideA));
    return image.bytes;
}

std::vector<std::uint8_t> manyEntries(int count) {
    std::vector<ZipPart> parts;
    for (int i = 0; i < count; ++i)
        parts.push_back({"e" + std::to_string(i), "", false});
    return writeZip(parts).bytes;
}

std::vector<std::uint8_t> damaged(std::vector<ZipPart> parts, int which,
                                  void (*damage)(ZipImage &, int)) {
    ZipImage image = writeZip(parts);
    damage(image, which);
    return image.bytes;
}

// Marks the last entry of `image` deflated, inflating to `inflated` bytes
// with this CRC-32, in both its headers.
void declareDeflated(ZipImage &image, std::size_t inflated, std::uint32_t crc) {
    for (const auto &[header, method, crcAt, sizeAt] :
         {std::tuple(image.centralHeaders.back(), 10, 16, 24),
          std::tuple(image.localHeaders.back(), 8, 14, 22)}) {
        image.putU16(header + method, xls::zip::kMethodDeflated);
        image.putU32(header + crcAt, crc);
        image.putU32(header + sizeAt, std::uint32_t(inflated));
    }
}

// A package whose sheet is a deflated run of spaces, its size as declared.
std::vector<std::uint8_t> bomb(std::size_t inflated) {
    std::vector<ZipPart> parts;
    for (ZipPart &part : xlsxParts({oneCell}))
        if (part.name != "xl/worksheets/sheet1.xml")
            parts.push_back(part);
    parts.push_back({"xl/worksheets/sheet1.xml", deflateSpaces(inflated), false});
    ZipImage image = writeZip(parts);
    declareDeflated(image, inflated, 0); // the cap is met before the CRC is
    return image.bytes;
}

std::string text(std::size_t length) {
    return std::string(length, 'x');
}

std::string repeated(const std::string &piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

} // namespace

void TestSheetLimits::refused_data() {
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<QString>("reason");
    const auto xlsx = xlsxParts({oneCell});

    QTest::newRow("a bomb: 64 MiB of spaces from 64 KiB")
        << bomb(64u << 20) << ReadErrorCode::InflateLimit
        << "compressed ones, more than the 100 times";
    QTest::newRow("DOCTYPE in the sheet")
        << xlsxWithSheet("<!DOCTYPE x [<!ENTITY a \"aaaa\">]><worksheet/>")
        << ReadErrorCode::CorruptXml << "DOCTYPE";
    QTest::newRow("DOCTYPE without entities in the relationships")
        << withPart(xlsx, "_rels/.rels",
                    "<!DOCTYPE Relationships SYSTEM \"x.dtd\"><Relationships/>")
        << ReadErrorCode::CorruptXml << "DOCTYPE";
    QTest::newRow("DOCTYPE in a flat .fods")
        << bytesOf("<?xml version=\"1.0\"?><!DOCTYPE office:document [<!ENTITY e \"e\">]>"
                   "<office:document "
                   "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"/>")
        << ReadErrorCode::CorruptXml << "DOCTYPE";
    QTest::newRow("nesting 64 deep is read")
        << xlsxWithSheet(nested(63)) << ReadErrorCode::None << "";
    QTest::newRow("nesting 65 deep")
        << xlsxWithSheet(nested(64)) << ReadErrorCode::XmlLimit << "nested more than 64";
    // Namespaces are resolved by their declarations: a prefix in scope is read,
    // one never declared or declared empty is refused, and so are more
    // bindings at once than the parser keeps.
    const std::string mainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    QTest::newRow("a prefixed sheet, rebound inside, is read")
        << xlsxWithSheet("<x:worksheet xmlns:x=\"" + mainNs + "\"><x:sheetData xmlns:x=\"" +
                         mainNs + "\"><x:row/></x:sheetData></x:worksheet>")
        << ReadErrorCode::None << "";
    QTest::newRow("a prefix used outside its element")
        << xlsxWithSheet("<worksheet><a xmlns:p=\"u\"/><p:b/></worksheet>")
        << ReadErrorCode::CorruptXml << "prefix \"p\" is not declared";
    QTest::newRow("a prefix declared empty")
        << xlsxWithSheet("<worksheet xmlns:p=\"\"/>") << ReadErrorCode::CorruptXml
        << "prefix \"p\" is declared empty";
    QTest::newRow("256 bindings in scope are read")
        << xlsxWithSheet(declaring(128, 128)) << ReadErrorCode::None << "";
    QTest::newRow("257 bindings in scope")
        << xlsxWithSheet(declaring(128, 129)) << ReadErrorCode::XmlLimit
        << "more than 256 namespace declarations";
    QTest::newRow("not well-formed") << xlsxWithSheet("<worksheet><sheetData></worksheet>")
                                     << ReadErrorCode::CorruptXml << "not well-formed";
    QTest::newRow("inline text of 32767 characters is read")
        << xlsxWithSheet("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                         "main\"><sheetData><row><c t=\"inlineStr\"><is><t>" +
                         text(32767) + "</t></is></c></row></sheetData></worksheet>")
        << ReadErrorCode::None << "";
    QTest::newRow("inline text of 32768 characters")
        << xlsxWithSheet("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                         "main\"><sheetData><row><c t=\"inlineStr\"><is><t>" +
                         text(32768) + "</t></is></c></row></sheetData></worksheet>")
        << ReadErrorCode::XmlLimit << "longer than 32767";
    QTest::newRow("shared string of 32768 characters")
        << writeZip(xlsxParts({oneCell}, "<si><t>" + text(32768) + "</t></si>")).bytes
        << ReadErrorCode::XmlLimit << "longer than 32767";
    QTest::newRow("shared string of 105,000 raw characters decoding to 15,000 is read")
        << writeZip(xlsxParts({oneCell}, "<si><t>" + repeated("_x000D_", 15000) + "</t></si>"))
               .bytes
        << ReadErrorCode::None << "";
    QTest::newRow("shared string of 40,000 raw characters decoding to 32,768")
        << writeZip(xlsxParts({oneCell}, "<si><t>" + repeated("_x000A_", 1200) +
                                             text(32768 - 1200) + "</t></si>"))
               .bytes
        << ReadErrorCode::XmlLimit << "longer than 32767";
    QTest::newRow(".ods text:s past the cell text cap")
        << writeZip(odsParts("<table:table-row><table:table-cell office:value-type=\"string\">"
                             "<text:p><text:s text:c=\"99999999\"/></text:p></table:table-cell>"
                             "</table:table-row>"))
               .bytes
        << ReadErrorCode::XmlLimit << "longer than 32767";
    QTest::newRow("a cell past column XFD")
        << xlsxWithSheet("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                         "main\"><sheetData><row><c r=\"XFE1\"><v>1</v></c></row></sheetData>"
                         "</worksheet>")
        << ReadErrorCode::XmlLimit << "outside the grid";
    QTest::newRow(".ods value in row 1048577")
        << writeZip(odsParts("<table:table-row table:number-rows-repeated=\"1048576\"/>"
                             "<table:table-row><table:table-cell office:value-type=\"float\" "
                             "office:value=\"1\"/></table:table-row>"))
               .bytes
        << ReadErrorCode::XmlLimit << "outside the grid";
    QTest::newRow(".ods repeats standing for 17 billion cells, refused before making them")
        << writeZip(odsParts("<table:table-row table:number-rows-repeated=\"1048576\">"
                             "<table:table-cell table:number-columns-repeated=\"16384\" "
                             "office:value-type=\"float\" office:value=\"1\"/></table:table-row>"))
               .bytes
        << ReadErrorCode::XmlLimit << "more than the 16777216 cells";
    QTest::newRow("overlapping entries") << overlapping() << ReadErrorCode::CorruptZip << "overlap";
    QTest::newRow("names equal ignoring case") << writeZip({{"a.xml", "1"}, {"A.XML", "2"}}).bytes
                                               << ReadErrorCode::CorruptZip << "appears twice";
    QTest::newRow("a .. component")
        << writeZip({{"x/../../evil", "1"}}).bytes << ReadErrorCode::CorruptZip << "\"..\"";
    QTest::newRow("a leading slash")
        << writeZip({{"/etc/x", "1"}}).bytes << ReadErrorCode::CorruptZip << "leading slash";
    QTest::newRow("a leading backslash")
        << writeZip({{"\\x", "1"}}).bytes << ReadErrorCode::CorruptZip << "leading slash";
    QTest::newRow("a NUL in a name")
        << writeZip({{std::string("a\0b", 3), "1"}}).bytes << ReadErrorCode::CorruptZip << "NUL";
    QTest::newRow("1000 entries are read")
        << manyEntries(1000) << ReadErrorCode::NotSpreadsheetPackage << "neither";
    QTest::newRow("1001 entries") << manyEntries(1001) << ReadErrorCode::CorruptZip
                                  << "more than the 1000";
    QTest::newRow("CRC mismatch") << damaged(xlsx, 0,
                                             [](ZipImage &z, int i) {
                                                 z.putU32(z.centralHeaders[std::size_t(i)] + 16, 1);
                                                 z.putU32(z.localHeaders[std::size_t(i)] + 14, 1);
                                             })
                                  << ReadErrorCode::CorruptZip << "CRC";
    QTest::newRow("local header disagrees on the method")
        << damaged(xlsx, 0,
                   [](ZipImage &z, int i) { z.putU16(z.localHeaders[std::size_t(i)] + 8, 0); })
        << ReadErrorCode::CorruptZip << "disagrees";
    QTest::newRow("bzip2 method") << damaged(xlsx, 1,
                                             [](ZipImage &z, int i) {
                                                 z.putU16(z.centralHeaders[std::size_t(i)] + 10,
                                                          12);
                                                 z.putU16(z.localHeaders[std::size_t(i)] + 8, 12);
                                             })
                                  << ReadErrorCode::UnsupportedZip << "method 12";
    QTest::newRow("encrypted entry")
        << damaged(xlsx, 1,
                   [](ZipImage &z, int i) { z.putU16(z.centralHeaders[std::size_t(i)] + 8, 1); })
        << ReadErrorCode::UnsupportedZip << "encrypted";
    QTest::newRow("entry data past the directory") << damaged(xlsx, 0, [](ZipImage &z, int i) {
        z.putU32(z.centralHeaders[std::size_t(i)] + 20, 1u << 30);
        z.putU32(z.localHeaders[std::size_t(i)] + 18, 1u << 30);
    }) << ReadErrorCode::CorruptZip << "runs into the central directory";
    QTest::newRow("declared size differs from the inflated one")
        << damaged(xlsx, 0,
                   [](ZipImage &z, int i) {
                       z.putU32(z.centralHeaders[std::size_t(i)] + 24, 5);
                       z.putU32(z.localHeaders[std::size_t(i)] + 22, 5);
                   })
        << ReadErrorCode::CorruptZip << "says 5";
    QTest::newRow("directory offset past the file")
        << damaged(xlsx, 0, [](ZipImage &z, int) { z.putU32(z.endRecord + 16, 0x7FFFFFFF); })
        << ReadErrorCode::CorruptZip << "does not end before";
    QTest::newRow("entry count larger than the directory")
        << damaged(xlsx, 0,
                   [](ZipImage &z, int) {
                       z.putU16(z.endRecord + 8, 900);
                       z.putU16(z.endRecord + 10, 900);
                   })
        << ReadErrorCode::CorruptZip << "cannot fit";
    QTest::newRow("no end record") << std::vector<std::uint8_t>{'P', 'K', 3, 4, 0, 0}
                                   << ReadErrorCode::CorruptZip << "no end-of-central-directory";
    auto xlsb = xlsx;
    xlsb.push_back({"xl/workbook.bin", "\x83\x01\x00"});
    QTest::newRow(".xlsb")
        << withPart(xlsb, "_rels/.rels",
                    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                    "relationships\"><Relationship Id=\"r\" Type=\"http://schemas.openxmlformats."
                    "org/officeDocument/2006/relationships/officeDocument\" "
                    "Target=\"xl/workbook.bin\"/></Relationships>")
        << ReadErrorCode::BinaryWorkbook << ".xlsb";
    QTest::newRow("relationship target climbing out")
        << withPart(xlsx, "xl/_rels/workbook.xml.rels",
                    "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" "
                    "Target=\"../../../sheet1.xml\"/></Relationships>")
        << ReadErrorCode::NoWorksheet << "no worksheet";
    QTest::newRow("an OpenDocument text")
        << writeZip({{"mimetype", "application/vnd.oasis.opendocument.text", false},
                     {"content.xml", "<x/>"}})
               .bytes
        << ReadErrorCode::NotSpreadsheetPackage << "OpenDocument text";
    QTest::newRow("XML that is no spreadsheet")
        << bytesOf("<?xml version=\"1.0\"?><svg/>") << ReadErrorCode::NoSpreadsheetPart << "root";
}

void TestSheetLimits::refused() {
    QFETCH(std::vector<std::uint8_t>, bytes);
    QFETCH(ReadErrorCode, code);
    QFETCH(QString, reason);
    ExcelWorkbook workbook;
    const bool loaded = workbook.loadMemory(bytes);
    QCOMPARE(workbook.lastError().code, code);
    QCOMPARE(loaded, code == ReadErrorCode::None);
    QVERIFY2(QString::fromStdString(workbook.lastError().text).contains(reason),
             workbook.lastError().text.c_str());
}

namespace {

// An Office Open XML package whose office document `part` has content type `type`.
std::vector<std::uint8_t> officePackage(const std::string &part, const std::string &type) {
    return writeZip({{"[Content_Types].xml",
                      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                      "content-types\"><Default Extension=\"xml\" ContentType=\"application/"
                      "xml\"/><Override PartName=\"/" +
                          part + "\" ContentType=\"" + type + "\"/></Types>"},
                     {"_rels/.rels",
                      "<Relationships><Relationship Id=\"rId1\" Type=\"http://schemas."
                      "openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                      "Target=\"" +
                          part + "\"/></Relationships>"},
                     {part, "<document/>"}})
        .bytes;
}

std::vector<std::uint8_t> openDocument(const std::string &mimetype) {
    return writeZip({{"mimetype", mimetype, false}, {"content.xml", "<x/>"}}).bytes;
}

} // namespace

void TestSheetLimits::foreignFilesAtTheFrontDoor_data() {
    using xls::PackageContent;
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<PackageContent>("package");
    const std::string ooxml = "application/vnd.openxmlformats-officedocument.";
    const std::string odf = "application/vnd.oasis.opendocument.";

    QTest::newRow("0 bytes") << std::vector<std::uint8_t>() << ReadErrorCode::EmptyFile
                             << PackageContent::Unknown;
    QTest::newRow(".docx") << officePackage("word/document.xml",
                                            ooxml + "wordprocessingml.document.main+xml")
                           << ReadErrorCode::NotSpreadsheetPackage << PackageContent::WordDocument;
    QTest::newRow(".pptx") << officePackage("ppt/presentation.xml",
                                            ooxml + "presentationml.presentation.main+xml")
                           << ReadErrorCode::NotSpreadsheetPackage << PackageContent::Presentation;
    QTest::newRow(".vsdx") << officePackage("visio/document.xml",
                                            "application/vnd.ms-visio.drawing.main+xml")
                           << ReadErrorCode::NotSpreadsheetPackage
                           << PackageContent::OtherOfficeOpenXml;
    QTest::newRow(".odt") << openDocument(odf + "text") << ReadErrorCode::NotSpreadsheetPackage
                          << PackageContent::OpenDocumentText;
    QTest::newRow(".odp") << openDocument(odf + "presentation")
                          << ReadErrorCode::NotSpreadsheetPackage
                          << PackageContent::OpenDocumentPresentation;
    QTest::newRow("an unknown mimetype")
        << openDocument("application/epub+zip") << ReadErrorCode::NotSpreadsheetPackage
        << PackageContent::OtherOpenDocument;
    QTest::newRow("a plain zip") << writeZip({{"readme.txt", "hallo"}}).bytes
                                 << ReadErrorCode::NotSpreadsheetPackage << PackageContent::Unknown;
    // A spreadsheet is read whatever content type, or none, its workbook states.
    std::vector<ZipPart> typed = xlsxParts({oneCell});
    typed.push_back(
        {"[Content_Types].xml", "<Types><Override PartName=\"/XL/Workbook.xml\" ContentType=\"" +
                                    ooxml + "spreadsheetml.sheet.main+xml\"/></Types>"});
    QTest::newRow(".xlsx typed a workbook")
        << writeZip(typed).bytes << ReadErrorCode::None << PackageContent::Unknown;
    typed.back().data = "<Types><Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "</Types>";
    QTest::newRow(".xlsx typed only as XML")
        << writeZip(typed).bytes << ReadErrorCode::None << PackageContent::Unknown;
    QTest::newRow(".ots") << writeZip({{"mimetype", odf + "spreadsheet-template", false},
                                       {"content.xml", "<x/>"}})
                                 .bytes
                          << ReadErrorCode::None << PackageContent::Unknown;
}

void TestSheetLimits::foreignFilesAtTheFrontDoor() {
    QFETCH(std::vector<std::uint8_t>, bytes);
    QFETCH(ReadErrorCode, code);
    QFETCH(xls::PackageContent, package);
    QTemporaryDir dir;
    QFile file(dir.filePath("liste.xls"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    file.close();
    ExcelWorkbook workbook;
    const bool loaded = workbook.load(QFile::encodeName(file.fileName()).constData());
    QCOMPARE(workbook.lastError().code, code);
    QCOMPARE(workbook.lastError().package, package);
    QCOMPARE(loaded, code == ReadErrorCode::None);
}

void TestSheetLimits::inflateCaps_data() {
    using namespace xls::zip;
    QTest::addColumn<quint64>("produced");
    QTest::addColumn<quint64>("consumed");
    QTest::addColumn<quint64>("earlier");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("1 MiB from 1 byte: the ratio is not checked yet")
        << quint64(kMiB) << quint64(1) << quint64(0) << true;
    QTest::newRow("past 1 MiB at 100:1")
        << quint64(kMiB + 100) << quint64(kMiB / 100 + 1) << quint64(0) << true;
    QTest::newRow("past 1 MiB at 101:1")
        << quint64(101 * kMiB / 100 * 100) << quint64(kMiB) << quint64(0) << false;
    QTest::newRow("a part of 256 MiB")
        << quint64(256 * kMiB) << quint64(256 * kMiB) << quint64(0) << true;
    QTest::newRow("a part past 256 MiB")
        << quint64(256 * kMiB + 1) << quint64(256 * kMiB) << quint64(0) << false;
    QTest::newRow("512 MiB in all")
        << quint64(200 * kMiB) << quint64(200 * kMiB) << quint64(312 * kMiB) << true;
    QTest::newRow("past 512 MiB in all")
        << quint64(200 * kMiB) << quint64(200 * kMiB) << quint64(312 * kMiB + 1) << false;
}

void TestSheetLimits::inflateCaps() {
    QFETCH(quint64, produced);
    QFETCH(quint64, consumed);
    QFETCH(quint64, earlier);
    QFETCH(bool, allowed);
    xls::ZipEntry entry;
    entry.name = "part";
    xls::InflateBudget budget{earlier};
    xls::ReadError error;
    QCOMPARE(xls::budgetAllows(entry, produced, consumed, budget, error), allowed);
    QCOMPARE(error.code, allowed ? ReadErrorCode::None : ReadErrorCode::InflateLimit);
}

void TestSheetLimits::zip64Read() {
    const ZipImage image = writeZip(xlsxParts({oneCell}), true);
    QCOMPARE(loadAndDump(image.bytes), QStringList{"0,0,double,1"});
}

namespace {

// Letters no deflater packs much below 60%: megabytes of them stay
// megabytes compressed, as a large sheet part does.
std::string scrambledLetters(std::size_t length) {
    std::string out(length, ' ');
    std::uint32_t state = 12345;
    for (char &c : out) {
        state = state * 1664525u + 1013904223u;
        c = char('a' + (state >> 24) % 26);
    }
    return out;
}

// `data` in deflate blocks stored as they are; block `damaged` carries a
// length its complement contradicts.
std::string storedBlocks(const std::string &data, std::size_t damaged) {
    constexpr std::size_t kBlock = 65535;
    std::string out;
    for (std::size_t at = 0; at < data.size(); at += kBlock) {
        const std::size_t n = std::min(kBlock, data.size() - at);
        const std::size_t complement = ~n ^ (at / kBlock == damaged ? 1 : 0);
        out += char(at + n == data.size() ? 1 : 0);
        for (std::size_t value : {n, n >> 8, complement, complement >> 8})
            out += char(value & 0xFF);
        out.append(data, at, n);
    }
    return out;
}

// A package of one deflated entry holding `deflated`, which its headers say
// inflates to `inflated`.
ZipImage deflatedEntry(const std::string &inflated, const std::string &deflated) {
    ZipImage image = writeZip({{"content.xml", deflated, false}});
    declareDeflated(image, inflated.size(),
                    std::uint32_t(crc32_z(0, reinterpret_cast<const Bytef *>(inflated.data()),
                                          inflated.size())));
    return image;
}

struct EntryRead {
    bool read = false;
    xls::ReadError error;
    std::string bytes;
    int pieces = 0;
    std::uint64_t produced = 0;
};

EntryRead readEntry(const std::vector<std::uint8_t> &bytes, bool onWorker, SinkStops stops,
                    std::uint64_t earlier) {
    xls::ZipArchive zip;
    EntryRead out;
    if (!zip.open(bytes, out.error) || !xls::inflatesOnWorker(zip.entries().front()))
        return out;
    zip.setInflateOnWorker(onWorker);
    xls::InflateBudget budget{earlier};
    try {
        out.read = zip.read(
            zip.entries().front(),
            [&](xls::ByteSpan piece) {
                out.bytes.append(reinterpret_cast<const char *>(piece.data()), piece.size());
                if (++out.pieces == 1 && stops == SinkStops::ByThrowing)
                    throw std::runtime_error("the sink gave up");
                return stops == SinkStops::Never;
            },
            budget, out.error);
    } catch (const std::runtime_error &) {
        out.error.text = "thrown";
    }
    out.produced = budget.produced;
    return out;
}

} // namespace

void TestSheetLimits::largeEntry_data() {
    QTest::addColumn<std::vector<std::uint8_t>>("bytes");
    QTest::addColumn<SinkStops>("stops");
    QTest::addColumn<quint64>("earlier");
    QTest::addColumn<ReadErrorCode>("code");
    QTest::addColumn<QString>("reason");
    const std::string letters = scrambledLetters(3 << 20);
    const ZipImage whole = deflatedEntry(letters, deflateRaw(letters));
    ZipImage wrongCrc = whole;
    wrongCrc.putU32(wrongCrc.centralHeaders[0] + 16, 0);
    wrongCrc.putU32(wrongCrc.localHeaders[0] + 14, 0);
    const quint64 roomForOneMiB = xls::zip::kMaxTotalInflated - xls::zip::kMiB;

    QTest::newRow("3 MiB read back")
        << whole.bytes << SinkStops::Never << quint64(0) << ReadErrorCode::None << "";
    QTest::newRow("damaged in the middle")
        << deflatedEntry(letters, storedBlocks(letters, 24)).bytes << SinkStops::Never << quint64(0)
        << ReadErrorCode::CorruptZip << "is damaged";
    QTest::newRow("a CRC that does not match")
        << wrongCrc.bytes << SinkStops::Never << quint64(0) << ReadErrorCode::CorruptZip
        << "CRC of \"content.xml\" does not match";
    QTest::newRow("past the package's cap after 1 MiB")
        << whole.bytes << SinkStops::Never << roomForOneMiB << ReadErrorCode::InflateLimit
        << "a package total of more than";
    QTest::newRow("a sink that stops at the first piece")
        << whole.bytes << SinkStops::AfterFirstPiece << quint64(0) << ReadErrorCode::None << "";
    QTest::newRow("a sink that throws at the first piece")
        << whole.bytes << SinkStops::ByThrowing << quint64(0) << ReadErrorCode::None << "thrown";
}

// A large entry reads the same inflated on a worker as on the calling
// thread: bytes, error, budget; a stopping sink ends the read at once.
void TestSheetLimits::largeEntry() {
    QFETCH(std::vector<std::uint8_t>, bytes);
    QFETCH(SinkStops, stops);
    QFETCH(quint64, earlier);
    QFETCH(ReadErrorCode, code);
    QFETCH(QString, reason);
    const EntryRead alone = readEntry(bytes, false, stops, earlier);
    const EntryRead beside = readEntry(bytes, true, stops, earlier);
    QCOMPARE(beside.error.code, code);
    QVERIFY2(QString::fromStdString(beside.error.text).contains(reason), beside.error.text.c_str());
    QCOMPARE(beside.read, code == ReadErrorCode::None && stops == SinkStops::Never);
    QCOMPARE(beside.error.text, alone.error.text);
    QCOMPARE(beside.error.offset, alone.error.offset);
    QCOMPARE(beside.read, alone.read);
    QCOMPARE(beside.produced, alone.produced);
    if (stops == SinkStops::Never) {
        QVERIFY(beside.bytes == alone.bytes);
    } else {
        QCOMPARE(beside.pieces, 1);
        QVERIFY(alone.bytes.starts_with(beside.bytes.substr(0, alone.bytes.size())));
    }
}

QTEST_GUILESS_MAIN(TestSheetLimits)
#include "test_sheetlimits.moc"
