#include "xls/biff/SharedStringTable.h"

#include "xls/biff/ContinuedStringReader.h"
#include "xls/biff/FieldReader.h"

#include <algorithm>

namespace ZAreda::records {

std::uint32_t SharedStringTable::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    totalCount = 0;
    uniqueCount = 0;
    strings.clear();
    FieldReader fields(payload.data());
    fields.read(totalCount);
    fields.read(uniqueCount);
    if (!fields.complete())
        return recordSize;

    // Reserve no more than the payload can hold, whatever the count says.
    const std::size_t room = (payload.dataSize() - kSstHeaderSize) / kMinStringSize;
    strings.reserve(std::min<std::size_t>(uniqueCount, room));
    ContinuedStringReader reader(payload.data(), payload.continueOffsets(), kSstHeaderSize);
    XLUnicodeRichExtendedString string;
    while (strings.size() < uniqueCount && reader.read(string, StringForm::Rich))
        strings.push_back(std::move(string));
    return recordSize;
}

} // namespace ZAreda::records
