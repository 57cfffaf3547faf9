// Where the games find its bitmaps: next to the program, else in the source tree it was built from.
#pragma once

#include <string>

namespace jetvale {

std::string FindAssetDirectory();

}  // namespace jetvale
