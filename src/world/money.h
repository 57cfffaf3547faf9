// Money rules: the balance is a whole int32, every other amount a double, conversions truncate toward zero.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace jetvale {

// trunc(value) as an int32; a value beyond the int32 range saturates at its end instead of wrapping,
// and NaN reads as 0, so no amount can corrupt a balance.
constexpr std::int32_t TruncateToInt(double value) {
  if (!(value == value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// Whether trunc(value) is an int32, so a balance can hold it; NaN is not.
constexpr bool FitsBalance(double value) { return value > -2147483649.0 && value < 2147483648.0; }

}  // namespace jetvale
