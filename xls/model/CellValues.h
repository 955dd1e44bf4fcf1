// Values every reader puts into cells the same way, whatever the format.
#pragma once

#include "xls/model/ExcelCell.h"

#include <cstdint>
#include <string_view>

// An RK number ([MS-XLS] 2.5.217): an integer, or a double when it is not
// whole. Excel writes 12.34 as 1234 with both the integer and the x100 flag;
// only whole hundreds make an integer, the rest keeps its exact value.
void setRkValue(ExcelCell &cell, std::uint32_t rk);

// A decoded text: an 8-bit string when every unit is Latin-1, UTF-16
// otherwise. It ends at its first NUL, since the cell's readers stop there.
void setTextValue(ExcelCell &cell, std::u16string_view text);
