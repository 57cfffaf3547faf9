// Money rules: the balance is a whole int32, every other amount a double, conversions truncate toward zero.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace jetvale {

// The fare editor steps a fare by at most 10 a tap and never past this; the saved game holds no other.
constexpr double kMaxFare = 10000000.0;
// Far above any sum of money the game can reach: a million years of the dearest fares on every seat of a full
// fleet stay below it, and every sum of such amounts stays a finite double.
constexpr double kMaxMoney = 1e24;

// A running sum of money: field + amount, kept within kMaxMoney, so no sum the game keeps grows without end.
constexpr void AddMoney(double& field, double amount) {
  // min and max as the processor has them, without branches; a NaN sum stays NaN.
  field = std::min(std::max(field + amount, -kMaxMoney), kMaxMoney);
}

// Whether trunc(value) is an int32, so a balance can hold it; NaN is not.
constexpr bool FitsBalance(double value) { return value > -2147483649.0 && value < 2147483648.0; }

// trunc(value) as an int32; a value beyond the int32 range saturates at its end instead of wrapping,
// and NaN reads as 0, so no amount can corrupt a balance.
constexpr std::int32_t TruncateToInt(double value) {
  if (FitsBalance(value)) return static_cast<std::int32_t>(value);
  if (!(value == value)) return 0;
  return value > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
}

}  // namespace jetvale
