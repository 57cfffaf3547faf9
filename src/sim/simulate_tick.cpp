// The clock step: calendar first, so the flight cycle sees the new time and a new day's fresh demand.
#include "sim/simulate_tick.h"

#include "sim/calendar.h"
#include "sim/flight_cycle.h"

namespace jetvale {

void SimulateTick(GameState& game) {
  AdvanceClock(game);
  RunFlightCycle(game);
}

}  // namespace jetvale
