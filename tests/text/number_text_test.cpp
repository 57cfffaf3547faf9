// Numbers as text: the number, money, age and time texts, and the double conversion's exact digits and rounding.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "text/double_text.h"
#include "text/double_text_cases.h"
#include "text/number_text.h"

namespace jetvale {
namespace {

struct Digits { double value; int digits; const char* text; };
struct Money { double value; const char* text; };

void ExpectDigits(std::initializer_list<Digits> cases) {
  for (const auto& [value, digits, text] : cases) EXPECT_EQ(SignificantDigits(value, digits), text) << value;
}
void ExpectMoney(std::initializer_list<Money> cases) {
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatMoney(value), text) << value;
}

TEST(SignificantDigits, KeepsTheDecimalPointAndDropsTrailingZeros) {
  ExpectDigits({{2.5, 3, "2.5"}, {25, 4, "25."}, {0, 3, "0."}, {-0.0, 3, "0."}, {-2.5, 3, "-2.5"},
                {0.0001234, 3, "0.000123"}, {99.96, 3, "100."}, {0.1, 20, "0.10000000000000000555"}});
}

TEST(SignificantDigits, ExactTiesRoundAwayFromZeroButNearTiesFollowTheStoredBinaryValue) {
  // 0.15 is stored as 0.14999..., 0.45 as 0.45000...1.
  ExpectDigits({{1234.5, 4, "1235."}, {-0.125, 2, "-0.13"}, {0.15, 1, "0.1"}, {0.45, 1, "0.5"}});
}

TEST(SignificantDigits, SwitchesToExponentFormOnTheExponentAfterRounding) {
  ExpectDigits({{999.995, 3, "1.e+03"}, {12345, 3, "1.23e+04"}, {0.00001234, 3, "1.23e-05"}, {1e100, 3, "1.e+100"},
                {2.5, 0, "3."}});
  EXPECT_EQ(SignificantDigits(std::nan(""), 3), "nan");
}

TEST(FormatMoney, PicksTheScaleDigitsAndSuffixOfTheRangeTheAmountFallsIn) {
  ExpectMoney({{12.5, "12.5"}, {45678, "45.68K"}, {123456, "123.46K"}, {1234567, "1.23M"}, {12345678, "12.35M"},
               {500000000, "500.M"}, {2.5e9, "2.5B"}, {1e10, "10.B"}, {12345678901, "12.35B"}, {-2500, "-2.5K"},
               {-76543, "-76.54K"}, {-765432, "-765.43K"}, {-7654321, "-7.65M"}, {-76543210, "-76.54M"},
               {-765432100, "-765.43M"}, {-7654321000, "-7.65B"}});
}

TEST(FormatMoney, EveryBoundItselfAndEverythingBeyondTheRangesReadsEmpty) {
  for (double bound : {999.99, 9999.99, 99999.99, 999999.99, 9999999.99, 99999999.99, 999999999.99, 9999999999.99,
                       99999999999.99}) {
    ExpectMoney({{bound, ""}, {-bound, ""}});
  }
  ExpectMoney({{1e11, ""}, {-1e10, ""}, {std::nan(""), ""}, {INFINITY, ""}});
}

// Five digits leave room for a carry to 1000; three digits do not. 1005 * 0.001 is stored as 1.00500...1 but
// 1005 / 1000 as 1.00499...; 1125 * 0.001 is exactly 1.125.
TEST(FormatMoney, MoneyJustAboveABoundRoundsUpIntoTheNextSuffixAndScalingByMultiplyingDecidesTies) {
  ExpectMoney({{999.995, "1.K"}, {9999.991, "10.K"}, {999999.98, "1000.K"}, {999.98, "1000."}, {999.5, "1000."},
               {-999.98, "-1000."}, {999.49, "999."}, {1005, "1.01K"}, {1125, "1.13K"}, {-1125, "-1.13K"}});
}

TEST(FormatAge, CountsWholeYearsThenMonthsFromThirtyDays) {
  EXPECT_EQ(FormatAge(0) + FormatAge(29) + FormatAge(30) + FormatAge(364) + FormatAge(365) + FormatAge(729) + FormatAge(730),
            "0d29d1m12m1y1y2y");
}

TEST(TimeTexts, PadMinutesToTwoDigitsAndWrapPastMidnightOnce) {
  EXPECT_EQ(QuarterSlotText(0) + " " + QuarterSlotText(25) + " " + QuarterSlotText(54) + " " + QuarterSlotText(95) +
                " " + QuarterSlotText(100) + " " + QuarterSlotText(196),
            "0:00 6:15 13:30 23:45 1:00 25:00");
  EXPECT_EQ(ClockText(7, 5) + " " + ClockText(7, 45) + " " + ClockText(12, 10), "7:05 7:45 12:10");
}

TEST(PlainNumbers, WriteTheWholeIntegerWithItsSign) {
  EXPECT_EQ(IntegerText(INT_MIN) + " " + PercentText(42) + " " + PercentText(-5), "-2147483648 42 pct -5 pct");
}

TEST(DoubleText, FixedTextsMatchTheSharedTable) {
  for (const auto& entry : double_text_cases::kFixedCases) {
    EXPECT_EQ(FixedText(entry.value, entry.fractionDigits), entry.text) << entry.text;
  }
}

TEST(DoubleText, GeneralTextsMatchTheSharedTableAndReadBackExactly) {
  for (const auto& entry : double_text_cases::kGeneralCases) {
    EXPECT_EQ(GeneralText(entry.value, entry.significantDigits), entry.text) << entry.text;
  }
  for (const double value : {0.1, 1.0 / 3.0, 2.2250738585072014e-308, 5e-324, 1.7976931348623157e308, -460.5e6}) {
    double back = 0;
    ASSERT_TRUE(ParseDouble(GeneralText(value, 17), back));
    EXPECT_EQ(back, value);
  }
}

TEST(DoubleText, ParsedNumbersMatchTheSharedTable) {
  for (const auto& entry : double_text_cases::kParseCases) {
    double value = -1;
    EXPECT_EQ(ParseDouble(entry.text, value), entry.accepted) << '"' << entry.text << '"';
    if (entry.accepted) {
      EXPECT_EQ(value, entry.value) << entry.text;
    }
  }
  double value = 0;
  ASSERT_TRUE(ParseDouble("-0", value));
  EXPECT_TRUE(std::signbit(value));
}

TEST(DoubleText, DigitsBeyondWhatIsKeptStillDecideATie) {
  // The halfway point between 1 and the next double, then 900 zeros and a 1: just above it, so it rounds up.
  const std::string text = "1.00000000000000011102230246251565404236316680908203125" + std::string(900, '0') + "1";
  double value = 0;
  ASSERT_TRUE(ParseDouble(text, value));
  EXPECT_EQ(value, 1.0000000000000002);
  ASSERT_TRUE(ParseDouble("0." + std::string(2000, '0') + "1", value));
  EXPECT_EQ(value, 0.0);
}

}  // namespace
}  // namespace jetvale
