// Clock arithmetic: minutes roll into hours, hours into days, days into the months of a year without leap days.
#include "sim/game_clock.h"

#include <array>
#include <string_view>

#include "text/number_text.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Table lookups that cannot read outside their table: a month outside 1..12 has no days and no name, so a
// damaged clock rolls on into the next valid month instead of reading stray memory.
int DaysInMonth(int month) { return month >= 1 && month <= 12 ? At(kDaysInMonth, month - 1) : 0; }
std::string_view DayName(int dayOfWeek) {
  return dayOfWeek >= 0 && dayOfWeek <= 6 ? At(kDayNames, dayOfWeek) : "?";
}

}  // namespace

std::string_view MonthName(int month) {
  return month >= 1 && month <= 12 ? At(kMonthNames, month - 1) : "?";
}

ClockTick GameClock::TickPastTheHour() {
  ClockTick tick;
  minute += kMinutesPerTick;
  if (minute > 59) {
    minute = 0;
    hour += 1;
  }
  if (hour > 23) {
    tick.crossed |= ClockTick::kMidnight;
    day += 1;
    ticksToday = 0;
    hour = 0;
    dayOfWeek += 1;
    if (day > DaysInMonth(month)) {
      tick.crossed |= ClockTick::kMonthEnded;
      day = 1;
      month += 1;
    }
    if (month > 12) {
      tick.crossed |= ClockTick::kYearEnded;
      if (year < kMaxYear) year += 1;
      month = 1;
    }
    newDay = true;
  }
  if (dayOfWeek > 6) dayOfWeek = 0;
  return tick;
}

std::string GameClock::TimeText() const {
  std::string text = TwoDigits(hour).substr(0, 2);
  text.append(":").append(TwoDigits(minute)).append(" ");
  return text;
}

std::string GameClock::DateText() const {
  return std::string(MonthName(month)) + "-" + std::to_string(day) + " Year " + std::to_string(year) + " " +
         std::string(DayName(dayOfWeek));
}

bool GameClock::IsValid() const {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month) && year >= 1 && minute >= 0 &&
         minute <= 55 && minute % kMinutesPerTick == 0 && hour >= 0 && hour <= 23 && dayOfWeek >= 0 && dayOfWeek <= 6 &&
         ticksToday >= 0 && ticksToday <= kTicksPerDay;
}

}  // namespace jetvale
