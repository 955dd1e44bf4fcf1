#include "support/writers/ZipWriter.h"

#include <zlib.h>

#include <array>

namespace testwriters {

namespace {

void u16(std::vector<std::uint8_t> &out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void u32(std::vector<std::uint8_t> &out, std::uint32_t v) {
    u16(out, v & 0xFFFF);
    u16(out, v >> 16);
}
void u64(std::vector<std::uint8_t> &out, std::uint64_t v) {
    u32(out, std::uint32_t(v));
    u32(out, std::uint32_t(v >> 32));
}
void text(std::vector<std::uint8_t> &out, const std::string &s) {
    out.insert(out.end(), s.begin(), s.end());
}

std::string deflateChunks(std::size_t count, const std::string *data) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    std::string out;
    std::array<unsigned char, 65536> buffer{};
    std::vector<unsigned char> zeros(data ? 0 : std::min<std::size_t>(count, 1 << 20), ' ');
    std::size_t given = 0;
    int flush = Z_NO_FLUSH;
    do {
        const std::size_t n = data ? count : std::min(count - given, zeros.size());
        z.next_in =
            data ? reinterpret_cast<Bytef *>(const_cast<char *>(data->data())) : zeros.data();
        z.avail_in = uInt(n);
        given += n;
        flush = given == count ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = buffer.data();
            z.avail_out = uInt(buffer.size());
            deflate(&z, flush);
            out.append(reinterpret_cast<char *>(buffer.data()), buffer.size() - z.avail_out);
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&z);
    return out;
}

} // namespace

void ZipImage::putU16(std::size_t offset, std::uint16_t value) {
    bytes.at(offset) = std::uint8_t(value);
    bytes.at(offset + 1) = std::uint8_t(value >> 8);
}

void ZipImage::putU32(std::size_t offset, std::uint32_t value) {
    putU16(offset, std::uint16_t(value));
    putU16(offset + 2, std::uint16_t(value >> 16));
}

std::string deflateRaw(const std::string &data) {
    return deflateChunks(data.size(), &data);
}

std::string deflateSpaces(std::size_t count) {
    return deflateChunks(count, nullptr);
}

ZipImage writeZip(const std::vector<ZipPart> &parts, bool zip64) {
    ZipImage image;
    std::vector<std::uint8_t> &out = image.bytes;
    struct Written {
        std::uint32_t crc, compressed, size;
        std::uint16_t method;
    };
    std::vector<Written> written;
    for (const ZipPart &part : parts) {
        const std::string stored = part.deflate ? deflateRaw(part.data) : part.data;
        const Written w{std::uint32_t(crc32(0, reinterpret_cast<const Bytef *>(part.data.data()),
                                            uInt(part.data.size()))),
                        std::uint32_t(stored.size()), std::uint32_t(part.data.size()),
                        std::uint16_t(part.deflate ? 8 : 0)};
        written.push_back(w);
        image.localHeaders.push_back(out.size());
        u32(out, 0x04034B50);
        u16(out, 20);
        u16(out, 0);
        u16(out, w.method);
        u32(out, 0);
        u32(out, w.crc);
        u32(out, w.compressed);
        u32(out, w.size);
        u16(out, std::uint32_t(part.name.size()));
        u16(out, 0);
        text(out, part.name);
        text(out, stored);
    }
    const std::size_t directory = out.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        image.centralHeaders.push_back(out.size());
        u32(out, 0x02014B50);
        u16(out, 20);
        u16(out, 20);
        u16(out, 0);
        u16(out, written[i].method);
        u32(out, 0);
        u32(out, written[i].crc);
        u32(out, written[i].compressed);
        u32(out, written[i].size);
        u16(out, std::uint32_t(parts[i].name.size()));
        u16(out, 0);
        u16(out, 0);
        u16(out, 0);
        u16(out, 0);
        u32(out, 0);
        u32(out, std::uint32_t(image.localHeaders[i]));
        text(out, parts[i].name);
    }
    const std::size_t directorySize = out.size() - directory;
    if (zip64) {
        const std::size_t record = out.size();
        u32(out, 0x06064B50);
        u64(out, 44);
        u16(out, 45);
        u16(out, 45);
        u32(out, 0);
        u32(out, 0);
        u64(out, parts.size());
        u64(out, parts.size());
        u64(out, directorySize);
        u64(out, directory);
        u32(out, 0x07064B50);
        u32(out, 0);
        u64(out, record);
        u32(out, 1);
    }
    image.endRecord = out.size();
    u32(out, 0x06054B50);
    u16(out, 0);
    u16(out, 0);
    u16(out, zip64 ? 0xFFFF : std::uint32_t(parts.size()));
    u16(out, zip64 ? 0xFFFF : std::uint32_t(parts.size()));
    u32(out, zip64 ? 0xFFFFFFFF : std::uint32_t(directorySize));
    u32(out, zip64 ? 0xFFFFFFFF : std::uint32_t(directory));
    u16(out, 0);
    return image;
}

std::vector<ZipPart> xlsxParts(const std::vector<std::string> &sheetBodies,
                               const std::string &sharedStrings) {
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::vector<ZipPart> parts;
    parts.push_back(
        {"_rels/.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
         "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" +
             rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"});
    std::string sheets, rels;
    for (std::size_t i = 0; i < sheetBodies.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        sheets += "<sheet name=\"S" + n + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + rel +
                "/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
        parts.push_back({"xl/worksheets/sheet" + n + ".xml", "<worksheet xmlns=\"" + main +
                                                                 "\" xmlns:r=\"" + rel + "\">" +
                                                                 sheetBodies[i] + "</worksheet>"});
    }
    if (!sharedStrings.empty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + rel +
                "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        parts.push_back(
            {"xl/sharedStrings.xml", "<sst xmlns=\"" + main + "\">" + sharedStrings + "</sst>"});
    }
    parts.push_back({"xl/workbook.xml", "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
                                            "\"><sheets>" + sheets + "</sheets></workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels",
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                     "relationships\">" +
                         rels + "</Relationships>"});
    return parts;
}

namespace {
const char *odfNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\"";
}

std::vector<ZipPart> odsParts(const std::string &tableBody) {
    return {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
            {"content.xml", std::string("<office:document-content") + odfNamespaces +
                                "><office:body><office:spreadsheet><table:table table:name=\"A\">" +
                                tableBody +
                                "</table:table></office:spreadsheet></office:body></"
                                "office:document-content>"}};
}

std::string fodsDocument(const std::string &tableBody) {
    return std::string("<?xml version=\"1.0\"?><office:document") + odfNamespaces +
           "><office:body><office:spreadsheet><table:table table:name=\"A\">" + tableBody +
           "</table:table></office:spreadsheet></office:body></office:document>";
}

} // namespace testwriters
