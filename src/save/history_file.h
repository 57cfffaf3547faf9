// The history's side file: "am.history" beside "am.txt", written with every save and read with every load.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "sim/game_state.h"

namespace jetvale {

// Ten years of months come to about 40 KB, and the side state of a full world to a few hundred; a longer side
// file is no history of ours.
constexpr std::size_t kMaxHistoryFileBytes = 4 * 1024 * 1024;

// The side file of the saved game at `savedGamePath`: its extension replaced by ".history", or ".history" added
// when that would be the saved game itself.
std::string HistoryFilePath(const std::string& savedGamePath);

// The history of `game` with the month so far, tied to `savedGame`, the text of the saved game it goes with, and
// the side state (save/side_state.h) that makes the loaded game the game that was saved. Lines of words: a version
// line, the saved game's digest, each airline's month so far, each month's airlines, then the side state.
std::string WriteHistoryText(const GameState& game, std::string_view savedGame);

// Whether `text` names `savedGame` as the saved game it was written with (its second line), whatever else it holds.
bool HistoryWrittenWith(std::string_view text, std::string_view savedGame);

// Puts the months of `text` into the history of `game`, counts the month under way on from where it stood and
// restores the side state, when `text` is a whole side file written with exactly `savedGame`, which `game` holds
// as just loaded; false and `game` untouched otherwise. A side file of the first version carries the months
// alone: `wholeGame` (when given) tells whether the side state came back too.
bool ReadHistoryText(std::string_view text, std::string_view savedGame, GameState& game, bool* wholeGame = nullptr);

}  // namespace jetvale
