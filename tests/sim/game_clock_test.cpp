// The game clock: five-minute ticks, its texts, the day, month and year boundaries, and a clock from outside.
#include <gtest/gtest.h>

#include <functional>

#include "sim/calendar.h"

namespace jetvale {
namespace {

// The last tick of a day, and what it crosses. The clocks start on a Monday, so the next day is a Tuesday.
TEST(GameClock, MonthsHaveFixedLengthsWithoutALeapDayAndTheYearEndsAfterDecember31) {
  const struct {
    int month, day;
    const char* next;
    bool monthEnded, yearEnded;
  } days[] = {
      {1, 1, "Jan-2 Year 1 Tue", false, false},  {2, 28, "Mar-1 Year 1 Tue", true, false},
      {4, 29, "Apr-30 Year 1 Tue", false, false}, {4, 30, "May-1 Year 1 Tue", true, false},
      {7, 30, "Jul-31 Year 1 Tue", false, false}, {7, 31, "Aug-1 Year 1 Tue", true, false},
      {12, 31, "Jan-1 Year 2 Tue", true, true},
      {13, 1, "Jan-1 Year 2 Tue", true, true},  // a damaged month has no days: it rolls into the next year
  };
  for (const auto& d : days) {
    GameClock clock;
    clock.month = d.month, clock.day = d.day, clock.hour = 23, clock.minute = 55, clock.newDay = 0;
    const ClockTick tick = clock.Tick();
    EXPECT_EQ(clock.DateText(), d.next) << d.month << "-" << d.day;
    EXPECT_TRUE(tick.midnight);
    EXPECT_EQ(tick.monthEnded, d.monthEnded) << d.month << "-" << d.day;
    EXPECT_EQ(tick.yearEnded, d.yearEnded) << d.month << "-" << d.day;
    EXPECT_EQ(clock.TimeText() + std::to_string(clock.newDay), "00:00 1");
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

TEST(GameClock, AClockFromOutsideIsCheckedFieldByField) {
  const auto valid = [](auto change) {
    GameClock clock;
    change(clock);
    return clock.IsValid();
  };
  EXPECT_TRUE(valid([](GameClock&) {}));
  EXPECT_TRUE(valid([](GameClock& c) { c.month = 2, c.day = 28, c.hour = 23, c.minute = 55, c.dayOfWeek = 0; }));
  EXPECT_TRUE(valid([](GameClock& c) { c.month = 12, c.day = 31, c.hour = 0, c.dayOfWeek = 6, c.ticksToday = 288; }));
  EXPECT_TRUE(valid([](GameClock& c) { c.running = 1, c.newDay = 0; }));
  const std::function<void(GameClock&)> damages[] = {
      [](GameClock& c) { c.month = 2, c.day = 29; }, [](GameClock& c) { c.month = 13; },
      [](GameClock& c) { c.month = 0; },              [](GameClock& c) { c.day = 0; },
      [](GameClock& c) { c.minute = 7; },             [](GameClock& c) { c.minute = 60; },
      [](GameClock& c) { c.minute = -5; },            [](GameClock& c) { c.hour = 24; },
      [](GameClock& c) { c.hour = -1; },              [](GameClock& c) { c.dayOfWeek = 7; },
      [](GameClock& c) { c.dayOfWeek = -1; },         [](GameClock& c) { c.year = 0; },
      [](GameClock& c) { c.ticksToday = 289; },       [](GameClock& c) { c.ticksToday = -1; },
      [](GameClock& c) { c.running = 2; },            [](GameClock& c) { c.newDay = 2; },
  };
  for (const auto& damage : damages) EXPECT_FALSE(valid(damage)) << &damage - damages;
}

}  // namespace
}  // namespace jetvale
