// The history's length: ten years at most, the oldest month going, and a new game without one.
#include <gtest/gtest.h>

#include "cli/simulation_run.h"
#include "finance/month_close.h"

namespace jetvale {
namespace {

TEST(MonthHistory, TenYearsAreKeptTheOldestMonthGoingAndANewGameStartsWithout) {
  GameState game(5);
  game.clock.Start();
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
