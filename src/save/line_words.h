// The side file's lines are words split by single blanks; each word is taken from the front and checked.
#pragma once

#include <charconv>
#include <string_view>

#include "save/value_text.h"
#include "world/money.h"

namespace jetvale {

class Words {
 public:
  explicit Words(std::string_view line) : line_(line) {}
  std::string_view Next() {
    const std::size_t end = line_.find(' ');
    const std::string_view word = line_.substr(0, end);
    line_ = end == std::string_view::npos ? std::string_view{} : line_.substr(end + 1);
    return word;
  }
  bool Done() const { return line_.empty(); }

  // A whole number in `low`..`high`, written plainly.
  template <typename Number>
  bool Whole(Number& value, Number low, Number high) {
    const std::string_view word = Next();
    const char* end = word.data() + word.size();
    const auto [ptr, error] = std::from_chars(word.data(), end, value);
    return !word.empty() && error == std::errc{} && ptr == end && value >= low && value <= high;
  }
  bool Money(double& value) { return ParseDouble(Next(), value) && value >= -kMaxMoney && value <= kMaxMoney; }
  // A flag, written as 1 or 0.
  bool Flag(bool& value) {
    int number = 0;
    if (!Whole(number, 0, 1)) return false;
    value = number != 0;
    return true;
  }

 private:
  std::string_view line_;
};

}  // namespace jetvale
