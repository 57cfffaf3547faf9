// The history chart's frames: the busy game's chart open over the map with the clock running, and the frame that
// plays the chart's forecast.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "busiest_frame.h"
#include "busy_game.h"
#include "cli/simulation_run.h"
#include "screens/history_chart.h"

namespace jetvale {
namespace {

// A game showing the chart of `busy`; not started, the benchmark skipped, when the bitmaps cannot be loaded.
struct ChartGame {
  ChartGame(benchmark::State& state, GameState busy)
      : game(host, JETVALE_ASSET_DIR, (std::filesystem::temp_directory_path() / "jetvale_chart_bench").string()) {
    std::string error;
    started = StartGame(game, sink, error);
    if (!started) {
      state.SkipWithError(error.c_str());
      return;
    }
    game.Game() = std::move(busy);
    game.Interface().command = kCommandHistoryChart;
  }
  VirtualHost host;
  HeadlessSink sink;
  GameObject game;  // its autosaves go to the temporary folder
  bool started = false;
};

void BM_RunFrameWithTheHistoryChartOfTwoBusyYears(benchmark::State& state) {
  GameState busy = BusyGame();
  RunDays(busy, 2 * 365);
  ChartGame chart(state, std::move(busy));
  if (!chart.started) return;
  for (auto _ : state) chart.game.RunFrame();
  state.counters["months"] = static_cast<double>(chart.game.Game().world.history.months.size());
}
BENCHMARK(BM_RunFrameWithTheHistoryChartOfTwoBusyYears)->Unit(benchmark::kMicrosecond);

// The same chart, its twelve months ahead played anew in every frame timed.
void BM_RunFrameThatForecastsTwelveBusyMonths(benchmark::State& state) {
  ChartGame chart(state, BusyGame());
  if (!chart.started) return;
  chart.game.Interface().chart.forecast = true;
  for (auto _ : state) {
    chart.game.Interface().actionsRun += 1;  // as after a player's action: the forecast is stale
    chart.game.RunFrame();
  }
}
BENCHMARK(BM_RunFrameThatForecastsTwelveBusyMonths)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jetvale
