// Where the games find their bitmaps: next to the program, else in the source tree it was built from.
#pragma once

#include <filesystem>
#include <string>

namespace jetvale {

// The "assets" folder beside `program` when there is one (a game copied or installed with its bitmaps), else the
// source tree's.
std::string AssetDirectoryFor(const std::filesystem::path& program);
// The same for the running program.
std::string FindAssetDirectory();

}  // namespace jetvale
