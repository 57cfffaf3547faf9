// The double conversion's shared table, run by the browser build's own compiler and C++ library under node.
#include <cstdio>
#include <string>

#include "text/double_text.h"
#include "text/double_text_cases.h"

int main() {
  using namespace jetvale;
  int passed = 0;
  int failed = 0;
  for (const auto& entry : double_text_cases::kFixedCases) {
    const std::string text = FixedText(entry.value, entry.fractionDigits);
    if (text == entry.text) {
      ++passed;
    } else {
      ++failed;
      std::printf("FixedText gave \"%s\", expected \"%s\"\n", text.c_str(), entry.text);
    }
  }
  for (const auto& entry : double_text_cases::kGeneralCases) {
    const std::string text = GeneralText(entry.value, entry.significantDigits);
    if (text == entry.text) {
      ++passed;
    } else {
      ++failed;
      std::printf("GeneralText gave \"%s\", expected \"%s\"\n", text.c_str(), entry.text);
    }
  }
  for (const auto& entry : double_text_cases::kParseCases) {
    double value = -1;
    const bool accepted = ParseDouble(entry.text, value);
    if (accepted == entry.accepted && (!accepted || value == entry.value)) {
      ++passed;
    } else {
      ++failed;
      std::printf("ParseDouble(\"%s\") was wrong\n", entry.text);
    }
  }
  std::printf("double_text: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
