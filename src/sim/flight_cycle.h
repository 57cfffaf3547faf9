// The daily rotation of every plane: each tick moves each plane's current leg one step through its states.
#pragma once

#include "sim/game_state.h"

namespace jetvale {

// The parts of a pass that few ticks need, kept out of line so a quiet tick stays a few instructions: the due
// index rebuilt after a schedule changed, the steps of the planes due at `slotNow`, and the program-run
// airlines' daily turn.
void RebuildDueLegs(GameState& game);
void StepDuePlanes(GameState& game, int slotNow);
void RivalsDailyTurn(GameState& game);

// One pass per clock tick, after the tick; does nothing while the clock is stopped.
inline void RunFlightCycle(GameState& game) {
  if (!game.clock.running) return;
  game.clock.ticksToday += 1;
  const int slotNow = game.clock.QuarterSlot();
  if (game.world.schedulesChanged) RebuildDueLegs(game);
  if (game.dueLegs.AnyDue(slotNow)) StepDuePlanes(game, slotNow);
  if (game.clock.newDay && game.rivalsPlay) RivalsDailyTurn(game);
  game.clock.newDay = false;
}

}  // namespace jetvale
