// The calendar's work on the world, in the order a tick crosses it.
#include "sim/calendar.h"

#include "finance/ledgers.h"
#include "finance/loans.h"

namespace jetvale {

void StartNewDay(World& world) {
  for (Airline& airline : world.airlines) {
    for (Plane& plane : airline.planes) {
      if (plane.inUse == 1) plane.age = CountUp(plane.age, 1);
    }
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    for (auto& row : world.AirportById(id).dailyRefresh) row.fill(1);
  }
}

ClockTick AdvanceClock(GameState& game) {
  if (game.clock.running != 1) return {};
  const ClockTick tick = game.clock.Tick();
  if (tick.midnight) StartNewDay(game.world);
  // The tick has already turned the calendar; the loan payments of the new month's first day belong to the
  // year that is closing, so they come before the roll-over.
  if (tick.monthEnded) MonthlyLoanPayments(game.world);
  if (tick.yearEnded) YearEndRollOver(game.world);
  return tick;
}

}  // namespace jetvale
