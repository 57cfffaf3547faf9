// How long one whole frame takes headless: frame picture, map, clock tick, texts, sprites, a window, flip.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "busiest_frame.h"
#include "busy_game.h"

namespace jetvale {
namespace {

// A started game whose autosaves go to a temporary folder named `folder`; not started, the benchmark skipped,
// when the bitmaps cannot be loaded.
struct FrameGame {
  FrameGame(benchmark::State& state, const char* folder)
      : game(host, JETVALE_ASSET_DIR, (std::filesystem::temp_directory_path() / folder).string()) {
    std::string error;
    started = StartGame(game, sink, error);
    if (!started) state.SkipWithError(error.c_str());
  }
  VirtualHost host;
  HeadlessSink sink;
  GameObject game;
  bool started = false;
};

void BM_RunFrameWithTheClockRunning(benchmark::State& state) {
  FrameGame frame(state, "jetvale_frame_bench");
  if (!frame.started) return;
  frame.game.Interface().command = kCommandNone;
  for (auto _ : state) frame.game.RunFrame();
}
BENCHMARK(BM_RunFrameWithTheClockRunning)->Unit(benchmark::kMicrosecond);

// The same frame as bench/frame_timing.cpp, which scripts/web --test runs natively and in the browser.
void BM_RunFrameWithAWindowAndEightyPlanesInTheAir(benchmark::State& state) {
  FrameGame frame(state, "jetvale_frame_bench");
  if (!frame.started) return;
  GameObject& game = frame.game;
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
  FrameGame frame(state, "jetvale_fast_forward_bench");
  if (!frame.started) return;
  GameObject& game = frame.game;
  game.Game() = BusyGame();
  game.Interface().command = kCommandNone;
  while (game.FastForward() != state.range(0)) game.FastForwardKey(), game.RunFrame();
  for (auto _ : state) game.RunFrame();
}
BENCHMARK(BM_RunFrameFastForward)->Arg(0)->Arg(8)->Arg(64)->Arg(512)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jetvale
