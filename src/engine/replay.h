// A replay: everything from outside that a game took in, by frame, so the same game can be played again
// headless and give the same pictures. Taps and keys by the frame that acted on them, the machine's tick counts
// in the order the game read them, the start speed and the saved game that lay on disk at start, each saved game
// with its history's side file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gfx/host.h"

namespace jetvale {

// A week of play at 30 frames a second: no recording is longer, and a replay that says so is not played.
constexpr std::int64_t kMaxReplayFrames = std::int64_t{7} * 24 * 3600 * 30;

enum class ReplayAction : std::uint8_t { Tap, Scroll, Screenshot, ChartKey, SavedGamesKey, FastForward };

struct ReplayStep {
  std::int64_t frame = 0;  // frames count from 1, the first frame of the program
  ReplayAction action = ReplayAction::Tap;
  int x = 0;  // tap: landscape point; scroll: the direction in x
  int y = 0;
};

struct Replay {
  int gameSpeed = 1;                      // frames per clock tick when the program started
  std::vector<std::uint32_t> tickCounts;  // what the machine's tick count said, in the order the game asked
  std::int64_t frames = 0;                // how many frames the recording covers
  std::optional<std::string> savedGame;   // the saved game's text as it lay on disk at start, if any
  std::optional<std::string> savedHistory;  // the saved game's history side file as it lay on disk at start, if any
  std::optional<std::string> startGame;   // the saved game the program started from (jetvale --load), if any
  std::optional<std::string> startHistory;  // the side file of the game started from, if any
  // The save folder's other saved games (autosaves, slots) and their side files as they lay at start, by name.
  std::vector<std::pair<std::string, std::string>> savedFiles;
  std::vector<ReplayStep> steps;          // in frame order
};

// The replay as a text file: a few header lines, the saved game and the game started from (each followed by its
// history when there is one) and the other saved games' files as counted blocks of bytes, then one line a step
// ("120 tap 150 82", "300 scroll 2", "450 shot", "600 chart", "700 saves", "800 fast"; a shot keeps the picture
// after that frame). Replays without histories, other saved games or these keys, as older programs wrote them, read as they
// always did.
std::string FormatReplay(const Replay& replay);
// False with `error` naming the line when the text is not a replay this program wrote.
bool ParseReplay(std::string_view text, Replay& replay, std::string& error);

// The machine as the recorded game sees it: every tick count read goes into the replay.
class RecordingHost final : public Host {
 public:
  RecordingHost(Host& machine, std::vector<std::uint32_t>& tickLog) : machine_(machine), tickLog_(tickLog) {}
  std::uint32_t TickCount() override {
    tickLog_.push_back(machine_.TickCount());
    return tickLog_.back();
  }
  std::int64_t NowMicroseconds() override { return machine_.NowMicroseconds(); }
  void SleepMicroseconds(std::int64_t microseconds) override { machine_.SleepMicroseconds(microseconds); }

 private:
  Host& machine_;
  std::vector<std::uint32_t>& tickLog_;
};

// Virtual time that answers the recorded tick counts in their order (the last one again when they run out).
class PlaybackHost final : public VirtualHost {
 public:
  explicit PlaybackHost(std::vector<std::uint32_t> tickCounts) : tickCounts_(std::move(tickCounts)) {}
  std::uint32_t TickCount() override;

 private:
  std::vector<std::uint32_t> tickCounts_;
  std::size_t next_ = 0;
};

}  // namespace jetvale
