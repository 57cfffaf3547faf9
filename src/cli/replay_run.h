// Plays a recorded replay on a headless game, frame by frame, and keeps the pictures it asks for.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/game_object.h"
#include "cli/simulation_run.h"
#include "engine/replay.h"

namespace jetvale {

class ReplayRun {
 public:
  // The game starts as the recorded one did: same tick counts, same speed, from the same loaded game if it
  // started from one, and the recorded saved game in `saveFolder` (any other saved game there is removed), which
  // also takes the game's own saves and autosaves.
  ReplayRun(const Replay& replay, const std::string& assetDirectory, const std::string& saveFolder);

  // Why the game the replay starts from cannot be loaded; empty when it loaded or there is none. A replay refused
  // so is not to be played: it would play another game than the one recorded.
  const std::string& StartRefusal() const { return startRefusal_; }

  // Runs every recorded frame, feeding each step to the frame it was taken in, and writes the picture after each
  // recorded shot and each frame of `extraShots` to "frame-<n>.bmp" in `shotFolder`. False with `error` set
  // when the display, the bitmaps or a picture file fail. `written` lists the files in frame order.
  bool Play(const std::vector<std::int64_t>& extraShots, const std::string& shotFolder,
            std::vector<std::string>& written, std::string& error);

  GameObject& Game() { return *game_; }

 private:
  Replay replay_;
  PlaybackHost host_;
  HeadlessSink sink_;
  std::unique_ptr<GameObject> game_;
  std::string startRefusal_;
};

// jetvale-sim --replay: plays options.replayFile with the game's own bitmaps, saves going to a scratch folder
// that is removed afterwards, and returns in `report` the summary of the game it ends in and the pictures kept.
// Returns the exit status: 0, or kExitRefused or kExitFailed with `error` set.
int PlayReplayFile(const SimOptions& options, std::string& report, std::string& error);

// The picture file of frame `frame`: "frame-000450.bmp".
std::string ShotFileName(std::int64_t frame);

}  // namespace jetvale
