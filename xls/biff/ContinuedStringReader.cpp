#include "xls/biff/ContinuedStringReader.h"

#include "xls/biff/BiffConstants.h"
#include "xls/biff/FieldReader.h"

#include <algorithm>

namespace ZAreda {

ContinuedStringReader::ContinuedStringReader(xls::ByteSpan data,
                                             std::span<const std::uint32_t> boundaries,
                                             std::size_t position)
    : data_(data), boundaries_(boundaries), pos_(std::min(position, data.size())) {}

bool ContinuedStringReader::read(XLUnicodeRichExtendedString &out, StringForm form) {
    Header header;
    if (!readHeader(header, form)) {
        pos_ = data_.size();
        return false;
    }
    out.reset(header.flags);
    out.runCount = header.runCount;
    out.phoneticSize = header.phoneticSize;
    readCharacters(out, header.count, (header.flags & kStringHighByte) != 0);
    skip(std::uint64_t{kFormattingRunSize} * header.runCount + header.phoneticSize);
    return true;
}

bool ContinuedStringReader::readHeader(Header &header, StringForm form) {
    // A boundary inside the header is not marked in the payload: the header's
    // bytes simply go on in the next record.
    FieldReader fields(data_, pos_);
    fields.read(header.count);
    fields.read(header.flags);
    if (form == StringForm::Rich) {
        if (header.flags & kStringRichText)
            fields.read(header.runCount);
        if (header.flags & kStringPhonetic)
            fields.read(header.phoneticSize);
    }
    if (!fields.complete())
        return false;
    pos_ = fields.position();
    return true;
}

void ContinuedStringReader::readCharacters(XLUnicodeRichExtendedString &out, std::size_t count,
                                           bool sixteenBit) {
    const std::size_t room = data_.size() - pos_;
    if (sixteenBit)
        out.wideText.reserve(std::min(count, room / 2));
    else
        out.narrowText.reserve(std::min(count, room));
    while (count > 0) {
        const std::size_t limit = nextBoundary();
        if (pos_ == limit) {
            if (limit == data_.size())
                return; // the payload ends before the string does
            // Characters go on in the next CONTINUE record: skip empty
            // CONTINUE records at the same offset, then take the option byte.
            while (next_ < boundaries_.size() && boundaries_[next_] == pos_)
                ++next_;
            sixteenBit = (data_[pos_] & kStringHighByte) != 0;
            ++pos_;
            continue;
        }
        const std::size_t width = sixteenBit ? 2 : 1;
        const std::size_t n = std::min(count, (limit - pos_) / width);
        out.appendCharacters(data_.subspan(pos_, n * width), sixteenBit);
        pos_ += n * width;
        count -= n;
        if (count > 0 && pos_ < limit)
            pos_ = limit; // half a 16-bit character before the boundary: damaged, dropped
    }
}

std::size_t ContinuedStringReader::nextBoundary() {
    while (next_ < boundaries_.size() && boundaries_[next_] < pos_)
        ++next_;
    if (next_ < boundaries_.size() && boundaries_[next_] <= data_.size())
        return boundaries_[next_];
    return data_.size();
}

void ContinuedStringReader::skip(std::uint64_t n) {
    pos_ = n < data_.size() - pos_ ? pos_ + static_cast<std::size_t>(n) : data_.size();
}

} // namespace ZAreda
