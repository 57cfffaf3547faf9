// The clock step: calendar first, so the flight cycle sees the new time and a new day's fresh demand.
#include "sim/simulate_tick.h"

#include "sim/calendar.h"
#include "sim/flight_cycle.h"

namespace jetvale {

std::string SimulateTick(GameState& game) {
  std::string timeText = AdvanceClock(game);
  RunFlightCycle(game);
  return timeText;
}

}  // namespace jetvale
