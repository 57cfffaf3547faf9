// The history chart: its value axis, and its picture for a seeded three-year game, as reviewed.
// Regenerate as the window pictures are: JETVALE_UPDATE_GOLDEN=1 ... --gtest_filter='HistoryChart.*'
#include <gtest/gtest.h>

#include <tuple>

#include "cli/simulation_run.h"
#include "screens/chart_axis.h"
#include "save/game_writer.h"
#include "screens/history_chart.h"
#include "sim/forecast.h"
#include "ui/golden.h"

namespace jetvale {
namespace {

TEST(ChartAxis, RoundStepsTakeInEveryValue) {
  const struct { double low, high; double bottom, top, step; } cases[] = {
      {0, 0, 0, 1, 1},                        // nothing yet: a unit of room above
      {0, 3, 0, 3, 1},                        // whole units at least
      {480e6, 1.15e9, 400e6, 1.2e9, 200e6}, {-2500, 9000, -5000, 10000, 5000},
      {7e6, 7e6, 6e6, 8e6, 500e3},            // one value: room on both sides
  };
  for (const auto& c : cases) {
    const ChartAxis axis = ChooseAxis(c.low, c.high);
    EXPECT_EQ(axis.bottom, c.bottom) << c.low << ".." << c.high;
    EXPECT_EQ(axis.top, c.top) << c.low << ".." << c.high;
    EXPECT_EQ(axis.step, c.step) << c.low << ".." << c.high;
  }
}

TEST(HistoryChart, AThreeYearGameDrawsAsReviewed) {
  SimOptions options;
  std::string error;
  for (const char* route : {"2*A320:ATL@0800-ORD@1200", "B 757-200:JFK@0600-LAX@1700"}) {
    options.fleet.emplace_back();
    ASSERT_TRUE(ParseScriptedPlanes(route, options.fleet.back(), error)) << error;
  }
  GameState game(7);
  ASSERT_TRUE(StartSimulation(options, game, error)) << error;
  RunDays(game, 3 * 365);
  CGapiSurface screen;
  screen.CreateSurface(320, 240);
  Ui ui(game, screen);
  ShowHistoryChart(ui);
  ExpectMatchesGolden(screen, "history_chart_balance");

  GameWindow& window = ui.windows[kHistoryChartWindow];
  const WindowItem& passengers = window.Named("figure", static_cast<int>(ChartFigure::Passengers));
  ASSERT_TRUE(HitTest(window, passengers.x + 3, passengers.y + 3));
  screen.CreateSurface(320, 240);
  ShowHistoryChart(ui);
  ExpectMatchesGolden(screen, "history_chart_passengers");

  // The forecast: the next twelve months dotted beside the last 24, the months a game played on closes.
  const std::string before = WriteSavedGame(game.world, game.clock);
  ui.chart.forecast = true;
  screen.CreateSurface(320, 240);
  ShowHistoryChart(ui);
  ExpectMatchesGolden(screen, "history_chart_forecast");
  EXPECT_EQ(WriteSavedGame(game.world, game.clock), before) << "the forecast plays a copy";
  ASSERT_EQ(ui.chart.ahead.size(), static_cast<std::size_t>(kForecastMonths));
  RunDays(game, 366);
  const std::vector<MonthRecord>& played = game.world.history.months;
  for (int m = 0; m < kForecastMonths; ++m) {
    const MonthRecord& want = played[played.size() - static_cast<std::size_t>(kForecastMonths - m)];
    const MonthRecord& got = ui.chart.ahead[static_cast<std::size_t>(m)];
    EXPECT_EQ(std::tuple(got.year, got.month), std::tuple(want.year, want.month)) << m;
    for (std::size_t a = 0; a < want.airlines.size(); ++a) {
      EXPECT_EQ(got.airlines[a].balance, want.airlines[a].balance) << m << " " << a;
      EXPECT_EQ(got.airlines[a].counts.income, want.airlines[a].counts.income) << m << " " << a;
      EXPECT_EQ(got.airlines[a].counts.passengers, want.airlines[a].counts.passengers) << m << " " << a;
    }
  }
}

}  // namespace
}  // namespace jetvale
