// One clock tick with the world work that the tick crosses: midnight, month end, year end.
#pragma once

#include "sim/game_state.h"

namespace jetvale {

// Advances a running clock by five minutes and runs the work of every boundary crossed, which it returns. A
// stopped clock stays where it is, as the flight cycle does.
ClockTick AdvanceClock(GameState& game);

// Midnight: every plane in use is a day older, and every route's demand is due for a recount.
void StartNewDay(World& world);

}  // namespace jetvale
