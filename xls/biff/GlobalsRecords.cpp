#include "xls/biff/GlobalsRecords.h"

#include "xls/biff/ContinuedStringReader.h"
#include "xls/biff/FieldReader.h"

namespace ZAreda::records {

namespace {
constexpr std::size_t kStyleNameOffset = 2;
}

std::uint32_t BoundSheet::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(streamPosition);
    fields.read(visibility);
    fields.read(sheetType);
    if (fields.complete())
        name.parse(fields.rest());
    return recordSize;
}

std::uint32_t Font::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    for (std::uint16_t *field : {&height, &optionFlags, &colourIndex, &weight, &escapement})
        fields.read(*field);
    for (std::uint8_t *field : {&underline, &family, &characterSet, &reserved})
        fields.read(*field);
    if (fields.complete())
        name.parse(fields.rest());
    return recordSize;
}

std::uint32_t XF::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(fontIndex);
    fields.read(formatIndex);
    fields.read(typeAndParent);
    for (std::uint8_t *field : {&alignment, &rotation, &indentAndOrder, &usedAttributes})
        fields.read(*field);
    fields.read(borderStyles);
    fields.read(borderColours);
    fields.read(fillColours);
    return recordSize;
}

std::uint32_t Style::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(xfIndex);
    if (isBuiltIn()) {
        fields.read(builtInId);
        fields.read(outlineLevel);
    } else if (fields.complete()) {
        ContinuedStringReader reader(payload.data(), payload.continueOffsets(), kStyleNameOffset);
        reader.read(name, StringForm::Rich);
    }
    return recordSize;
}

std::uint32_t Window1::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    for (std::uint16_t *field :
         {&horizontalPosition, &verticalPosition, &width, &height, &optionFlags, &activeTab,
          &firstVisibleTab, &selectedTabCount, &tabRatio})
        fields.read(*field);
    return recordSize;
}

} // namespace ZAreda::records
