// The calendar's work on the world, in the order a tick crosses it.
#include "sim/calendar.h"

namespace jetvale {

void StartNewDay(World& world) {
  for (Airline& airline : world.airlines) {
    for (Plane& plane : airline.planes) {
      if (plane.inUse == 1) plane.age += 1;
    }
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    for (auto& row : world.AirportById(id).dailyRefresh) row.fill(1);
  }
}

void ClearTrafficStats(World& world) {
  for (int id = 1; id <= kAirportCount; ++id) {
    Airport& airport = world.AirportById(id);
    airport.departures.fill(0);
    airport.passengers.fill(0);
    airport.seatsOffered.fill(0);
  }
}

std::string AdvanceClock(GameState& game) {
  ClockTick tick = game.clock.Tick();
  if (tick.midnight) StartNewDay(game.world);
  if (tick.yearEnded) ClearTrafficStats(game.world);
  return std::move(tick.timeText);
}

}  // namespace jetvale
