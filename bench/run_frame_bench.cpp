// How long one whole frame takes headless: frame picture, map, clock tick, texts, sprites, a window, flip.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "busiest_frame.h"
#include "busy_game.h"

namespace jetvale {
namespace {

bool StartGame(benchmark::State& state, GameObject& game, HeadlessSink& sink) {
  std::string error;
  if (StartGame(game, sink, error)) return true;
  state.SkipWithError(error.c_str());
  return false;
}

void BM_RunFrameWithTheClockRunning(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_frame_bench").string());  // its autosaves
  if (!StartGame(state, game, sink)) return;
  game.Interface().command = kCommandNone;
  for (auto _ : state) game.RunFrame();
}
BENCHMARK(BM_RunFrameWithTheClockRunning)->Unit(benchmark::kMicrosecond);

// The same frame as bench/frame_timing.cpp, which scripts/web --test runs natively and in the browser.
void BM_RunFrameWithAWindowAndEightyPlanesInTheAir(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_frame_bench").string());  // its autosaves
  if (!StartGame(state, game, sink)) return;
  ShowPlaneEditSlowly(game);
  int frames = 0;
  for (auto _ : state) {
    if (frames++ % kFramesBetweenLaunches == 0) {
      state.PauseTiming();
      LaunchEightyPlanes(game.Game().world);
      state.ResumeTiming();
    }
    game.RunFrame();
  }
}
BENCHMARK(BM_RunFrameWithAWindowAndEightyPlanesInTheAir)->Unit(benchmark::kMicrosecond);

// A frame of the busy game (80 planes, the rivals acting) with fast-forward at 0 (off), 8, 64 or 512 ticks.
void BM_RunFrameFastForward(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_fast_forward_bench").string());  // its autosaves
  if (!StartGame(state, game, sink)) return;
  game.Game() = BusyGame();
  game.Interface().command = kCommandNone;
  while (game.FastForward() != state.range(0)) game.FastForwardKey(), game.RunFrame();
  for (auto _ : state) game.RunFrame();
}
BENCHMARK(BM_RunFrameFastForward)->Arg(0)->Arg(8)->Arg(64)->Arg(512)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jetvale
