// The calendar's work on the world, in the order a tick crosses it.
#include "sim/calendar.h"

#include <bit>
#include <cstdint>
#include <iterator>

#include "finance/ledgers.h"
#include "finance/loans.h"
#include "finance/month_close.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kWordBits = 64;  // slots in one word of Airline::planesInUse

void FindPlanesInUse(Airline& airline) {
  airline.planesInUse = {};
  for (int slot = 0; slot < kPlaneSlots; ++slot) {
    if (At(airline.planes, slot).inUse) {
      At(airline.planesInUse, slot / kWordBits) |= std::uint64_t{1} << (slot % kWordBits);
    }
  }
  airline.fleetChanged = false;
}

}  // namespace

void StartNewDay(World& world) {
  for (Airline& airline : world.airlines) {
    if (airline.fleetChanged) FindPlanesInUse(airline);
    for (int word = 0; word < std::ssize(airline.planesInUse); ++word) {
      for (std::uint64_t bits = At(airline.planesInUse, word); bits != 0; bits &= bits - 1) {
        Plane& plane = At(airline.planes, word * kWordBits + std::countr_zero(bits));
        plane.age = CountUp(plane.age, 1);
      }
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
