// Constants of the BIFF8 record format, as published in [MS-XLS].
#pragma once

#include <cstddef>
#include <cstdint>

namespace ZAreda {

// Record types ([MS-XLS] 2.3).
namespace RecordCode {
inline constexpr std::uint16_t Formula = 0x0006;
// FORMULA under its BIFF3 and BIFF4 numbers, which some writers put into
// BIFF8 sheets; read with the BIFF8 layout.
inline constexpr std::uint16_t Formula3 = 0x0206;
inline constexpr std::uint16_t Formula4 = 0x0406;
inline constexpr std::uint16_t Eof = 0x000A;
inline constexpr std::uint16_t FilePass = 0x002F;
inline constexpr std::uint16_t Font = 0x0031;
// TABLE is 0x0236 in [MS-XLS]; 0x0036 is its older number, read as well.
inline constexpr std::uint16_t Table = 0x0036;
inline constexpr std::uint16_t Table8 = 0x0236;
inline constexpr std::uint16_t Continue = 0x003C;
inline constexpr std::uint16_t Window1 = 0x003D;
inline constexpr std::uint16_t BoundSheet = 0x0085;
inline constexpr std::uint16_t ShrFmla = 0x00BC;
inline constexpr std::uint16_t MulRK = 0x00BD;
inline constexpr std::uint16_t MulBlank = 0x00BE;
inline constexpr std::uint16_t RString = 0x00D6;
inline constexpr std::uint16_t DBCell = 0x00D7;
inline constexpr std::uint16_t XF = 0x00E0;
inline constexpr std::uint16_t SST = 0x00FC;
inline constexpr std::uint16_t LabelSST = 0x00FD;
inline constexpr std::uint16_t ExtSST = 0x00FF;
inline constexpr std::uint16_t Dimensions = 0x0200;
inline constexpr std::uint16_t Blank = 0x0201;
inline constexpr std::uint16_t Label = 0x0204;
inline constexpr std::uint16_t Number = 0x0203;
inline constexpr std::uint16_t BoolErr = 0x0205;
inline constexpr std::uint16_t String = 0x0207;
inline constexpr std::uint16_t Row = 0x0208;
inline constexpr std::uint16_t Index = 0x020B;
inline constexpr std::uint16_t Array = 0x0221;
inline constexpr std::uint16_t Window2 = 0x023E;
inline constexpr std::uint16_t RK = 0x027E;
inline constexpr std::uint16_t Style = 0x0293;
inline constexpr std::uint16_t ShrFmla1 = 0x04BC;
inline constexpr std::uint16_t BOF = 0x0809;
} // namespace RecordCode

// "No record": a CellBlock that holds none, a FORMULA that no companion follows.
inline constexpr std::uint16_t kNoRecordCode = 0xFFFF;

// Record header: u16 type, u16 payload length.
inline constexpr std::size_t kRecordHeaderSize = 4;
inline constexpr std::size_t kRecordLengthOffset = 2;

// BOF version and substream types ([MS-XLS] 2.4.21).
inline constexpr std::uint16_t kBiff8Version = 0x0600;
inline constexpr std::uint16_t kBiff5Version = 0x0500;
inline constexpr std::uint16_t kGlobalsSubstream = 0x0005;
inline constexpr std::uint16_t kWorksheetSubstream = 0x0010;
// What Excel 97 writes into a BOF; the defaults of a workbook's and a sheet's BOF.
inline constexpr std::uint16_t kDefaultBuildIdentifier = 6560;
inline constexpr std::uint16_t kDefaultBuildYear = 1997;
inline constexpr std::uint32_t kDefaultFileHistoryFlags = 0xC0C9;
inline constexpr std::uint32_t kDefaultLowestVersion = 0x0306;

// Option byte of the string forms ([MS-XLS] 2.5.293, 2.5.294).
inline constexpr std::uint8_t kStringHighByte = 0x01; // 16-bit characters
inline constexpr std::uint8_t kStringPhonetic = 0x04; // a phonetic block follows the runs
inline constexpr std::uint8_t kStringRichText = 0x08; // formatting runs follow the characters
inline constexpr std::uint8_t kStringFlagsUnread = 0xFF;
inline constexpr std::size_t kFormattingRunSize = 4;

// Payload of the SST record: u32 total count, u32 unique count, then the strings.
inline constexpr std::size_t kSstHeaderSize = 8;
// The smallest string: u16 character count and the option byte.
inline constexpr std::size_t kMinStringSize = 3;

// STYLE: bit 15 of the first word marks a built-in style.
inline constexpr std::uint16_t kStyleBuiltIn = 0x8000;

// RK value ([MS-XLS] 2.5.217): bit 0 divides by 100, bit 1 marks an integer.
inline constexpr std::uint32_t kRkDividedBy100 = 0x01;
inline constexpr std::uint32_t kRkInteger = 0x02;
inline constexpr std::uint32_t kRkFlagBits = 0x03;
inline constexpr int kRkValueShift = 2;

// FORMULA cached result ([MS-XLS] 2.5.133 FormulaValue): when the last two of
// its eight bytes are 0xFFFF, byte 0 names the kind and byte 2 holds a Boolean
// or an error code; otherwise the eight bytes are a double.
inline constexpr std::size_t kFormulaResultSize = 8;
inline constexpr std::size_t kFormulaResultKindByte = 0;
inline constexpr std::size_t kFormulaResultValueByte = 2;
inline constexpr std::size_t kFormulaResultMarkerByte = 6;
inline constexpr std::uint16_t kFormulaResultNotNumber = 0xFFFF;

// Every single-cell record starts with u16 row, u16 column, u16 XF index.
inline constexpr std::size_t kCellFieldsSize = 6;

// MULRK and MULBLANK: u16 row, u16 first column, the entries, u16 last column.
inline constexpr std::size_t kMulEntriesOffset = 4;
inline constexpr std::size_t kMulFixedSize = 6;
inline constexpr std::size_t kMulRKEntrySize = 6; // u16 XF index, u32 RK value
inline constexpr std::size_t kMulBlankEntrySize = 2;

// INDEX: one DBCELL position per block of 32 rows; a sheet has at most 65,536 rows.
inline constexpr std::int64_t kRowsPerBlock = 32;
inline constexpr std::int64_t kMaxRowBlocks = 65536 / kRowsPerBlock;

} // namespace ZAreda
