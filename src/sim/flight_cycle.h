// The daily rotation of every plane: each tick moves each plane's current leg one step through its states.
#pragma once

#include "sim/game_state.h"

namespace jetvale {

// One pass per clock tick, after the tick; does nothing while the clock is stopped.
void RunFlightCycle(GameState& game);

// One step of the leg's state machine at the clock's present quarter hour.
void StepLeg(World& world, int slotNow, int airline, int planeSlot, int leg);

}  // namespace jetvale
