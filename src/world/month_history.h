// The airlines' history month by month: what each had at every month end and what it did in that month.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/records.h"

namespace jetvale {

constexpr std::size_t kHistoryMonths = 120;  // ten years; the oldest month goes when a new one comes

// What an airline counts over a stretch of time: the money it booked and the trips it settled.
struct MonthCounts {
  double income = 0;    // income fields of the ledger
  double expenses = 0;  // expense fields of the ledger
  std::int64_t passengers = 0;
  std::int64_t trips = 0;
};

struct AirlineMonth {
  std::int32_t balance = 0;  // at the month's close, its loan payments made
  MonthCounts counts;        // booked and flown during the month
};

struct MonthRecord {
  int year = 0;
  int month = 0;  // 1..12
  std::array<AirlineMonth, kAirlineCount> airlines{};
};

struct MonthHistory {
  std::vector<MonthRecord> months;  // oldest first, at most kHistoryMonths
  // Each airline's year-to-date counts as they stood when the month under way began; the month counts what
  // has been added since.
  std::array<MonthCounts, kAirlineCount> monthStart{};

  void Add(const MonthRecord& record) {
    if (months.size() == kHistoryMonths) months.erase(months.begin());
    months.push_back(record);
  }
};

}  // namespace jetvale
