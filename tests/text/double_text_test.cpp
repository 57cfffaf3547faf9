// The double conversion: exact digits, fixed texts rounded on the true value, correctly rounded parsing.
#include "text/double_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "text/double_text_cases.h"

namespace jetvale {
namespace {

TEST(DoubleText, EveryDigitOfTheBinaryValueIsWrittenOut) {
  const ExactDigits tenth = ExactDecimal(0.1);
  EXPECT_EQ(tenth.digits, "1000000000000000055511151231257827021181583404541015625");
  EXPECT_EQ(tenth.exponent, -1);
  const ExactDigits half = ExactDecimal(0.5);
  EXPECT_EQ(half.digits, "5");
  EXPECT_EQ(half.exponent, -1);
  const ExactDigits large = ExactDecimal(1e22);  // exactly 10^22
  EXPECT_EQ(large.digits, "1");
  EXPECT_EQ(large.exponent, 22);
  const ExactDigits smallest = ExactDecimal(std::numeric_limits<double>::denorm_min());  // 2^-1074
  EXPECT_EQ(smallest.digits.size(), 751U);
  EXPECT_EQ(smallest.digits.substr(0, 17), "49406564584124654");
  EXPECT_EQ(smallest.exponent, -324);
  EXPECT_EQ(ExactDecimal(0.0).digits, "0");
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
