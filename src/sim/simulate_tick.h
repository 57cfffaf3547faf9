// One step of the game clock as the frame loop and the headless simulator both take it.
#pragma once

#include "sim/game_state.h"

namespace jetvale {

// The clock's tick with its midnight, month-end and year-end work, then one pass of the flight cycle. Returns
// what the tick crossed.
ClockTick SimulateTick(GameState& game);

}  // namespace jetvale
