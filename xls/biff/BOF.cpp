#include "xls/biff/BOF.h"

#include "xls/biff/FieldReader.h"

namespace ZAreda {

BOF::BOF(std::uint16_t substreamType) : BOF() {
    version = kBiff8Version;
    type = substreamType;
    buildIdentifier = kDefaultBuildIdentifier;
    buildYear = kDefaultBuildYear;
    fileHistoryFlags = kDefaultFileHistoryFlags;
    lowestVersion = kDefaultLowestVersion;
}

std::uint32_t BOF::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(version);
    fields.read(type);
    fields.read(buildIdentifier);
    fields.read(buildYear);
    fields.read(fileHistoryFlags);
    fields.read(lowestVersion);
    return recordSize;
}

} // namespace ZAreda
