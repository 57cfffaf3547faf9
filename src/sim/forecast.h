// The months ahead as they will be if the player changes nothing: the game is deterministic, so a copy of its
// world, clock and random generator, played forward, closes the very months the game itself will close.
#pragma once

#include <vector>

#include "sim/game_state.h"

namespace jetvale {

constexpr int kForecastMonths = 12;

// The next `months` month records of `game`, played on a copy; the game itself is not touched. None while the
// clock stands still.
std::vector<MonthRecord> ForecastMonths(const GameState& game, int months = kForecastMonths);

}  // namespace jetvale
