// Number, money, age and time-of-day texts shown on every screen; identical on every platform.
#pragma once

#include <string>

namespace jetvale {

// `value` rounded to `digits` significant digits (clamped to 1..767), the way the classic C runtime's
// _gcvt writes it: fixed notation, trailing fraction zeros dropped, the decimal point always present
// ("25.", "2.5", "0.00123"). Exact ties round away from zero ("1235." for 1234.5 with 4 digits).
// When the rounded decimal exponent is >= digits or < -4 the text is "1.25e+04"/"1.e-05" instead.
// Negative zero reads "0."; NaN and infinities read "nan", "inf" and "-inf".
std::string SignificantDigits(double value, int digits);

// A money amount shortened with a K, M or B suffix ("45.68K", "-2.5K", "500.M"), always in fixed notation (999.98
// reads "1000."); "" when the amount
// sits exactly on a range bound, beyond the shown ranges, or is NaN.
std::string FormatMoney(double x);

// An age in whole years, else in days below 30, else in 30-day months: "1y", "29d", "12m".
std::string FormatAge(int days);

// The time of a quarter-hour slot, 0 = "0:00"; slots past midnight (96 and up) wrap once.
std::string QuarterSlotText(int slot);

// A number of the time of day with a leading zero below 10: "05", "23". Every time text of the game uses it.
std::string TwoDigits(int value);

// Hours and minutes with the minutes always two digits: "7:05".
std::string ClockText(int hours, int minutes);

std::string IntegerText(int value);  // "42"
std::string PercentText(int value);  // "42 pct"

}  // namespace jetvale
