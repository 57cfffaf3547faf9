// Numbers as the saved game writes them and reads them back: one conversion each way, locale-free.
#pragma once

#include <string>
#include <string_view>

namespace jetvale {

// Appends the int in decimal, with a minus sign when negative.
void AppendInt(std::string& out, int value);
// Appends the double with 17 significant digits, which read back to the same double (at most 24 characters).
void AppendDouble(std::string& out, double value);

// The whole text as a decimal int; false for anything else (a sign, digits and nothing after them).
bool ParseInt(std::string_view text, int& value);
// The whole text as a finite double; false for anything else, NaN and infinities included.
bool ParseDouble(std::string_view text, double& value);

}  // namespace jetvale
