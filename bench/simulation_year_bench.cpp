// One game year of simulation, without drawing: four airlines flying 20 planes each on 2- and 3-leg trips.
#include <benchmark/benchmark.h>

#include <memory>

#include "busy_game.h"
#include "sim/simulate_tick.h"

namespace jetvale {
namespace {

constexpr int kTicksPerYear = 365 * kTicksPerDay;  // 105120

void BM_SimulateOneYearWithEightyPlanes(benchmark::State& state) {
  const GameState start = BusyGame();
  int trips = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto game = std::make_unique<GameState>(start);
    state.ResumeTiming();
    for (int tick = 0; tick < kTicksPerYear; ++tick) SimulateTick(*game);
    trips = 0;
    for (const Airline& airline : game->world.airlines) {
      for (const Plane& plane : airline.planes) {
        for (const Flight& leg : plane.legs) trips += leg.timesFlown;
      }
    }
  }
  state.counters["trips"] = trips;
  state.counters["ticks/s"] = benchmark::Counter(kTicksPerYear, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SimulateOneYearWithEightyPlanes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jetvale
