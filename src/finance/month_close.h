// The month end's entry in the history: each airline's balance and what it booked and flew in the month.
#pragma once

#include <array>

#include "world/world.h"

namespace jetvale {

using AirlineCounts = std::array<MonthCounts, kAirlineCount>;

// What each airline has counted this year so far: its current-year income and expenses, and the passengers and
// trips of the year's traffic statistics over all airports.
AirlineCounts YearToDate(const World& world);

// What each airline has counted since the month under way began.
AirlineCounts MonthSoFar(const World& world);

// A month end, after the month's loan payments and before a year end clears the year's counts: the month that
// ended goes into the history, and the next month counts from here.
void CloseMonth(World& world, int year, int month);

// The month under way counts from the year-to-date figures as they stand, less `alreadyCounted`: nothing after a
// year end has cleared them, a loaded game's month so far when it was saved.
void StartMonthCounts(World& world, const AirlineCounts& alreadyCounted = {});

}  // namespace jetvale
