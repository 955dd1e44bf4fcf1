// The records of the workbook globals substream that the workbook keeps:
// BOUNDSHEET, FONT, XF, STYLE and WINDOW1 ([MS-XLS] 2.4). They are known by
// their nested names, Workbook::BoundSheet and so on (Workbook.h).
#pragma once

#include "xls/biff/Record.h"
#include "xls/biff/ShortXLUnicodeString.h"
#include "xls/biff/XLUnicodeRichExtendedString.h"

#include <cstdint>

namespace ZAreda::records {

// BOUNDSHEET: where a sheet's substream starts, and its name.
class BoundSheet : public Record {
public:
    BoundSheet() : Record(RecordCode::BoundSheet, 10) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint32_t streamPosition = 0; // offset of the sheet's BOF in the stream
    std::uint8_t visibility = 0;      // visible, hidden, very hidden
    std::uint8_t sheetType = 0;       // worksheet, chart, module
    ShortXLUnicodeString name = ShortXLUnicodeString::narrow("Sheet1");
};

class Font : public Record {
public:
    Font() : Record(RecordCode::Font, 14) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t height = 200; // twentieths of a point
    std::uint16_t optionFlags = 0;
    std::uint16_t colourIndex = 0x7FFF;
    std::uint16_t weight = 400;
    std::uint16_t escapement = 0;
    std::uint8_t underline = 0;
    std::uint8_t family = 0;
    std::uint8_t characterSet = 0;
    std::uint8_t reserved = 0;
    ShortXLUnicodeString name = ShortXLUnicodeString::wide(u"Arial");
};

// XF: cell format. The bit fields are kept as raw words.
class XF : public Record {
public:
    XF() : Record(RecordCode::XF, 20) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t fontIndex = 0;
    std::uint16_t formatIndex = 0;
    std::uint16_t typeAndParent = 0xFFF5; // cell type, protection, parent style XF
    std::uint8_t alignment = 0x20;        // alignment and wrap
    std::uint8_t rotation = 0;
    std::uint8_t indentAndOrder = 0; // indent, shrink, reading order
    std::uint8_t usedAttributes = 0;
    std::uint32_t borderStyles = 0;  // line styles, left and right colours
    std::uint32_t borderColours = 0; // top, bottom, diagonal colours, diagonal style, fill pattern
    std::uint16_t fillColours = 0x20C0;
};

// STYLE: a built-in style (bit 15 of the first word) or a named user style.
class Style : public Record {
public:
    Style() : Record(RecordCode::Style, 2) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    bool isBuiltIn() const { return (xfIndex & kStyleBuiltIn) != 0; }

    std::uint16_t xfIndex = kStyleBuiltIn; // XF index in bits 0-11, built-in flag in bit 15
    std::uint8_t builtInId = 0;            // only for a built-in style
    std::uint8_t outlineLevel = 0xFF;      // only for a built-in style
    XLUnicodeRichExtendedString name;      // only for a user style
};

class Window1 : public Record {
public:
    Window1() : Record(RecordCode::Window1, 18) {}
    std::uint32_t Read(xls::ByteSpan from) override;

    std::uint16_t horizontalPosition = 120;
    std::uint16_t verticalPosition = 120;
    std::uint16_t width = 15135;
    std::uint16_t height = 9300;
    std::uint16_t optionFlags = 0x0038;
    std::uint16_t activeTab = 0;
    std::uint16_t firstVisibleTab = 0;
    std::uint16_t selectedTabCount = 1;
    std::uint16_t tabRatio = 600; // tab bar width to horizontal scroll bar, in thousandths
};

} // namespace ZAreda::records
