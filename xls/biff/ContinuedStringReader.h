// Reads strings from a record payload that was joined from CONTINUE records.
//
// [MS-XLS] 2.5.293 and 2.1.4: when a string's characters go on in the next
// CONTINUE record, that record starts with a fresh option byte giving the
// width of the characters in it, so one string may switch between 8-bit and
// 16-bit pieces. The other parts of a string (its header, the formatting runs,
// the phonetic block) go on without one. The reader therefore steps through
// the joined payload and, whenever the characters reach a boundary, re-anchors
// at that boundary and takes the option byte found there. A damaged piece (an
// odd byte of a 16-bit character before a boundary) costs only itself: the
// next piece still starts at its boundary, so the strings after it stay in
// place.
#pragma once

#include "xls/biff/XLUnicodeRichExtendedString.h"
#include "xls/common/ByteCursor.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace ZAreda {

enum class StringForm {
    Rich,  // XLUnicodeRichExtendedString: may carry runs and a phonetic block
    Plain, // XLUnicodeString: count, option byte, characters
};

class ContinuedStringReader {
public:
    // `boundaries` are the payload offsets at which the CONTINUE records
    // begin, in ascending order; reading starts at `position`.
    ContinuedStringReader(xls::ByteSpan data, std::span<const std::uint32_t> boundaries,
                          std::size_t position);

    // Reads the string at the current position into `out`. False, with `out`
    // untouched and the reader at the end, when the payload ends inside the
    // string's header. A string whose characters are cut off by the end of
    // the payload keeps those that are present.
    bool read(XLUnicodeRichExtendedString &out, StringForm form);

    std::size_t position() const { return pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

private:
    struct Header {
        std::uint16_t count = 0;
        std::uint8_t flags = 0;
        std::uint16_t runCount = 0;
        std::uint32_t phoneticSize = 0;
    };

    bool readHeader(Header &header, StringForm form);
    void readCharacters(XLUnicodeRichExtendedString &out, std::size_t count, bool sixteenBit);
    // The first boundary at or after the current position; the payload size when none.
    std::size_t nextBoundary();
    void skip(std::uint64_t n);

    xls::ByteSpan data_;
    std::span<const std::uint32_t> boundaries_;
    std::size_t next_ = 0; // index of the first boundary not yet passed
    std::size_t pos_ = 0;
};

} // namespace ZAreda
