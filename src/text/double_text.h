// Doubles to decimal text and back, done with our own big-number arithmetic so every build and every C++
// library gives the same digits (some have no floating-point std::to_chars or std::from_chars at all).
#pragma once

#include <string>
#include <string_view>

namespace jetvale {

// A non-negative finite double written out exactly as d1.d2d3... * 10^exponent, every digit of its binary
// value and no trailing zero ("5" and -1 for 0.5, "0" and 0 for zero).
struct ExactDigits {
  std::string digits;
  int exponent = 0;
};
ExactDigits ExactDecimal(double magnitude);

// `value` with exactly `fractionDigits` digits after the point (at most 1100), exact ties rounding to the even
// digit, like printf's "%.*f": FixedText(0.125, 2) is "0.12", FixedText(-2.5, 0) is "-2". NaN and
// infinities read "nan", "inf" and "-inf".
std::string FixedText(double value, int fractionDigits);

// `value` with `significantDigits` significant digits (1..767), exact ties to even, in printf's "%.*g" form: fixed
// notation unless the exponent is below -4 or not below the digits, trailing zeros dropped ("0.1", "1e+22",
// "-2.5e-07", "0"). With 17 digits every double reads back exactly. NaN and infinities as in FixedText.
std::string GeneralText(double value, int significantDigits);

// The whole text as a decimal number ("-12.5", "3e-7", ".5", "1."), correctly rounded to the nearest double,
// ties to even; false when the text is anything else or the number is too large for a double. A number too
// small for one reads as zero of its sign.
bool ParseDouble(std::string_view text, double& value);

}  // namespace jetvale
