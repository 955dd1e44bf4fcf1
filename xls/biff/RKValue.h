// RK values ([MS-XLS] 2.5.217): a number in 32 bits. Bit 0 divides the value
// by 100, bit 1 marks a signed 30-bit integer in bits 2-31; without bit 1,
// bits 2-31 are the high 30 bits of an IEEE 754 double whose other bits are 0.
#pragma once

#include "xls/common/CellSink.h"

#include <cstdint>

namespace ZAreda {

bool rkIsInteger(std::uint32_t rk);

// The integer of an RK value with the integer flag. With the x100 flag too,
// the quotient is truncated toward zero (150 with both flags gives 1).
std::int32_t rkToInteger(std::uint32_t rk);

// The double of an RK value without the integer flag; with the x100 flag it
// is divided by 100.
double rkToDouble(std::uint32_t rk);

// Puts an RK value into a cell: an integer, or a double when it is not whole.
// Excel writes 12.34 as 1234 with both the integer and the x100 flag; only
// whole hundreds make an integer, the rest keeps its exact value.
bool putRk(xls::CellSink &sink, std::uint32_t row, std::uint32_t column, std::uint32_t rk);

} // namespace ZAreda
