#include "xls/biff/RKValue.h"

#include "xls/biff/BiffConstants.h"

#include <cmath>
#include <cstring>

namespace ZAreda {

namespace {
constexpr double kHundredth = 0.01;
// Excel divides by 100: multiplying by 0.01 is off in the last bit for 5.1.
constexpr double kHundred = 100.0;
constexpr int kHighWordShift = 32;
} // namespace

bool rkIsInteger(std::uint32_t rk) {
    return (rk & kRkInteger) != 0;
}

std::int32_t rkToInteger(std::uint32_t rk) {
    // An arithmetic shift keeps the sign of the 30-bit value.
    const std::int32_t value = static_cast<std::int32_t>(rk) >> kRkValueShift;
    if ((rk & kRkDividedBy100) == 0)
        return value;
    return static_cast<std::int32_t>(std::trunc(value * kHundredth));
}

double rkToDouble(std::uint32_t rk) {
    const std::uint64_t bits = static_cast<std::uint64_t>(rk & ~kRkFlagBits) << kHighWordShift;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return (rk & kRkDividedBy100) ? value / kHundred : value;
}

bool putRk(xls::CellSink &sink, std::uint32_t row, std::uint32_t column, std::uint32_t rk) {
    if (!rkIsInteger(rk))
        return sink.setDouble(row, column, rkToDouble(rk));
    if ((rk & kRkDividedBy100) == 0)
        return sink.setInteger(row, column, rkToInteger(rk));
    const std::int32_t hundredths = std::int32_t(rk) >> kRkValueShift;
    if (hundredths % 100 == 0)
        return sink.setInteger(row, column, hundredths / 100);
    return sink.setDouble(row, column, hundredths / 100.0);
}

} // namespace ZAreda
