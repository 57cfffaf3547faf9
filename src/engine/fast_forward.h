// Fast-forward: the clock moves a step of ticks a frame, each tick's work done as at "FAST" (the flight cycle, the
// planes' steps on the map, month and year ends, the program-run airlines), and the frame draws once. Off (0) is
// the game as it always ran, whatever its speed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace jetvale {

// The key steps through these ticks a frame, and back to off; 512 a frame pass a game year in about seven seconds.
constexpr std::array<int, 4> kFastForwardSteps = {0, 8, 64, 512};

constexpr int NextFastForward(int ticksPerFrame) {
  for (std::size_t i = 0; i + 1 < kFastForwardSteps.size(); ++i) {
    if (kFastForwardSteps[i] == ticksPerFrame) return kFastForwardSteps[i + 1];
  }
  return 0;
}

// The status line's mark beside the clock while fast-forward is on.
inline std::string FastForwardMark(int ticksPerFrame) { return ">>" + std::to_string(ticksPerFrame); }

// While fast-forward is on, a month end's autosave waits until the last one is this many frames (30 seconds) old,
// so writing to the disk holds up no frame that passes a month in half a second; a month end it skipped is saved
// when fast-forward stops.
constexpr std::int64_t kFastForwardAutosaveFrames = 900;

}  // namespace jetvale
