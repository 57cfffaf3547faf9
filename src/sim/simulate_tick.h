// One step of the game clock as the frame loop and the headless simulator both take it.
#pragma once

#include "sim/calendar.h"
#include "sim/flight_cycle.h"
#include "sim/game_state.h"

namespace jetvale {

// The clock's tick with its midnight, month-end and year-end work, then one pass of the flight cycle (calendar
// first, so the flight cycle sees the new time and a new day's fresh demand). Returns what the tick crossed.
// Inline: a loop of ticks, as fast-forward and the forecast run, mostly only moves the clock.
inline ClockTick SimulateTick(GameState& game) {
  const ClockTick tick = AdvanceClock(game);
  RunFlightCycle(game);
  return tick;
}

}  // namespace jetvale
