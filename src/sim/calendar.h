// One clock tick with the world work that the tick crosses: midnight, month end, year end.
#pragma once

#include "sim/game_state.h"

namespace jetvale {

// The world work of a tick that crossed midnight, in the order the tick crosses it: the new day, then a month
// end and a year end if the tick crossed them. `year` and `month` are the clock's before the tick: the month a
// month end closes.
void CrossMidnight(GameState& game, ClockTick tick, int year, int month);

// Advances a running clock by five minutes and runs the work of every boundary crossed, which it returns. A
// stopped clock stays where it is, as the flight cycle does. Inline, as almost every tick only moves the minutes.
inline ClockTick AdvanceClock(GameState& game) {
  if (!game.clock.running) return {};
  const int year = game.clock.year;
  const int month = game.clock.month;
  const ClockTick tick = game.clock.Tick();
  if (tick.midnight()) CrossMidnight(game, tick, year, month);
  return tick;
}

// Midnight: every plane in use is a day older, and every route's demand is due for a recount.
void StartNewDay(World& world);

}  // namespace jetvale
