// The shared string table (SST, [MS-XLS] 2.4.265) and its companion EXTSST.
#pragma once

#include "xls/biff/Record.h"
#include "xls/biff/XLUnicodeRichExtendedString.h"

#include <cstdint>
#include <vector>

namespace ZAreda::records {

// Every cell text of a workbook, in the order LABELSST records refer to.
// Strings are reassembled across the CONTINUE records of the table, whatever
// their width in each piece (ContinuedStringReader).
//
// `strings` holds the strings the payload really contains: never more than
// `uniqueCount`, fewer when the payload ends early. A LABELSST index must
// therefore be checked against strings.size(), not against uniqueCount.
class SharedStringTable : public Record {
public:
    SharedStringTable() : Record(RecordCode::SST, 8) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    // True when the payload ended before `uniqueCount` strings were read.
    bool isShort() const { return strings.size() < uniqueCount; }

    std::uint32_t totalCount = 0;  // string references in the workbook; not used
    std::uint32_t uniqueCount = 0; // strings the table announces
    std::vector<XLUnicodeRichExtendedString> strings;
};

// EXTSST: an index into the SST for writers. The reader steps over it.
class ExtSST : public Record {
public:
    ExtSST() : Record(RecordCode::ExtSST, 2) {}
};

} // namespace ZAreda::records
