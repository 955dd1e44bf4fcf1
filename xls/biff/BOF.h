// The records that open and close every substream: BOF and EOF.
#pragma once

#include "xls/biff/Record.h"

#include <cstdint>

namespace ZAreda {

// BOF ([MS-XLS] 2.4.21). Its owner (Workbook, Worksheet) gives the field
// defaults; reading overwrites the fields the record holds. A BIFF5 BOF has
// 8 bytes of data and leaves the last two fields as they were.
class BOF : public Record {
public:
    BOF() : Record(RecordCode::BOF, 16) {}
    explicit BOF(std::uint16_t substreamType);

    std::uint32_t Read(xls::ByteSpan from) override;

    bool isBiff8() const { return version == kBiff8Version; }

    std::uint16_t version = 0; // 0x0600 BIFF8, 0x0500 BIFF5
    std::uint16_t type = 0;    // 0x0005 workbook globals, 0x0010 worksheet, others
    std::uint16_t buildIdentifier = 0;
    std::uint16_t buildYear = 0;
    std::uint32_t fileHistoryFlags = 0;
    std::uint32_t lowestVersion = 0;
};

// EOF: no fields. It closes a substream; the loops count its 4 bytes without
// reading it.
class YEOF : public Record {
public:
    YEOF() : Record(RecordCode::Eof, 0) {}
};

} // namespace ZAreda
