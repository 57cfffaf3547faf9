// The replay's text: written by the recording game, read by the headless player.
#include "engine/replay.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "gfx/gapi_display.h"
#include "save/history_file.h"
#include "save/saved_games.h"
#include "ui/map_view.h"
#include "ui/ui.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr std::string_view kFirstLine = "jetvale replay 1";
// The blocks a replay may carry, in this order: the two saved games, each with its history.
constexpr std::string_view kSavedGameBlock = "saved-game";
constexpr std::string_view kSavedHistoryBlock = "saved-history";
constexpr std::string_view kStartGameBlock = "start-game";
constexpr std::string_view kStartHistoryBlock = "start-history";
// Then any number of the other saved games' files, each named: "saved-file slot-2.txt 130000".
constexpr std::string_view kSavedFileBlock = "saved-file";

// The names a saved-file block may carry: the saved games the game writes beside "am.txt", and their side files.
bool IsSavedGameFileName(std::string_view name) {
  for (const SavedGamePlace& place : kSavedGamePlaces) {
    if (place.kind != SavedGameKind::Saved && (name == place.file || name == HistoryFilePath(std::string(place.file)))) {
      return true;
    }
  }
  return false;
}

template <typename ConstOrNot>
auto Blocks(ConstOrNot& replay) {
  return std::array{std::pair{kSavedGameBlock, &replay.savedGame}, std::pair{kSavedHistoryBlock, &replay.savedHistory},
                    std::pair{kStartGameBlock, &replay.startGame}, std::pair{kStartHistoryBlock, &replay.startHistory}};
}
// The steps that are a word alone: a screenshot and the keys.
constexpr std::array<std::pair<std::string_view, ReplayAction>, 4> kWordSteps = {{
    {"shot", ReplayAction::Screenshot},
    {"chart", ReplayAction::ChartKey},
    {"saves", ReplayAction::SavedGamesKey},
    {"fast", ReplayAction::FastForward},
}};
constexpr std::array<std::string_view, 5> kDirectionNames = {"none", "up", "left", "right", "down"};

// Cuts the next line (without its line feed) off the front of `text`; false at the end.
bool NextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const std::size_t end = text.find('\n');
  line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return true;
}

// Cuts the next space-separated word off the front of `line`.
std::string_view NextWord(std::string_view& line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  line.remove_prefix(start);
  const std::size_t end = line.find(' ');
  const std::string_view word = line.substr(0, end);
  line.remove_prefix(end == std::string_view::npos ? line.size() : end);
  return word;
}

template <typename Number>
bool ReadNumber(std::string_view& line, Number& value) {
  const std::string_view word = NextWord(line);
  const auto [end, failure] = std::from_chars(word.data(), word.data() + word.size(), value);
  return !word.empty() && failure == std::errc{} && end == word.data() + word.size();
}

bool ReadDirection(std::string_view& line, int& direction) {
  const std::string_view word = NextWord(line);
  for (int d = kScrollUp; d <= kScrollDown; ++d) {
    if (word == At(kDirectionNames, d)) {
      direction = d;
      return true;
    }
  }
  return false;
}

// Empty when the line is a step the game could have taken, else why not.
std::string ReadStep(std::string_view line, std::int64_t lastFrame, ReplayStep& step) {
  if (!ReadNumber(line, step.frame) || step.frame < 1 || step.frame < lastFrame) return "not a step";
  if (step.frame > kMaxReplayFrames) return "a step after frame " + std::to_string(kMaxReplayFrames) + " (a week)";
  const std::string_view action = NextWord(line);
  bool read = false;
  if (action == "tap") {
    step.action = ReplayAction::Tap;
    read = ReadNumber(line, step.x) && ReadNumber(line, step.y);
    // The window passes on only taps on the picture.
    if (read && (step.x < 0 || step.y < 0 || step.x >= kScreenWidth || step.y >= kScreenHeight)) {
      return "a tap beside the 320 x 240 screen";
    }
  } else if (action == "scroll") {
    step.action = ReplayAction::Scroll;
    read = ReadDirection(line, step.x);
  } else {
    for (const auto& [word, keyAction] : kWordSteps) {
      if (action == word) step.action = keyAction, read = true;
    }
  }
  return read && NextWord(line).empty() ? "" : "not a step";
}

}  // namespace

std::string FormatReplay(const Replay& replay) {
  std::string text(kFirstLine);
  text.append("\nspeed ").append(std::to_string(replay.gameSpeed)).append("\nticks");
  for (const std::uint32_t tick : replay.tickCounts) text.append(" ").append(std::to_string(tick));
  text.append("\nframes ").append(std::to_string(replay.frames)).append("\n");
  for (const auto& [name, block] : Blocks(replay)) {
    if (!*block) continue;
    text.append(name).append(" ").append(std::to_string((*block)->size())).append("\n").append(**block).append("\n");
  }
  for (const auto& [name, bytes] : replay.savedFiles) {
    text.append(kSavedFileBlock).append(" ").append(name).append(" ").append(std::to_string(bytes.size()));
    text.append("\n").append(bytes).append("\n");
  }
  text.append("steps\n");
  for (const ReplayStep& step : replay.steps) {
    text.append(std::to_string(step.frame));
    switch (step.action) {
      case ReplayAction::Tap:
        text.append(" tap ").append(std::to_string(step.x)).append(" ").append(std::to_string(step.y));
        break;
      case ReplayAction::Scroll:
        text.append(" scroll ").append(At(kDirectionNames, step.x));
        break;
      default:
        for (const auto& [word, keyAction] : kWordSteps) {
          if (step.action == keyAction) text.append(" ").append(word);
        }
        break;
    }
    text.append("\n");
  }
  return text;
}

bool ParseReplay(std::string_view text, Replay& replay, std::string& error) {
  Replay read;
  std::string_view line;
  int lineNumber = 1;
  const auto fail = [&](std::string_view what) {
    error = std::string("line ").append(std::to_string(lineNumber)).append(": ").append(what);
    return false;
  };
  if (!NextLine(text, line) || line != kFirstLine) return fail("not a Jetvale replay");
  ++lineNumber;
  if (!NextLine(text, line) || NextWord(line) != "speed" || !ReadNumber(line, read.gameSpeed) ||
      !IsGameSpeed(read.gameSpeed)) {
    return fail("expected \"speed\" and 1, 6 or 12 frames per tick");
  }
  ++lineNumber;
  if (!NextLine(text, line) || NextWord(line) != "ticks") return fail("expected \"ticks\"");
  while (line.find_first_not_of(' ') != std::string_view::npos) {
    std::uint32_t tick = 0;
    if (!ReadNumber(line, tick)) return fail("a tick count is not a whole number");
    read.tickCounts.push_back(tick);
  }
  ++lineNumber;
  if (!NextLine(text, line) || NextWord(line) != "frames" || !ReadNumber(line, read.frames) || read.frames < 0 ||
      read.frames > kMaxReplayFrames) {
    return fail("expected \"frames\" and a count up to " + std::to_string(kMaxReplayFrames) + " (a week)");
  }
  ++lineNumber;
  if (!NextLine(text, line)) return fail("expected \"steps\"");
  for (const auto& [name, block] : Blocks(read)) {
    std::string_view header = line;
    if (NextWord(header) != name) continue;
    std::size_t size = 0;
    if (!ReadNumber(header, size) || size >= text.size()) return fail("a saved game is cut short");
    *block = std::string(text.substr(0, size));
    lineNumber += 1 + static_cast<int>(std::count((*block)->begin(), (*block)->end(), '\n'));
    text.remove_prefix(size);
    if (!NextLine(text, line) || !line.empty() || !NextLine(text, line)) return fail("expected \"steps\"");
    ++lineNumber;
  }
  for (std::string_view header = line; NextWord(header) == kSavedFileBlock; header = line) {
    const std::string_view name = NextWord(header);
    std::size_t size = 0;
    if (!IsSavedGameFileName(name)) return fail("no saved game of the game's is called '" + std::string(name) + "'");
    if (!ReadNumber(header, size) || size >= text.size()) return fail("a saved game is cut short");
    const std::string bytes(text.substr(0, size));
    read.savedFiles.emplace_back(std::string(name), bytes);
    lineNumber += 1 + static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
    text.remove_prefix(size);
    if (!NextLine(text, line) || !line.empty() || !NextLine(text, line)) return fail("expected \"steps\"");
    ++lineNumber;
  }
  if (line != "steps") return fail("expected \"steps\"");
  while (NextLine(text, line)) {
    ++lineNumber;
    ReplayStep step;
    if (const std::string why = ReadStep(line, read.steps.empty() ? 1 : read.steps.back().frame, step);
        !why.empty()) {
      return fail(why);
    }
    read.steps.push_back(step);
  }
  replay = std::move(read);
  return true;
}

std::uint32_t PlaybackHost::TickCount() {
  if (tickCounts_.empty()) return 1;
  const std::uint32_t tick = tickCounts_[next_];
  if (next_ + 1 < tickCounts_.size()) ++next_;
  return tick;
}

}  // namespace jetvale
