// Number, money, age and time-of-day texts, built digit by digit so no locale or C library can change them.
#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "text/double_text.h"

namespace jetvale {
namespace {

// No finite double needs more significant digits than this to be written out exactly.
constexpr int kExactDigits = 767;

// value = digits[0].digits[1..] * 10^exponent, every digit of the double, padded with zeros so rounding to
// kExactDigits still has a digit to look at.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal PaddedDecimal(double magnitude) {
  const ExactDigits exact = ExactDecimal(magnitude);
  Decimal decimal{exact.digits, exact.exponent};
  decimal.digits.resize(kExactDigits + 1, '0');
  return decimal;
}

// Keeps `count` digits, rounding half away from zero as the classic runtime does; the digits are exact,
// so 1234.5 is a true tie and rounds up while 0.15, stored as 0.1499..., rounds down.
void RoundTo(Decimal& decimal, int count) {
  const auto kept = static_cast<std::size_t>(count);
  const bool up = decimal.digits[kept] >= '5';
  decimal.digits.resize(kept);
  if (!up) return;
  for (auto digit = decimal.digits.rbegin(); digit != decimal.digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return;
    }
    *digit = '0';
  }
  // 9.99 -> 10.0: still `count` digits, one power of ten higher.
  decimal.digits.insert(decimal.digits.begin(), '1');
  decimal.digits.pop_back();
  ++decimal.exponent;
}

std::string IntText(int value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string ExponentForm(const std::string& digits, int exponent) {
  std::string text = digits.substr(0, 1) + "." + digits.substr(1) + (exponent < 0 ? "e-" : "e+");
  const std::string power = IntText(std::abs(exponent));
  if (power.size() < 2) text += '0';
  return text + power;
}

std::string FixedForm(const std::string& digits, int exponent) {
  if (exponent < 0) return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) return digits + std::string(whole - digits.size(), '0') + ".";
  return digits.substr(0, whole) + "." + digits.substr(whole);
}

struct MoneyRange {
  double lower;  // both bounds are exclusive
  double upper;
  double scale;
  int digits;
  const char* suffix;
};

constexpr MoneyRange kMoneyRanges[] = {
    {9999999999.99, 99999999999.99, 1e-9, 4, "B"},
    {999999999.99, 9999999999.99, 1e-9, 3, "B"},
    {99999999.99, 999999999.99, 1e-6, 5, "M"},
    {9999999.99, 99999999.99, 1e-6, 4, "M"},
    {999999.99, 9999999.99, 1e-6, 3, "M"},
    {99999.99, 999999.99, 0.001, 5, "K"},
    {9999.99, 99999.99, 0.001, 4, "K"},
    {999.99, 9999.99, 0.001, 3, "K"},
    {-999.99, 999.99, 1.0, 3, ""},
    {-9999.99, -999.99, 0.001, 3, "K"},
    {-99999.99, -9999.99, 0.001, 4, "K"},
    {-999999.99, -99999.99, 0.001, 5, "K"},
    {-9999999.99, -999999.99, 1e-6, 3, "M"},
    {-99999999.99, -9999999.99, 1e-6, 4, "M"},
    {-999999999.99, -99999999.99, 1e-6, 5, "M"},
    {-9999999999.99, -999999999.99, 1e-9, 3, "B"},
};

enum class Notation { Classic, Fixed };

std::string Digits(double value, int digits, Notation notation) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  const int count = std::clamp(digits, 1, kExactDigits);
  Decimal decimal = PaddedDecimal(std::fabs(value));
  RoundTo(decimal, count);
  const std::size_t last = decimal.digits.find_last_not_of('0');
  decimal.digits.resize(last == std::string::npos ? 1 : last + 1);
  // The %g rule, judged on the exponent after rounding.
  const bool exponentForm =
      notation == Notation::Classic && (decimal.exponent >= count || decimal.exponent < -4);
  const std::string text = exponentForm ? ExponentForm(decimal.digits, decimal.exponent)
                                        : FixedForm(decimal.digits, decimal.exponent);
  return value < 0 ? "-" + text : text;
}

}  // namespace

std::string SignificantDigits(double value, int digits) { return Digits(value, digits, Notation::Classic); }

std::string FormatMoney(double x) {
  for (const MoneyRange& range : kMoneyRanges) {
    // x * scale, not x / 1000: the two can differ in the last bit and so in the rounding.
    // Always fixed notation: 999.98 rounds to a fourth digit and reads "1000.", never "1.e+03".
    if (range.lower < x && x < range.upper) return Digits(x * range.scale, range.digits, Notation::Fixed) + range.suffix;
  }
  return "";
}

std::string FormatAge(int days) {
  const int years = days / 365;
  if (years > 0) return IntText(years) + "y";
  if (days < 30) return IntText(days) + "d";
  return IntText(days / 30) + "m";
}

std::string QuarterSlotText(int slot) {
  int hours = slot / 4;
  if (hours >= 24) hours -= 24;
  const int minutes = (slot % 4) * 15;
  return IntText(hours) + ":" + TwoDigits(minutes);
}

std::string TwoDigits(int value) {
  if (value < 0 || value > 99) return std::to_string(value);
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string ClockText(int hours, int minutes) {
  return IntText(hours) + ":" + TwoDigits(minutes);
}

std::string IntegerText(int value) { return IntText(value); }

std::string PercentText(int value) { return IntText(value) + " pct"; }

}  // namespace jetvale
