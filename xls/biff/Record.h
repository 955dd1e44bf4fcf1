// Base of every BIFF8 record class.
#pragma once

#include "xls/biff/BiffConstants.h"
#include "xls/biff/RecordFrame.h"
#include "xls/common/ByteCursor.h"

#include <cstdint>

namespace ZAreda {

// One record with the CONTINUE records that follow it. Every Read takes a
// view that starts at the record's header and runs to the end of the stream,
// returns the stream bytes it consumed and reads nothing outside the view.
// A record cut short by the end of the stream consumes what is left of it and
// keeps the defaults of the fields it does not reach.
//
// The plain Record steps over a record: it keeps the code and the sizes, not
// the payload (RecordPayload gives that to the classes that decode one).
class Record {
public:
    Record() = default;
    Record(const Record &) = default;
    Record(Record &&) noexcept = default;
    Record &operator=(const Record &) = default;
    Record &operator=(Record &&) noexcept = default;
    virtual ~Record() = default;

    virtual std::uint32_t Read(xls::ByteSpan from);
    virtual std::uint32_t DataSize() const { return dataSize; }
    virtual std::uint32_t RecordSize() const { return recordSize; }

    std::uint16_t code = 0;
    std::uint32_t dataSize = 0;                   // payload, continuations included
    std::uint32_t recordSize = kRecordHeaderSize; // stream bytes, headers included

protected:
    Record(std::uint16_t recordCode, std::uint32_t defaultDataSize)
        : code(recordCode), dataSize(defaultDataSize),
          recordSize(defaultDataSize + kRecordHeaderSize) {}

    // Takes over the code and sizes of a framed record.
    void takeFrame(const RecordFrame &frame);
};

} // namespace ZAreda
