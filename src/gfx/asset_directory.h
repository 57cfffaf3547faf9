// Where the games find their bitmaps: next to the program, under its installed prefix, else in the source tree it
// was built from.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace jetvale {

// The folders `program` looks in, in order: "assets" beside it (a game copied with its bitmaps), "share/jetvale"
// under its prefix (an installed game, wherever the prefix was moved), the source tree's "assets" (unless built
// for a package).
std::vector<std::filesystem::path> AssetPlacesFor(const std::filesystem::path& program);
// The first of those places that is a folder; the installed place when none is.
std::string AssetDirectoryFor(const std::filesystem::path& program);
// The running program's own path; empty when the system does not tell.
std::filesystem::path RunningProgram();
// AssetDirectoryFor the running program; the source tree's when its path is not known.
std::string FindAssetDirectory();

}  // namespace jetvale
