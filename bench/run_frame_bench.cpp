// How long one whole frame takes headless: frame picture, map, clock tick, texts, sprites, a window, flip.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/game_object.h"
#include "sim/flight_state.h"

namespace jetvale {
namespace {

constexpr int kCommandShowPlaneEdit = 235;  // keeps the largest window, "Plane Edit", on screen

bool StartGame(benchmark::State& state, GameObject& game, HeadlessSink& sink) {
  game.OpenDisplay(sink);
  game.RunFrame();  // the first frame loads the bitmaps
  if (!game.StartupError().empty()) {
    state.SkipWithError(game.StartupError().c_str());
    return false;
  }
  game.Game().clock.Start();
  return true;
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

// Twenty planes of every airline in the air over North America, each on a trip of most of a day.
void LaunchEightyPlanes(World& world) {
  for (Airline& airline : world.airlines) {
    airline.identity = kWesternAirlines + airline.index;
    for (int slot = 0; slot < 20; ++slot) {
      Plane& plane = airline.planes[static_cast<std::size_t>(slot)];
      plane.inUse = 1;
      plane.legCount = 1;
      plane.currentLeg = 0;
      plane.frame = slot * 10;
      Flight& leg = plane.legs[0];
      leg.state = kInTheAir;
      leg.origin = 1 + slot;  // real airports, for when a trip lands and is settled
      leg.destination = 21 + slot;
      leg.departure = 0;
      leg.arrival = 90;
      plane.originX = 190 + 12 * slot;
      plane.originY = 110 + airline.index * 40;
      plane.destinationX = 460 - 10 * slot;
      plane.destinationY = 300 - airline.index * 30;
    }
  }
}

void BM_RunFrameWithAWindowAndEightyPlanesInTheAir(benchmark::State& state) {
  VirtualHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR,
                  (std::filesystem::temp_directory_path() / "jetvale_frame_bench").string());  // its autosaves
  if (!StartGame(state, game, sink)) return;
  game.Interface().command = kCommandShowPlaneEdit;
  game.Interface().gameSpeed = 12;  // SLOW: the trips last 3240 frames
  int frames = 0;
  for (auto _ : state) {
    if (frames++ % 2000 == 0) {
      state.PauseTiming();
      LaunchEightyPlanes(game.Game().world);
      state.ResumeTiming();
    }
    game.RunFrame();
  }
}
BENCHMARK(BM_RunFrameWithAWindowAndEightyPlanesInTheAir)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace jetvale
