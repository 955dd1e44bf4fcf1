#include "xls/biff/Formula.h"

#include "xls/biff/ContinuedStringReader.h"
#include "xls/biff/FieldReader.h"

namespace ZAreda::records {

namespace {

constexpr std::size_t kFormulaFixedSize = 18;
constexpr std::size_t kArrayFixedSize = 12;
constexpr std::size_t kShrFmlaFixedSize = 8;

// Result kinds of FormulaValue when its last two bytes are 0xFFFF.
constexpr std::uint8_t kResultString = 0;
constexpr std::uint8_t kResultBoolean = 1;
constexpr std::uint8_t kResultError = 2;
constexpr std::uint8_t kResultEmptyString = 3;

std::uint32_t bytesAfter(const RecordPayload &payload, std::size_t fixedSize) {
    return payload.dataSize() > fixedSize
               ? payload.dataSize() - static_cast<std::uint32_t>(fixedSize)
               : 0;
}

} // namespace

struct Formula::Companions {
    Array array;
    Table table;
    ShrFmla shrFmla;
    ShrFmla1 shrFmla1;
    String string;
    bool hasString = false;
};

Formula::Formula() : CellRecord(RecordCode::Formula, 18) {}

Formula::Formula(const Formula &other)
    : CellRecord(other), result(other.result), optionFlags(other.optionFlags),
      reserved(other.reserved), formulaBlockSize(other.formulaBlockSize),
      followingCode(other.followingCode),
      companions_(other.companions_ ? std::make_unique<Companions>(*other.companions_) : nullptr) {}

Formula::Formula(Formula &&) noexcept = default;

Formula &Formula::operator=(const Formula &other) {
    if (this != &other)
        *this = Formula(other);
    return *this;
}

Formula &Formula::operator=(Formula &&) noexcept = default;
Formula::~Formula() = default;

std::uint32_t Formula::Read(xls::ByteSpan from) {
    companions_.reset();
    followingCode = kNoRecordCode;
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(row);
    fields.read(column);
    fields.read(xfIndex);
    fields.read(result);
    fields.read(optionFlags);
    fields.read(reserved);
    formulaBlockSize = bytesAfter(payload, kFormulaFixedSize);

    std::size_t pos = recordSize;
    if (hasRecordHeader(from, pos)) {
        const std::uint16_t next = recordCodeAt(from, pos);
        Record *companion = nullptr;
        switch (next) {
        case RecordCode::Table:
        case RecordCode::Table8:
            companion = &companions().table;
            break;
        case RecordCode::ShrFmla:
            companion = &companions().shrFmla;
            break;
        case RecordCode::Array:
            companion = &companions().array;
            break;
        case RecordCode::ShrFmla1:
            companion = &companions().shrFmla1;
            break;
        default:
            break;
        }
        if (companion) {
            followingCode = next;
            pos += companion->Read(from.subspan(pos));
        }
    }
    if (hasRecordHeader(from, pos) && recordCodeAt(from, pos) == RecordCode::String) {
        pos += companions().string.Read(from.subspan(pos));
        companions_->hasString = true;
    }
    return static_cast<std::uint32_t>(pos);
}

std::uint32_t Formula::RecordSize() const {
    std::uint32_t size = recordSize;
    if (const Record *following = companion())
        size += following->RecordSize();
    if (const String *text = string())
        size += text->RecordSize();
    return size;
}

const Record *Formula::companion() const {
    if (const Array *record = array())
        return record;
    if (const Table *record = table())
        return record;
    if (const ShrFmla *record = shrFmla())
        return record;
    return shrFmla1();
}

Formula::ResultKind Formula::resultKind() const {
    if (xls::loadU16(result.data() + kFormulaResultMarkerByte) != kFormulaResultNotNumber)
        return ResultKind::Number;
    switch (result[kFormulaResultKindByte]) {
    case kResultString:
        return ResultKind::String;
    case kResultBoolean:
        return ResultKind::Boolean;
    case kResultError:
        return ResultKind::Error;
    case kResultEmptyString:
        return ResultKind::EmptyString;
    default:
        return ResultKind::Unknown;
    }
}

double Formula::resultDouble() const {
    return xls::loadF64(result.data());
}

bool Formula::resultBool() const {
    return result[kFormulaResultValueByte] != 0;
}

std::uint8_t Formula::resultError() const {
    return result[kFormulaResultValueByte];
}

const Formula::Array *Formula::array() const {
    return companions_ && followingCode == RecordCode::Array ? &companions_->array : nullptr;
}

const Formula::Table *Formula::table() const {
    const bool isTable = followingCode == RecordCode::Table || followingCode == RecordCode::Table8;
    return companions_ && isTable ? &companions_->table : nullptr;
}

const Formula::ShrFmla *Formula::shrFmla() const {
    return companions_ && followingCode == RecordCode::ShrFmla ? &companions_->shrFmla : nullptr;
}

const Formula::ShrFmla1 *Formula::shrFmla1() const {
    return companions_ && followingCode == RecordCode::ShrFmla1 ? &companions_->shrFmla1 : nullptr;
}

const Formula::String *Formula::string() const {
    return companions_ && companions_->hasString ? &companions_->string : nullptr;
}

Formula::Companions &Formula::companions() {
    if (!companions_)
        companions_ = std::make_unique<Companions>();
    return *companions_;
}

template <typename Decode>
std::uint32_t Formula::RangeRecord::readRange(xls::ByteSpan from, Decode &&decode) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    FieldReader fields(payload.data());
    fields.read(firstRow);
    fields.read(lastRow);
    fields.read(firstColumn);
    fields.read(lastColumn);
    decode(fields, payload);
    return recordSize;
}

std::uint32_t Formula::Array::Read(xls::ByteSpan from) {
    return readRange(from, [this](FieldReader &fields, const RecordPayload &payload) {
        fields.read(optionFlags);
        fields.read(reserved);
        formulaBlockSize = bytesAfter(payload, kArrayFixedSize);
    });
}

std::uint32_t Formula::Table::Read(xls::ByteSpan from) {
    return readRange(from, [this](FieldReader &fields, const RecordPayload &) {
        for (std::uint16_t *field :
             {&optionFlags, &inputRow1, &inputColumn1, &inputRow2, &inputColumn2})
            fields.read(*field);
    });
}

std::uint32_t Formula::ShrFmla::Read(xls::ByteSpan from) {
    return readRange(from, [this](FieldReader &fields, const RecordPayload &payload) {
        fields.read(reservedAndCellCount);
        formulaBlockSize = bytesAfter(payload, kShrFmlaFixedSize);
    });
}

std::uint32_t Formula::String::Read(xls::ByteSpan from) {
    const RecordPayload payload(from);
    takeFrame(payload.frame());
    text = XLUnicodeRichExtendedString();
    ContinuedStringReader reader(payload.data(), payload.continueOffsets(), 0);
    reader.read(text, StringForm::Plain);
    return recordSize;
}

} // namespace ZAreda::records
