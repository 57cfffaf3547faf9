// jetvale-frame-timing: the busiest frame's RunFrame, timed in batches. The same source is built natively and as
// WebAssembly (its page is frame_timing.html), so scripts/web --test can set the two side by side.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "busiest_frame.h"

namespace {

constexpr int kBatches = 30;
constexpr int kFramesPerBatch = 100;  // long enough to hide a coarse browser clock

// Time stands still and a sleep returns at once, as in the browser: a virtual host's sleep yields the processor,
// which on a busy machine would time other programs with the frame.
class StillHost final : public jetvale::Host {
 public:
  std::uint32_t TickCount() override { return 1; }
  std::int64_t NowMicroseconds() override { return 0; }
  void SleepMicroseconds(std::int64_t /*microseconds*/) override {}
};

}  // namespace

int main() {
  using namespace jetvale;
  StillHost host;
  HeadlessSink sink;
  GameObject game(host, JETVALE_ASSET_DIR, std::filesystem::temp_directory_path().string());  // never saves
  std::string error;
  if (!StartGame(game, sink, error)) {
    std::fprintf(stderr, "jetvale-frame-timing: %s\n", error.c_str());
    return 1;
  }
  ShowPlaneEditSlowly(game);
  std::vector<double> microseconds;  // a frame's mean time in each batch
  for (int batch = 0; batch < kBatches; ++batch) {
    if (batch * kFramesPerBatch % kFramesBetweenLaunches == 0) LaunchEightyPlanes(game.Game().world);
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFramesPerBatch; ++frame) game.RunFrame();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    microseconds.push_back(spent.count() / kFramesPerBatch);
  }
  // Other programs on the machine only ever add time, so the fastest batch is the steadiest figure.
  std::sort(microseconds.begin(), microseconds.end());
  std::printf("RunFrame with 80 planes and Plane Edit: fastest %.1f us, median %.1f us a frame (%d batches of %d)\n",
              microseconds.front(), microseconds[microseconds.size() / 2], kBatches, kFramesPerBatch);
  return 0;
}
