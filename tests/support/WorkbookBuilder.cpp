#include "support/WorkbookBuilder.h"

#include "support/writers/CompoundWriter.h"

#include <QFile>

using testwriters::BiffWriter;

namespace {
constexpr std::uint16_t kGlobals = 0x0005;
constexpr std::uint16_t kWorksheet = 0x0010;
} // namespace

std::uint32_t WorkbookBuilder::addString(const std::u16string &text, bool wide) {
    strings.push_back({text, wide});
    return std::uint32_t(strings.size() - 1);
}

BiffWriter &WorkbookBuilder::addSheet(std::uint32_t rows, std::uint32_t columns, bool inRowBlock) {
    Substream &sheet = substreams.emplace_back(Substream{kWorksheet, {}, {}, inRowBlock});
    if (rows != 0 || columns != 0)
        sheet.dimensions.dimensions(0, rows, 0, std::uint16_t(columns));
    return sheet.cells;
}

void WorkbookBuilder::addOtherSubstream(std::uint16_t type) {
    substreams.push_back({type, {}, {}, false});
}

std::vector<std::uint8_t> WorkbookBuilder::stream() const {
    BiffWriter out;
    out.bof(kGlobals);
    out.raw(extra.bytes());
    std::size_t sheetNumber = 0;
    for (const Substream &substream : substreams)
        if (substream.type == kWorksheet)
            out.boundSheet(0, "Tabelle" + std::to_string(++sheetNumber));
    out.sst(strings);
    out.eof();
    for (const Substream &substream : substreams) {
        out.bof(substream.type);
        out.raw(substream.dimensions.bytes());
        if (substream.inRowBlock)
            out.row(0, 0, 1);
        out.raw(substream.cells.bytes());
        if (substream.inRowBlock)
            out.dbCell(0);
        out.eof();
    }
    return out.bytes();
}

std::vector<std::uint8_t> WorkbookBuilder::file(const std::u16string &streamName) const {
    return compoundFileWith(streamName, stream());
}

bool WorkbookBuilder::writeTo(const QString &path, const std::u16string &streamName) const {
    const std::vector<std::uint8_t> bytes = file(streamName);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) &&
           out.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

std::vector<std::uint8_t> compoundFileWith(const std::u16string &streamName,
                                           std::vector<std::uint8_t> stream) {
    testwriters::CompoundWriter writer;
    writer.addStream(streamName, std::move(stream));
    return writer.build().bytes;
}
