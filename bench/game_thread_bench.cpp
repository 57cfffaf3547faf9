// How long the window thread waits in Stop for a paused game thread: the thread sleeps in 100 ms steps while
// paused, so Stop must return within one such step (the real machine's clock and sleep, not virtual time).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "engine/game_object.h"

namespace jetvale {
namespace {

void BM_StopWhilePaused(benchmark::State& state) {
  SystemHost host;
  double longest = 0;
  int round = 0;
  for (auto _ : state) {
    HeadlessSink sink;
    GameObject game(host, JETVALE_ASSET_DIR, std::filesystem::temp_directory_path().string());  // never saves
    if (!game.Start(sink)) {
      state.SkipWithError(game.StartupError().c_str());
      return;
    }
    while (sink.PresentedFrames() < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    game.Pause();
    // The paused thread finishes its frame (a 33 ms frame at most), then sleeps: stop it at points spread over
    // that sleep, as a player who comes back and quits would.
    std::this_thread::sleep_for(std::chrono::milliseconds(40 + 20 * (round++ % 5)));
    const auto start = std::chrono::steady_clock::now();
    game.Stop();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    longest = std::max(longest, seconds);
  }
  state.counters["longest_ms"] = 1000 * longest;
}
BENCHMARK(BM_StopWhilePaused)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jetvale
