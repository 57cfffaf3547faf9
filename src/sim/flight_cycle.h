// The daily rotation of every plane: each tick moves each plane's current leg one step through its states.
#pragma once

#include "sim/game_state.h"

namespace jetvale {

// One pass per clock tick, after the tick; does nothing while the clock is stopped.
void RunFlightCycle(GameState& game);

}  // namespace jetvale
