// How long one whole frame takes headless: frame picture, map, clock tick, texts, title, borders and flip.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/game_object.h"

namespace jetvale {
namespace {

void BM_RunFrameWithTheClockRunning(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR, std::filesystem::temp_directory_path().string());  // never saves
  game.OpenDisplay(sink);
  game.RunFrame();  // the first frame loads the bitmaps
  if (!game.StartupError().empty()) {
    state.SkipWithError(game.StartupError().c_str());
    return;
  }
  game.Game().clock.Start();
  for (auto _ : state) game.RunFrame();
}
BENCHMARK(BM_RunFrameWithTheClockRunning)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jetvale
