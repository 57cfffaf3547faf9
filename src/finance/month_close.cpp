// Monthly figures as differences of running sums: the ledger's and the traffic statistics' year to date.
#include "finance/month_close.h"

#include "finance/ledgers.h"

namespace jetvale {
namespace {

MonthCounts Less(const MonthCounts& total, const MonthCounts& part) {
  return {total.income - part.income, total.expenses - part.expenses, total.passengers - part.passengers,
          total.trips - part.trips};
}

}  // namespace

AirlineCounts YearToDate(const World& world) {
  AirlineCounts counts{};
  for (std::size_t a = 0; a < kAirlineCount; ++a) {
    const Ledger& year = world.airlines[a].currentYear;
    counts[a].income = IncomeSum(year);
    counts[a].expenses = ExpenseSum(year);
    for (int id = 1; id <= kAirportCount; ++id) {
      counts[a].passengers += world.AirportById(id).passengers[a];
      counts[a].trips += world.AirportById(id).departures[a];
    }
  }
  return counts;
}

AirlineCounts MonthSoFar(const World& world) {
  const AirlineCounts now = YearToDate(world);
  AirlineCounts month{};
  for (std::size_t a = 0; a < kAirlineCount; ++a) month[a] = Less(now[a], world.history.monthStart[a]);
  return month;
}

void CloseMonth(World& world, int year, int month) {
  MonthRecord record{year, month, {}};
  const AirlineCounts counted = MonthSoFar(world);
  for (std::size_t a = 0; a < kAirlineCount; ++a) record.airlines[a] = {world.airlines[a].balance, counted[a]};
  world.history.Add(record);
  StartMonthCounts(world);
}

void StartMonthCounts(World& world, const AirlineCounts& alreadyCounted) {
  const AirlineCounts now = YearToDate(world);
  for (std::size_t a = 0; a < kAirlineCount; ++a) world.history.monthStart[a] = Less(now[a], alreadyCounted[a]);
}

}  // namespace jetvale
