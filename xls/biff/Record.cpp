#include "xls/biff/Record.h"

namespace ZAreda {

std::uint32_t Record::Read(xls::ByteSpan from) {
    takeFrame(frameRecord(from));
    return recordSize;
}

void Record::takeFrame(const RecordFrame &frame) {
    code = frame.code;
    dataSize = frame.dataSize;
    recordSize = frame.recordSize;
}

} // namespace ZAreda
