// The history's side file: "am.history" beside "am.txt", written with every save and read with every load.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "world/world.h"

namespace jetvale {

// Ten years of months come to about 40 KB; a longer side file is no history of ours.
constexpr std::size_t kMaxHistoryFileBytes = 1024 * 1024;

// The side file of the saved game at `savedGamePath`: its extension replaced by ".history", or ".history" added
// when that would be the saved game itself.
std::string HistoryFilePath(const std::string& savedGamePath);

// The history of `world` with the month so far, tied to `savedGame`, the text of the saved game it goes with. Lines
// of words: a version line, the saved game's digest, each airline's month so far, then each month's airlines.
std::string WriteHistoryText(const World& world, std::string_view savedGame);

// Puts the months of `text` into the history of `world` and counts the month under way on from where it stood,
// when `text` is a whole history written with exactly `savedGame`; false and `world` untouched otherwise.
bool ReadHistoryText(std::string_view text, std::string_view savedGame, World& world);

}  // namespace jetvale
