// Whole numbers from the command line: all of the text must be the number, in the type's range.
#pragma once

#include <charconv>
#include <string_view>

namespace jetvale {

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

}  // namespace jetvale
