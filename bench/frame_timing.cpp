// jetvale-frame-timing: the busiest frame's RunFrame, timed in batches, then a frame of the busy game at each
// fast-forward step and a forecast of its next twelve months. The same source is built natively and as
// WebAssembly (its page is frame_timing.html), so scripts/web --test can set the two side by side.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "busiest_frame.h"
#include "busy_game.h"
#include "engine/fast_forward.h"
#include "sim/forecast.h"

namespace {

constexpr int kBatches = 30;
constexpr int kFramesPerBatch = 100;  // long enough to hide a coarse browser clock
constexpr int kFastForwardBatches = 10;
constexpr int kForecastRuns = 3;

// Time stands still and a sleep returns at once, as in the browser: a virtual host's sleep yields the processor,
// which on a busy machine would time other programs with the frame.
class StillHost final : public jetvale::Host {
 public:
  std::uint32_t TickCount() override { return 1; }
  std::int64_t NowMicroseconds() override { return 0; }
  void SleepMicroseconds(std::int64_t /*microseconds*/) override {}
};

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Other programs on the machine only ever add time, so the fastest is the steadiest figure; the median beside it.
struct Figures {
  double fastest = 0;
  double median = 0;
};

Figures Sorted(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2]};
}

// At the largest step a batch has fewer frames, so that it passes at most kTicksPerBatch (some 36 game days).
constexpr int kTicksPerBatch = 10240;
int FramesPerBatch(int step) { return step == 0 ? kFramesPerBatch : std::min(kFramesPerBatch, kTicksPerBatch / step); }

}  // namespace

int main() {
  using namespace jetvale;
  StillHost host;
  HeadlessSink sink;
  // The busy game's month ends write autosaves: into a folder of their own, never beside anything else.
  const std::filesystem::path saveFolder = std::filesystem::temp_directory_path() / "jetvale_frame_timing";
  std::error_code error;
  std::filesystem::create_directories(saveFolder, error);
  GameObject game(host, JETVALE_ASSET_DIR, saveFolder.string());
  std::string problem;
  if (!StartGame(game, sink, problem)) {
    std::fprintf(stderr, "jetvale-frame-timing: %s\n", problem.c_str());
    return 1;
  }
  ShowPlaneEditSlowly(game);
  std::vector<double> microseconds;  // a frame's mean time in each batch
  for (int batch = 0; batch < kBatches; ++batch) {
    if (batch * kFramesPerBatch % kFramesBetweenLaunches == 0) LaunchEightyPlanes(game.Game().world);
    const auto start = Clock::now();
    for (int frame = 0; frame < kFramesPerBatch; ++frame) game.RunFrame();
    microseconds.push_back(MicrosecondsSince(start) / kFramesPerBatch);
  }
  const Figures busiest = Sorted(microseconds);
  std::printf("RunFrame with 80 planes and Plane Edit: fastest %.1f us, median %.1f us a frame (%d batches of %d)\n",
              busiest.fastest, busiest.median, kBatches, kFramesPerBatch);

  // The busy game (80 planes on their schedules, the rivals acting) on the map with no window, one step after
  // the other: each step goes on from the game time the last one reached.
  const auto busy = std::make_unique<GameObject>(host, JETVALE_ASSET_DIR, saveFolder.string());
  if (!StartGame(*busy, sink, problem)) return 1;
  busy->Game() = BusyGame();
  busy->Interface().command = kCommandNone;
  for (const int step : kFastForwardSteps) {
    while (busy->FastForward() != step) busy->FastForwardKey(), busy->RunFrame();
    const int frames = FramesPerBatch(step);
    microseconds.clear();
    for (int batch = 0; batch < kFastForwardBatches; ++batch) {
      const auto start = Clock::now();
      for (int frame = 0; frame < frames; ++frame) busy->RunFrame();
      microseconds.push_back(MicrosecondsSince(start) / frames);
    }
    const Figures stepped = Sorted(microseconds);
    std::printf("RunFrame of the busy game at fast-forward %d: fastest %.1f us, median %.1f us a frame "
                "(%d batches of %d)\n", step, stepped.fastest, stepped.median, kFastForwardBatches, frames);
  }

  // The history chart's forecast of the busy game as it starts: twelve months played on a copy.
  const auto start = std::make_unique<GameState>(BusyGame());
  microseconds.clear();
  std::size_t months = 0;
  for (int run = 0; run < kForecastRuns; ++run) {
    const auto begun = Clock::now();
    months = ForecastMonths(*start, kForecastMonths).size();
    microseconds.push_back(MicrosecondsSince(begun));
  }
  const Figures forecast = Sorted(microseconds);
  std::printf("Forecast of the busy game, %zu months: fastest %.1f ms, median %.1f ms (%d runs)\n", months,
              forecast.fastest / 1000, forecast.median / 1000, kForecastRuns);
  std::filesystem::remove_all(saveFolder, error);
  return 0;
}
