// The history chart's frame: the busy game after two years, its chart open over the map, the clock running.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "busiest_frame.h"
#include "busy_game.h"
#include "cli/simulation_run.h"
#include "screens/history_chart.h"

namespace jetvale {
namespace {

void BM_RunFrameWithTheHistoryChartOfTwoBusyYears(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_chart_bench").string());  // its autosaves
  std::string error;
  if (!StartGame(game, sink, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  GameState busy = BusyGame();
  RunDays(busy, 2 * 365);
  game.Game() = std::move(busy);
  game.Interface().command = kCommandHistoryChart;
  for (auto _ : state) game.RunFrame();
  state.counters["months"] = static_cast<double>(game.Game().world.history.months.size());
}
BENCHMARK(BM_RunFrameWithTheHistoryChartOfTwoBusyYears)->Unit(benchmark::kMicrosecond);

// The frame that plays the forecast: the same chart, its twelve months ahead played anew in every frame timed.
void BM_RunFrameThatForecastsTwelveBusyMonths(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_chart_bench").string());  // its autosaves
  std::string error;
  if (!StartGame(game, sink, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  game.Game() = BusyGame();
  game.Interface().command = kCommandHistoryChart;
  game.Interface().chart.forecast = true;
  for (auto _ : state) {
    game.Interface().actionsRun += 1;  // as after a player's action: the forecast is stale
    game.RunFrame();
  }
}
BENCHMARK(BM_RunFrameThatForecastsTwelveBusyMonths)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jetvale
