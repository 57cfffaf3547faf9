// The game clock: ticks of five game minutes over a fixed 365-day calendar, and its status-line texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jetvale {

constexpr int kMinutesPerTick = 5;
// The calendar's last year: past it the months go round within it, so no clock runs out of its int.
constexpr int kMaxYear = 1000000;

// "Jan" .. "Dec" for 1..12, as the date text shows them; "?" for any other number.
std::string_view MonthName(int month);
constexpr int kTicksPerDay = 288;

// What a tick crossed besides five minutes; the caller runs the matching world work. One byte of flags: a tick
// is returned and kept across calls on every tick, and three bools stored one by one and read back as one
// word would stall the store buffer each time.
struct ClockTick {
  static constexpr std::uint8_t kMidnight = 1;   // a new day began
  static constexpr std::uint8_t kMonthEnded = 2;  // and with it a new month
  static constexpr std::uint8_t kYearEnded = 4;   // and with it a new year
  std::uint8_t crossed = 0;

  bool midnight() const { return (crossed & kMidnight) != 0; }
  bool monthEnded() const { return (crossed & kMonthEnded) != 0; }
  bool yearEnded() const { return (crossed & kYearEnded) != 0; }
};

struct GameClock {
  bool running = false;  // from the start of a game; the clock and the flight cycle advance only then
  int day = 1;
  int month = 1;
  int year = 1;
  int minute = 0;
  int hour = 1;
  int dayOfWeek = 1;  // 0 Sunday .. 6 Saturday
  bool newDay = true;  // the program-run airlines act on the next flight cycle
  int ticksToday = 0;

  void Start() { running = true; }
  // Advances five minutes and tells what the tick crossed.
  ClockTick Tick() {
    if (minute + kMinutesPerTick <= 59 && hour <= 23 && dayOfWeek <= 6) {
      minute += kMinutesPerTick;  // within the hour: nothing else turns
      return {};
    }
    return TickPastTheHour();
  }
  // "01:05 " as the status line shows it; built only when read, as a headless run never reads it.
  std::string TimeText() const;
  // "Jan-1 Year 1 Mon"
  std::string DateText() const;
  // The flight-cycle passes a day has had by this time: one at 00:00, 288 at 23:55. A game's count can be lower
  // (its first day began at 01:00) but never higher, or the day would end past its last tick.
  int TicksSinceMidnight() const { return (hour * 60 + minute) / kMinutesPerTick + 1; }
  // The quarter hour of the day, 0..95.
  int QuarterSlot() const { return hour * 4 + minute / 15; }
  // Whether every field lies in its range (a date of the calendar, a time on the five-minute grid), as a clock
  // read from outside the game must before it is used.
  bool IsValid() const;

 private:
  // Tick for a clock at the last five minutes of its hour, or with a field out of its range.
  ClockTick TickPastTheHour();
};

}  // namespace jetvale
