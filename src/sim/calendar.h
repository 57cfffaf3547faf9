// One clock tick with the world work that the tick crosses: midnight, month end, year end.
#pragma once

#include <string>

#include "sim/game_state.h"

namespace jetvale {

// Advances the clock by five minutes, runs the work of every boundary crossed and returns the time text.
std::string AdvanceClock(GameState& game);

// Midnight: every plane in use is a day older, and every route's demand is due for a recount.
void StartNewDay(World& world);

}  // namespace jetvale
