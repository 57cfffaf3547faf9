// Numbers as the saved game writes them and reads them back: one conversion each way, locale-free.
#pragma once

#include <string>
#include <string_view>

#include "text/double_text.h"

namespace jetvale {

// Appends the int in decimal, with a minus sign when negative.
void AppendInt(std::string& out, int value);
// Appends the double with 17 significant digits, which read back to the same double (at most 24 characters).
void AppendDouble(std::string& out, double value);

// The text as a decimal int: a minus sign, digits, and optionally a decimal point with digits after it, which
// are dropped, so "328." and "328.0" read 328 as a whole pixel written as a double; false for anything else.
bool ParseInt(std::string_view text, int& value);
// Doubles are read back by ParseDouble of text/double_text.h: the whole text, correctly rounded, never NaN or
// infinite.

}  // namespace jetvale
