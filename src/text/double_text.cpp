// Exact decimal digits of doubles and correctly rounded parsing, on small big-number routines of our own.
#include "text/double_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace jetvale {
namespace {

// A non-negative big number: limbs in some base, least significant first, no leading zero limb.
using Limbs = std::vector<std::uint32_t>;

constexpr std::uint64_t kDecimalBase = 1000000000;  // nine digits a limb, for printing
constexpr std::uint64_t kBinaryBase = std::uint64_t{1} << 32;
constexpr std::uint32_t kFivePower13 = 1220703125;  // the largest power of five below 2^32
constexpr int kMaxParsedDigits = 800;               // more than any halfway point between two doubles needs
constexpr int kMaxSignificantDigits = 767;  // every finite double is exact within this many
constexpr int kMantissaBits = 53;
constexpr int kLowestBinaryPlace = -1074;  // the weight of the smallest subnormal's bit

void MultiplyAdd(Limbs& number, std::uint32_t factor, std::uint32_t addend, std::uint64_t base) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : number) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product % base);
    carry = product / base;
  }
  while (carry != 0) {
    number.push_back(static_cast<std::uint32_t>(carry % base));
    carry /= base;
  }
  while (!number.empty() && number.back() == 0) number.pop_back();
}

// number *= 2^count or 5^count, in factors that fit one limb.
void MultiplyByPowerOfTwo(Limbs& number, int count, std::uint64_t base) {
  for (; count > 0; count -= 31) {
    MultiplyAdd(number, std::uint32_t{1} << std::min(count, 31), 0, base);
  }
}
void MultiplyByPowerOfFive(Limbs& number, int count, std::uint64_t base) {
  for (; count >= 13; count -= 13) MultiplyAdd(number, kFivePower13, 0, base);
  std::uint32_t rest = 1;
  for (; count > 0; --count) rest *= 5;
  MultiplyAdd(number, rest, 0, base);
}

int BitLength(std::uint64_t value) {
  int bits = 0;
  for (; value != 0; value >>= 1) ++bits;
  return bits;
}
int BitLength(const Limbs& number) {
  return number.empty() ? 0 : static_cast<int>(32 * (number.size() - 1)) + BitLength(number.back());
}

void ShiftLeft(Limbs& number, int bits) {
  if (number.empty() || bits <= 0) return;
  number.insert(number.begin(), static_cast<std::size_t>(bits / 32), 0);
  MultiplyByPowerOfTwo(number, bits % 32, kBinaryBase);
}

void ShiftRightOne(Limbs& number) {
  for (std::size_t i = 0; i < number.size(); ++i) {
    const std::uint32_t high = i + 1 < number.size() ? number[i + 1] << 31 : 0;
    number[i] = (number[i] >> 1) | high;
  }
  while (!number.empty() && number.back() == 0) number.pop_back();
}

bool NotLess(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size()) return a.size() > b.size();
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] > b[i];
  }
  return true;
}

// a -= b, where a >= b.
void Subtract(Limbs& a, const Limbs& b) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::int64_t difference = std::int64_t{a[i]} - borrow - (i < b.size() ? std::int64_t{b[i]} : 0);
    borrow = difference < 0 ? 1 : 0;
    a[i] = static_cast<std::uint32_t>(difference + borrow * static_cast<std::int64_t>(kBinaryBase));
  }
  while (!a.empty() && a.back() == 0) a.pop_back();
}

// numerator / denominator when the quotient is below 2^64; the remainder is left in `numerator`.
std::uint64_t Divide(Limbs& numerator, Limbs denominator) {
  ShiftLeft(denominator, 63);
  std::uint64_t quotient = 0;
  for (int bit = 63; bit >= 0; --bit) {
    if (NotLess(numerator, denominator)) {
      Subtract(numerator, denominator);
      quotient |= std::uint64_t{1} << bit;
    }
    ShiftRightOne(denominator);
  }
  return quotient;
}

// Adds one unit in the last place of a string of decimal digits; "99" becomes "100".
void IncrementDigits(std::string& digits) {
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return;
    }
    *digit = '0';
  }
  digits.insert(digits.begin(), '1');
}

// Whether digits[0..kept) is rounded up on the digits after it: above half, or exactly half and odd.
bool RoundsUp(const std::string& digits, int kept) {
  const int size = static_cast<int>(digits.size());
  if (kept < 0 || kept >= size) return false;
  const auto at = static_cast<std::size_t>(kept);
  const char first = digits[at];
  const bool lastKeptOdd = at > 0 && (digits[at - 1] - '0') % 2 == 1;
  // No trailing zeros: any digit after the first dropped one makes it more than half.
  return first > '5' || (first == '5' && (size > kept + 1 || lastKeptOdd));
}

std::string WithoutTrailingZeros(std::string digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return digits;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number written in `text`: its significant digits (at most kMaxParsedDigits, then a 1 standing
// for any non-zero digits beyond) and the power of ten of the last one. False when the text is no number.
bool ScanNumber(std::string_view text, bool& negative, std::string& digits, int& exponent) {
  std::size_t at = 0;
  negative = at < text.size() && text[at] == '-';
  if (negative) ++at;
  bool anyDigit = false;
  bool droppedNonZero = false;
  bool afterPoint = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !afterPoint) {
      afterPoint = true;
      continue;
    }
    if (!IsDigit(c)) break;
    anyDigit = true;
    if (digits.empty() && c == '0') {
      if (afterPoint) --exponent;
      continue;
    }
    if (static_cast<int>(digits.size()) < kMaxParsedDigits) {
      digits += c;
      if (afterPoint) --exponent;
    } else {
      droppedNonZero = droppedNonZero || c != '0';
      if (!afterPoint) ++exponent;
    }
  }
  if (!anyDigit) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    const bool negativePower = at < text.size() && (text[at] == '-' || text[at] == '+') && text[at++] == '-';
    if (at == text.size()) return false;
    int power = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) power = std::min(power * 10 + (text[at] - '0'), 100000);
    exponent += negativePower ? -power : power;
  }
  if (droppedNonZero) {
    digits += '1';
    --exponent;
  }
  return at == text.size();
}

}  // namespace

ExactDigits ExactDecimal(double magnitude) {
  if (magnitude == 0) return {"0", 0};
  int binaryExponent = 0;
  const double fraction = std::frexp(magnitude, &binaryExponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  binaryExponent -= kMantissaBits;
  for (; (mantissa & 1) == 0; mantissa >>= 1) ++binaryExponent;

  // mantissa * 2^e is an integer times 2^e when e >= 0, else mantissa * 5^-e / 10^-e.
  Limbs number = {static_cast<std::uint32_t>(mantissa % kDecimalBase),
                  static_cast<std::uint32_t>(mantissa / kDecimalBase)};
  if (number.back() == 0) number.pop_back();
  if (binaryExponent >= 0) {
    MultiplyByPowerOfTwo(number, binaryExponent, kDecimalBase);
  } else {
    MultiplyByPowerOfFive(number, -binaryExponent, kDecimalBase);
  }
  ExactDigits exact;
  exact.digits = std::to_string(number.back());
  for (std::size_t i = number.size() - 1; i-- > 0;) {
    const std::string limb = std::to_string(number[i]);
    exact.digits += std::string(9 - limb.size(), '0') + limb;
  }
  exact.exponent = static_cast<int>(exact.digits.size()) - 1 + std::min(binaryExponent, 0);
  while (exact.digits.size() > 1 && exact.digits.back() == '0') exact.digits.pop_back();
  return exact;
}

std::string FixedText(double value, int fractionDigits) {
  if (std::isnan(value)) return "nan";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "inf";
  const ExactDigits exact = ExactDecimal(std::fabs(value));

  // The digits down to the place of 10^-fractionDigits, as one whole number, then rounded on the rest.
  const int kept = exact.exponent + fractionDigits + 1;
  const auto keptDigits = static_cast<std::size_t>(std::max(kept, 0));
  std::string whole = exact.digits.substr(0, keptDigits);
  whole.resize(keptDigits, '0');  // zeros for the places beyond the exact digits
  if (RoundsUp(exact.digits, kept)) IncrementDigits(whole);
  const std::size_t fraction = static_cast<std::size_t>(fractionDigits);
  if (whole.size() <= fraction) whole.insert(0, fraction + 1 - whole.size(), '0');
  // Appended piece by piece: GCC 12 at -O3 misreads `"." + string` as an overlapping copy (-Wrestrict).
  if (fraction > 0) whole.insert(whole.size() - fraction, 1, '.');
  return sign + whole;
}

std::string GeneralText(double value, int significantDigits) {
  if (std::isnan(value)) return "nan";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isinf(value)) return sign + "inf";
  const ExactDigits exact = ExactDecimal(std::fabs(value));
  const int count = std::clamp(significantDigits, 1, kMaxSignificantDigits);
  std::string digits = exact.digits.substr(0, static_cast<std::size_t>(count));
  int exponent = exact.exponent;
  if (RoundsUp(exact.digits, count)) {
    IncrementDigits(digits);
    // 9.99 -> 10.0: one digit too many, one power of ten higher.
    if (static_cast<int>(digits.size()) > count) {
      digits.pop_back();
      ++exponent;
    }
  }
  digits = WithoutTrailingZeros(digits);
  if (exponent < -4 || exponent >= count) {
    const std::string power = std::to_string(std::abs(exponent));
    std::string mantissa = digits;
    if (mantissa.size() > 1) mantissa.insert(1, 1, '.');
    return sign + mantissa + (exponent < 0 ? "e-" : "e+") + (power.size() < 2 ? "0" : "") + power;
  }
  if (exponent < 0) return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole) return sign + digits + std::string(whole - digits.size(), '0');
  return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}

bool ParseDouble(std::string_view text, double& value) {
  bool negative = false;
  std::string digits;
  int exponent = 0;
  if (!ScanNumber(text, negative, digits, exponent)) return false;
  const double zero = negative ? -0.0 : 0.0;
  const int leading = exponent + static_cast<int>(digits.size()) - 1;  // the power of ten of the first digit
  if (digits.empty() || leading < -343) {  // below half the smallest subnormal
    value = zero;
    return true;
  }
  if (leading > 308) return false;

  // The number is numerator / denominator * 2^binaryScale, with 10^-n split into 5^-n * 2^-n.
  Limbs numerator;
  for (const char digit : digits) MultiplyAdd(numerator, 10, static_cast<std::uint32_t>(digit - '0'), kBinaryBase);
  Limbs denominator = {1};
  int binaryScale = 0;
  if (exponent >= 0) {
    MultiplyByPowerOfFive(numerator, exponent, kBinaryBase);
    MultiplyByPowerOfTwo(numerator, exponent, kBinaryBase);
  } else {
    MultiplyByPowerOfFive(denominator, -exponent, kBinaryBase);
    binaryScale = exponent;
  }

  // A quotient of 63 or 64 bits, with the remainder telling whether anything lies below it.
  const int shift = 63 - (BitLength(numerator) - BitLength(denominator));
  ShiftLeft(shift > 0 ? numerator : denominator, std::abs(shift));
  const std::uint64_t quotient = Divide(numerator, denominator);
  const bool inexact = !numerator.empty();
  binaryScale -= shift;

  // Keep 53 bits, or fewer where a subnormal has no room for them; round to nearest, ties to even.
  const int dropped = std::max(BitLength(quotient) - kMantissaBits, kLowestBinaryPlace - binaryScale);
  if (dropped > 64) {
    value = zero;
    return true;
  }
  const std::uint64_t mantissa = dropped == 64 ? 0 : quotient >> dropped;
  const std::uint64_t rest = dropped == 64 ? quotient : quotient & ((std::uint64_t{1} << dropped) - 1);
  const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
  const bool up = rest > half || (rest == half && (inexact || (mantissa & 1) == 1));
  const double magnitude = std::ldexp(static_cast<double>(mantissa + (up ? 1 : 0)), binaryScale + dropped);
  if (std::isinf(magnitude)) return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace jetvale
