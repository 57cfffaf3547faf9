// The history of a seeded game: every month end keeps each airline's balance and what its books and traffic
// counted in the month, across the year end, for ten years at most; a new game starts without one.
#include <gtest/gtest.h>

#include "finance/ledgers.h"
#include "finance/loans.h"
#include "finance/month_close.h"
#include "save/played_game.h"
#include "sim/calendar.h"
#include "sim/flight_cycle.h"

namespace jetvale {
namespace {

GameState FlyingGame() {
  GameState game(5);
  AssignIdentities(game.world, kSoutheastAir);
  game.clock.Start();
  AddPlanes(game, "3*A320:ATL@0800-ORD@1200");
  TakeLoan(game.world.Player(), 0, 0.0501, 36, 25000000);  // monthly payments, booked at the month end
  return game;
}

TEST(MonthHistory, EachMonthEndKeepsTheMonthsPartOfTheBooksAcrossTheYearEnd) {
  GameState game = FlyingGame();
  AirlineCounts last{};  // the first month counts from the start of the game, the planes bought included
  for (int month = 1; month <= 13; ++month) {
    // The calendar's part of the month end's tick, checked before its flight cycle books anything new.
    while (!AdvanceClock(game).monthEnded) RunFlightCycle(game);
    ASSERT_EQ(game.world.history.months.size(), static_cast<std::size_t>(month));
    const MonthRecord& record = game.world.history.months.back();
    EXPECT_EQ(record.month, month == 13 ? 1 : month);
    EXPECT_EQ(record.year, month == 13 ? 2 : 1);
    for (std::size_t a = 0; a < kAirlineCount; ++a) {
      const Airline& airline = game.world.airlines[a];
      // The year end has just moved December's books to the previous year.
      const Ledger& books = month == 12 ? airline.previousYear : airline.currentYear;
      EXPECT_EQ(record.airlines[a].balance, airline.balance) << month;
      EXPECT_DOUBLE_EQ(record.airlines[a].counts.income, IncomeSum(books) - last[a].income) << month << " " << a;
      EXPECT_DOUBLE_EQ(record.airlines[a].counts.expenses, ExpenseSum(books) - last[a].expenses) << month;
    }
    last = YearToDate(game.world);
    RunFlightCycle(game);
  }
  // The months' trips and passengers add up to what the player's legs have flown since the start.
  std::int64_t trips = 0;
  std::int64_t passengers = 0;
  for (const MonthRecord& record : game.world.history.months) {
    trips += record.airlines[0].counts.trips;
    passengers += record.airlines[0].counts.passengers;
  }
  std::int64_t legTrips = 0;
  std::int64_t legPassengers = 0;
  for (const Plane& plane : game.world.Player().planes) {
    for (const Flight& leg : plane.legs) {
      legTrips += leg.timesFlown;
      legPassengers += leg.totalPassengers;
    }
  }
  EXPECT_GT(trips, 300);
  EXPECT_EQ(trips, legTrips);
  EXPECT_EQ(passengers, legPassengers);
  EXPECT_GT(game.world.history.months[0].airlines[0].counts.expenses, 100000000) << "three planes bought";
}

TEST(MonthHistory, TenYearsAreKeptTheOldestMonthGoingAndANewGameStartsWithout) {
  GameState game = FlyingGame();
  RunDays(game, 10 * 365 + 31);
  const std::vector<MonthRecord>& months = game.world.history.months;
  ASSERT_EQ(months.size(), kHistoryMonths);
  EXPECT_EQ(months.front().month * 100 + months.front().year, 201);   // Feb Year 1
  EXPECT_EQ(months.back().month * 100 + months.back().year, 111);     // Jan Year 11
  game.Restart(6);
  EXPECT_TRUE(game.world.history.months.empty());
}

}  // namespace
}  // namespace jetvale
