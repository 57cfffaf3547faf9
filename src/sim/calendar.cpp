// The calendar's work on the world, in the order a tick crosses it.
#include "sim/calendar.h"

#include "finance/ledgers.h"
#include "finance/loans.h"
#include "finance/month_close.h"

namespace jetvale {

void StartNewDay(World& world) {
  for (Airline& airline : world.airlines) {
    for (Plane& plane : airline.planes) {
      if (plane.inUse) plane.age = CountUp(plane.age, 1);
    }
  }
  for (Airport& airport : world.airports) {
    airport.dailyRefresh.SetAll();
  }
}

void CrossMidnight(GameState& game, ClockTick tick, int year, int month) {
  StartNewDay(game.world);
  // The tick has already turned the calendar; the loan payments of the new month's first day belong to the
  // year that is closing, so they come before the roll-over, and the month's history entry counts them.
  if (tick.monthEnded()) {
    MonthlyLoanPayments(game.world);
    CloseMonth(game.world, year, month);
  }
  if (tick.yearEnded()) {
    YearEndRollOver(game.world);
    StartMonthCounts(game.world);
  }
}

}  // namespace jetvale
