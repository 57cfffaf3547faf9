// Whole numbers through std::to_chars and std::from_chars, doubles through our own exact conversion: locale-free
// and the same in every build.
#include "save/value_text.h"

#include <charconv>

#include "text/double_text.h"

namespace jetvale {
namespace {

constexpr int kDoubleDigits = 17;  // enough for every double to read back exactly

}  // namespace

void AppendInt(std::string& out, int value) {
  char text[16];
  const auto written = std::to_chars(std::begin(text), std::end(text), value);
  out.append(text, written.ptr);
}

void AppendDouble(std::string& out, double value) { out += GeneralText(value, kDoubleDigits); }

bool ParseInt(std::string_view text, int& value) {
  const std::size_t point = text.find('.');
  if (point != std::string_view::npos) {
    const std::string_view fraction = text.substr(point + 1);
    if (fraction.find_first_not_of("0123456789") != std::string_view::npos) return false;
    text = text.substr(0, point);
  }
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc{} && ptr == end && !text.empty();
}

}  // namespace jetvale
