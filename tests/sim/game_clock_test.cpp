// The game clock: five-minute ticks, its texts, and the day, month and year boundaries with their work.
#include <gtest/gtest.h>

#include "sim/calendar.h"
#include "world/trade.h"

namespace jetvale {
namespace {

// Ticks until the clock shows the given day and month at 23:55, the last tick of that day.
void RunToLastTickOf(GameState& game, int day, int month) {
  while (!(game.clock.day == day && game.clock.month == month && game.clock.hour == 23 && game.clock.minute == 55)) {
    AdvanceClock(game);
  }
}

TEST(GameClock, AStoppedClockDoesNotMove) {
  GameState game(1);
  for (int i = 0; i < kTicksPerDay; ++i) EXPECT_FALSE(AdvanceClock(game).midnight);
  EXPECT_EQ(game.clock.DateText(), "Jan-1 Year 1 Mon");
  EXPECT_EQ(game.clock.hour * 60 + game.clock.minute, 60);
}

TEST(GameClock, ANewGameStartsAt0100OnMondayTheFirstOfJanuary) {
  GameClock clock;
  EXPECT_EQ(clock.running, 0);
  EXPECT_EQ(clock.DateText(), "Jan-1 Year 1 Mon");
  EXPECT_EQ(clock.QuarterSlot(), 4);
  const ClockTick tick = clock.Tick();
  EXPECT_EQ(clock.TimeText(), "01:05 ");
  EXPECT_FALSE(tick.midnight);
  EXPECT_EQ(clock.newDay, 1);  // the program-run airlines act on the very first tick
  for (int i = 0; i < 11; ++i) clock.Tick();
  clock.Tick();
  EXPECT_EQ(clock.TimeText(), "02:05 ");
  EXPECT_EQ(clock.QuarterSlot(), 8);
}

TEST(GameClock, MidnightStartsTheNextDayAndAgesOnlyPlanesInUse) {
  GameState game(1);
  game.clock.Start();
  BuyPlane(game.world.airlines[2], 4, 0);
  game.world.AirportById(5).dailyRefresh[9][1] = 0;
  game.world.AirportById(kAirportCount).dailyRefresh[1][3] = 0;  // the last airport too
  game.clock.newDay = 0;
  game.clock.ticksToday = 287;
  RunToLastTickOf(game, 1, 1);
  AdvanceClock(game);
  EXPECT_EQ(game.clock.TimeText(), "00:00 ");
  EXPECT_EQ(game.clock.DateText(), "Jan-2 Year 1 Tue");
  EXPECT_EQ(game.clock.ticksToday, 0);
  EXPECT_EQ(game.clock.newDay, 1);
  EXPECT_EQ(game.world.airlines[2].planes[4].age, 1);
  EXPECT_EQ(game.world.airlines[2].planes[5].age, 0);
  EXPECT_EQ(game.world.AirportById(5).dailyRefresh[9][1], 1);
  EXPECT_EQ(game.world.AirportById(kAirportCount).dailyRefresh[1][3], 1);
}

TEST(GameClock, MonthsHaveFixedLengthsWithoutALeapDay) {
  GameClock clock;
  clock.month = 2;
  clock.day = 28;
  clock.hour = 23;
  clock.minute = 55;
  ClockTick tick = clock.Tick();
  EXPECT_TRUE(tick.monthEnded);
  EXPECT_EQ(clock.month, 3);
  EXPECT_EQ(clock.day, 1);
  for (const auto& [month, days] : {std::pair{4, 30}, std::pair{7, 31}}) {
    clock.month = month;
    clock.day = days - 1;
    clock.hour = 23;
    clock.minute = 55;
    EXPECT_FALSE(clock.Tick().monthEnded);
    clock.hour = 23;
    clock.minute = 55;
    EXPECT_TRUE(clock.Tick().monthEnded);
    EXPECT_EQ(clock.month, month + 1);
  }
}

TEST(GameClock, TheYearEndsAfterDecember31AndClearsTheTrafficStatistics) {
  GameClock clock;
  clock.month = 12;
  clock.day = 31;
  clock.hour = 23;
  clock.minute = 55;
  const ClockTick tick = clock.Tick();
  EXPECT_TRUE(tick.monthEnded);
  EXPECT_TRUE(tick.yearEnded);
  EXPECT_EQ(clock.DateText(), "Jan-1 Year 2 Tue");

  GameState game(1);
  game.clock.Start();
  Airport& airport = game.world.AirportById(11);
  airport.departures[1] = 5;
  airport.passengers[2] = 600;
  airport.seatsOffered[3] = 700;
  airport.legsInto[1] = 2;
  RunToLastTickOf(game, 31, 12);
  EXPECT_EQ(airport.departures[1], 5);  // not yet
  AdvanceClock(game);
  EXPECT_EQ(game.clock.DateText(), "Jan-1 Year 2 Tue");  // 365 days after a Monday
  EXPECT_EQ(airport.departures[1], 0);
  EXPECT_EQ(airport.passengers[2], 0);
  EXPECT_EQ(airport.seatsOffered[3], 0);
  EXPECT_EQ(airport.legsInto[1], 2);  // never lowered
}

TEST(GameClock, AClockFromOutsideIsCheckedFieldByFieldAndNeverReadsOutsideItsTables) {
  EXPECT_TRUE(GameClock{}.IsValid());
  auto with = [](auto change) {
    GameClock clock;
    change(clock);
    return clock;
  };
  EXPECT_TRUE(with([](GameClock& c) { c.month = 2, c.day = 28, c.hour = 23, c.minute = 55, c.dayOfWeek = 0; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.month = 2, c.day = 29; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.month = 13; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.day = 0; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.minute = 7; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.hour = 24; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.dayOfWeek = 7; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.year = 0; }).IsValid());
  EXPECT_FALSE(with([](GameClock& c) { c.ticksToday = 289; }).IsValid());

  GameClock damaged = with([](GameClock& c) { c.month = 13, c.dayOfWeek = 9; });
  EXPECT_EQ(damaged.DateText(), "?-1 Year 1 ?");
  damaged.hour = 23;
  damaged.minute = 55;
  damaged.Tick();  // month 13 has no days: the clock rolls into January of the next year
  EXPECT_EQ(damaged.DateText(), "Jan-1 Year 2 Sun");
}

TEST(GameClock, AYearIs365DaysOf288Ticks) {
  GameState game(1);
  game.clock.Start();
  for (int i = 0; i < 365 * kTicksPerDay; ++i) AdvanceClock(game);
  EXPECT_EQ(game.clock.DateText(), "Jan-1 Year 2 Tue");
  EXPECT_EQ(game.clock.hour, 1);
  EXPECT_EQ(game.clock.minute, 0);
}

}  // namespace
}  // namespace jetvale
