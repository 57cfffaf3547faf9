// The game clock: its texts, and the day, month and year boundaries.
#include <gtest/gtest.h>

#include <vector>

#include "sim/calendar.h"
#include "world/trade.h"

namespace jetvale {
namespace {

// The last tick of a day, and what it crosses. The clocks start on a Monday, so the next day is a Tuesday.
TEST(GameClock, MonthsHaveFixedLengthsWithoutALeapDayAndTheYearEndsAfterDecember31) {
  const struct { int month, day; const char* next; bool monthEnded, yearEnded; } days[] = {
      {1, 1, "Jan-2 Year 1 Tue", false, false},  {2, 28, "Mar-1 Year 1 Tue", true, false},
      {4, 29, "Apr-30 Year 1 Tue", false, false}, {4, 30, "May-1 Year 1 Tue", true, false},
      {7, 30, "Jul-31 Year 1 Tue", false, false}, {7, 31, "Aug-1 Year 1 Tue", true, false},
      {12, 31, "Jan-1 Year 2 Tue", true, true},
      {13, 1, "Jan-1 Year 2 Tue", true, true},  // a damaged month has no days: it rolls into the next year
  };
  for (const auto& d : days) {
    GameClock clock;
    clock.month = d.month, clock.day = d.day, clock.hour = 23, clock.minute = 55, clock.newDay = false;
    const ClockTick tick = clock.Tick();
    EXPECT_EQ(clock.DateText(), d.next) << d.month << "-" << d.day;
    EXPECT_TRUE(tick.midnight());
    EXPECT_EQ(tick.monthEnded(), d.monthEnded) << d.month << "-" << d.day;
    EXPECT_EQ(tick.yearEnded(), d.yearEnded) << d.month << "-" << d.day;
    EXPECT_EQ(clock.TimeText(), "00:00 ");
    EXPECT_TRUE(clock.newDay);
  }
  GameClock saturday;
  saturday.dayOfWeek = 6, saturday.month = 0, saturday.hour = 23, saturday.minute = 55;
  EXPECT_EQ(saturday.DateText(), "?-1 Year 1 Sat");
  saturday.Tick();
  EXPECT_EQ(saturday.DateText(), "Jan-1 Year 1 Sun");
  GameClock last;
  last.year = kMaxYear, last.month = 12, last.day = 31, last.hour = 23, last.minute = 55;
  last.Tick();
  EXPECT_EQ(last.year, kMaxYear);  // past the last year the months go round within it
}

// Midnight's work on the world: every plane in use is a day older, and every route's demand is due for a recount.
TEST(GameClock, MidnightAgesThePlanesInUseAndCallsForANewCountOfEveryRoute) {
  GameState game(1);
  game.clock.Start();
  game.clock.hour = 23, game.clock.minute = 55;
  Plane& flying = game.world.airlines[2].planes[5];
  flying.inUse = true, flying.age = 7;
  Plane& sold = game.world.airlines[2].planes[6];
  sold.age = 7;
  for (const int id : {1, kAirportCount}) game.world.AirportById(id).dailyRefresh.Set(3, 1, false);
  AdvanceClock(game);
  EXPECT_EQ(flying.age, 8);
  EXPECT_EQ(sold.age, 7);
  for (const int id : {1, kAirportCount}) EXPECT_TRUE(game.world.AirportById(id).dailyRefresh.Get(3, 1)) << id;
}

// Planes bought and sold between midnights: each day ages exactly the planes in use that day.
TEST(GameClock, APlaneAgesFromTheMidnightAfterItIsBoughtUntilItIsSold) {
  GameState game(1);
  Airline& airline = game.world.airlines[1];
  const auto midnight = [&game] { StartNewDay(game.world); };
  const auto age = [&airline](int slot) { return airline.planes[static_cast<std::size_t>(slot)].age; };
  ASSERT_TRUE(BuyPlane(airline, 3, 0));
  midnight();
  ASSERT_TRUE(BuyPlane(airline, 70, 0));  // beyond the first 64 slots
  midnight();
  ASSERT_TRUE(SellPlane(airline, 3));
  midnight();
  ASSERT_TRUE(BuyPlane(airline, 98, 0));
  midnight();
  EXPECT_EQ(std::vector<int>({age(3), age(70), age(98)}), std::vector<int>({2, 3, 1}));
}

}  // namespace
}  // namespace jetvale
