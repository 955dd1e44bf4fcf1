// The workbook globals substream ([MS-XLS] 2.1.7.20.1): what the reader keeps
// of the records between the stream's first BOF and its EOF.
#pragma once

#include "xls/biff/BOF.h"
#include "xls/biff/GlobalsRecords.h"
#include "xls/biff/SharedStringTable.h"

#include <cstdint>
#include <vector>

namespace ZAreda {

class Workbook {
public:
    using BoundSheet = records::BoundSheet;
    using Font = records::Font;
    using XF = records::XF;
    using Style = records::Style;
    using Window1 = records::Window1;
    using SharedStringTable = records::SharedStringTable;
    using ExtSST = records::ExtSST;

    // `from` starts at the globals BOF and runs to the end of the stream.
    // Reads records up to the EOF and returns the bytes consumed, the EOF
    // counted as 4. Appends to the vectors without clearing them. When the
    // stream ends first, `truncated` is set and everything up to the end of
    // the stream is consumed.
    std::uint32_t Read(xls::ByteSpan from);

    BOF bof{kGlobalsSubstream};
    Window1 window1; // the last WINDOW1 wins
    std::vector<Font> fonts;
    std::vector<XF> XFs;
    std::vector<Style> styles;
    std::vector<BoundSheet> boundSheets;
    SharedStringTable sst;
    ExtSST extSST; // never filled: the reader steps over EXTSST
    YEOF eof;

    // A FILEPASS record was seen: the workbook is encrypted, and the payloads
    // after it (the shared strings among them) are not plain text.
    bool filePass = false;
    // The stream ended before the EOF of the globals.
    bool truncated = false;

private:
    std::uint32_t readRecord(xls::ByteSpan from);
};

} // namespace ZAreda
