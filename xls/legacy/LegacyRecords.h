// Record codes and layouts of the older BIFF versions: Excel 2.x (BIFF2),
// 3.0 (BIFF3), 4.0 (BIFF4) and 5.0/95 (BIFF5/7), as the BIFF documentation of
// those versions and [MS-XLS] describe them. The record header is the same
// as in BIFF8: u16 type, u16 payload length.
#pragma once

#include "xls/biff/BiffConstants.h"

#include <cstddef>
#include <cstdint>

namespace xls::legacy {

namespace Code {
// BOF: one code per version; BIFF5 shares BIFF8's and tells itself apart by
// the version field.
inline constexpr std::uint16_t BofBiff2 = 0x0009;
inline constexpr std::uint16_t BofBiff3 = 0x0209;
inline constexpr std::uint16_t BofBiff4 = 0x0409;
inline constexpr std::uint16_t BofBiff5 = ZAreda::RecordCode::BOF;
inline constexpr std::uint16_t Eof = ZAreda::RecordCode::Eof;
inline constexpr std::uint16_t CodePage = 0x0042;
inline constexpr std::uint16_t FilePass = ZAreda::RecordCode::FilePass;
// BIFF2 cells: u16 row, u16 column, three attribute bytes, then the value.
inline constexpr std::uint16_t Dimensions2 = 0x0000;
inline constexpr std::uint16_t Blank2 = 0x0001;
inline constexpr std::uint16_t Integer2 = 0x0002;
inline constexpr std::uint16_t Number2 = 0x0003;
inline constexpr std::uint16_t Label2 = 0x0004;
inline constexpr std::uint16_t BoolErr2 = 0x0005;
inline constexpr std::uint16_t Formula2 =
    ZAreda::RecordCode::Formula; // BIFF5 uses the same code with a 6-byte cell header
inline constexpr std::uint16_t String2 = 0x0007;
// BIFF3 and later: u16 row, u16 column, u16 XF index, then the value.
inline constexpr std::uint16_t Dimensions = ZAreda::RecordCode::Dimensions;
inline constexpr std::uint16_t Blank = ZAreda::RecordCode::Blank;
inline constexpr std::uint16_t Number = ZAreda::RecordCode::Number;
inline constexpr std::uint16_t Label = ZAreda::RecordCode::Label;
inline constexpr std::uint16_t BoolErr = ZAreda::RecordCode::BoolErr;
inline constexpr std::uint16_t Formula3 = ZAreda::RecordCode::Formula3;
inline constexpr std::uint16_t String = ZAreda::RecordCode::String;
inline constexpr std::uint16_t Formula4 = ZAreda::RecordCode::Formula4;
inline constexpr std::uint16_t RK = ZAreda::RecordCode::RK;
inline constexpr std::uint16_t MulRK = ZAreda::RecordCode::MulRK;
inline constexpr std::uint16_t MulBlank = ZAreda::RecordCode::MulBlank;
inline constexpr std::uint16_t RString = ZAreda::RecordCode::RString;
// The records a formula may take with it before its STRING record.
inline constexpr std::uint16_t ShrFmla = ZAreda::RecordCode::ShrFmla1;
inline constexpr std::uint16_t ShrFmla2 = ZAreda::RecordCode::ShrFmla;
inline constexpr std::uint16_t Array2 = 0x0021;
inline constexpr std::uint16_t Array = ZAreda::RecordCode::Array;
inline constexpr std::uint16_t Table2 = ZAreda::RecordCode::Table;
inline constexpr std::uint16_t Table = ZAreda::RecordCode::Table8;
} // namespace Code

// BOF version field of a BIFF5/7 stream (BIFF8 writes 0x0600).
inline constexpr std::uint16_t kBiff5Version = ZAreda::kBiff5Version;

// BOF substream types.
inline constexpr std::uint16_t kGlobals = ZAreda::kGlobalsSubstream;
inline constexpr std::uint16_t kWorksheet = ZAreda::kWorksheetSubstream;
inline constexpr std::uint16_t kBiff4WorkbookGlobals = 0x0100; // an Excel 4.0 "W" workbook

// Cell headers: u16 row and u16 column, then three attribute bytes (BIFF2) or
// a u16 XF index.
inline constexpr std::size_t kRowColumnSize = 4;
inline constexpr std::size_t kBiff2CellHeaderSize = 7;
inline constexpr std::size_t kCellHeaderSize = 6;
// A FORMULA's cached result: eight bytes after the cell header, read like
// BIFF8's FormulaValue (bytes 6-7 0xFFFF mark a non-number, byte 0 its kind).
inline constexpr std::size_t kFormulaResultSize = 8;
inline constexpr std::size_t kResultValueByte = 2;
inline constexpr std::size_t kResultMarkerOffset = 6;
inline constexpr std::uint16_t kResultNotNumber = 0xFFFF;
inline constexpr std::uint8_t kResultString = 0;
inline constexpr std::uint8_t kResultBoolean = 1;
// MULRK: u16 row, u16 first column, 6-byte entries (u16 XF, u32 RK), u16 last column.
inline constexpr std::size_t kMulRKEntrySize = 6;

// Grid limits of the older formats: 16,384 rows, 256 columns.
inline constexpr std::uint32_t kMaxRows = 16384;
inline constexpr std::uint32_t kMaxColumns = 256;

// Worksheets kept of one stream; later ones are stepped over, so a stream of
// empty substreams cannot make a grid for each.
inline constexpr std::size_t kMaxWorksheets = 65536;

// The code page of a stream without CODEPAGE record.
inline constexpr std::uint16_t kDefaultCodePage = 1252;

} // namespace xls::legacy
