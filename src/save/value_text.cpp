// std::to_chars and std::from_chars: exact, and the same on every machine whatever its locale.
#include "save/value_text.h"

#include <charconv>
#include <cmath>

namespace jetvale {
namespace {

constexpr int kDoubleDigits = 17;  // enough for every double to read back exactly

}  // namespace

void AppendInt(std::string& out, int value) {
  char text[16];
  const auto written = std::to_chars(std::begin(text), std::end(text), value);
  out.append(text, written.ptr);
}

void AppendDouble(std::string& out, double value) {
  char text[32];
  const auto written =
      std::to_chars(std::begin(text), std::end(text), value, std::chars_format::general, kDoubleDigits);
  out.append(text, written.ptr);
}

bool ParseInt(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc{} && ptr == end && !text.empty();
}

bool ParseDouble(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
  return error == std::errc{} && ptr == end && !text.empty() && std::isfinite(value);
}

}  // namespace jetvale
