// The clock step: calendar first, so the flight cycle sees the new time and a new day's fresh demand.
#include "sim/simulate_tick.h"

#include "sim/calendar.h"
#include "sim/flight_cycle.h"

namespace jetvale {

ClockTick SimulateTick(GameState& game) {
  const ClockTick tick = AdvanceClock(game);
  RunFlightCycle(game);
  return tick;
}

}  // namespace jetvale
