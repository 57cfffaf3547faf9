// Headless replay: the recorded steps go into the game's input exactly where the window thread put them.
#include "cli/replay_run.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "gfx/asset_directory.h"
#include "save/history_file.h"
#include "save/save_file.h"
#include "gfx/gapi_display.h"

namespace jetvale {
namespace {

// Puts a recorded saved game and its history at `path` and beside it, or nothing there when none was recorded.
void PlaceSavedGame(const std::string& path, const std::optional<std::string>& game,
                    const std::optional<std::string>& history) {
  for (const auto& [file, text] : {std::pair{path, &game}, std::pair{HistoryFilePath(path), &history}}) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (*text) WriteFileSafely(file, **text);
  }
}

// Puts the recorded saved games where "Load Game" and the saved games' list look, so the replay finds what the
// player found.
std::string PrepareSaveFolder(const Replay& replay, const std::string& saveFolder) {
  PlaceSavedGame(SaveFilePath(saveFolder), replay.savedGame, replay.savedHistory);
  for (const auto& [name, bytes] : replay.savedFiles) {
    WriteFileSafely((std::filesystem::path(saveFolder) / name).string(), bytes);
  }
  return saveFolder;
}

// A new empty folder of our own under the system's temporary folder ($TMPDIR, else /tmp); false with `error` set
// when there is none.
bool MakeScratchFolder(std::string& folder, std::string& error) {
  std::error_code failure;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(failure);
  if (failure) {
    const char* named = std::getenv("TMPDIR");
    error = "no temporary folder for the replay's saves (TMPDIR is '" + std::string(named ? named : "") +
            "'): " + failure.message();
    return false;
  }
  folder = (temporary / "jetvale-replay-XXXXXX").string();
  if (::mkdtemp(folder.data()) != nullptr) return true;
  error = "cannot make a folder for the replay's saves in " + temporary.string() + ": " + std::strerror(errno);
  return false;
}

// Whether the replay keeps any picture: a recorded F12 press or a frame of --shot.
bool TakesPictures(const Replay& replay, const SimOptions& options) {
  const auto isShot = [](const ReplayStep& step) { return step.action == ReplayAction::Screenshot; };
  return !options.shotFrames.empty() || std::any_of(replay.steps.begin(), replay.steps.end(), isShot);
}

// The pictures' folder, made when missing before anything is played; false with `error` set when it cannot be
// made or takes no files.
bool MakeShotFolder(const std::string& folder, std::string& error) {
  std::error_code failure;
  std::filesystem::create_directories(folder, failure);
  if (failure) {
    error = "--shots: cannot make the folder '" + folder + "': " + failure.message();
  } else if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    error = "--shots: the folder '" + folder + "' takes no new files";
  } else {
    return true;
  }
  return false;
}

}  // namespace

int PlayReplayFile(const SimOptions& options, std::string& report, std::string& error) {
  std::string text;
  Replay replay;
  if (!ReadWholeFile(options.replayFile, text)) {
    error = "cannot read the replay '" + options.replayFile + "'";
    return kExitRefused;
  }
  if (!ParseReplay(text, replay, error)) {
    error = options.replayFile + ": " + error;
    return kExitRefused;
  }
  std::string scratch;
  if (!MakeScratchFolder(scratch, error)) return kExitRefused;
  std::vector<std::string> pictures;
  int status = kExitRefused;
  {
    ReplayRun run(replay, FindAssetDirectory(), scratch);
    if (!run.StartRefusal().empty()) {
      error = options.replayFile + ": " + run.StartRefusal();
    } else if (!TakesPictures(replay, options) || MakeShotFolder(options.shotFolder, error)) {
      const bool played = run.Play(options.shotFrames, options.shotFolder, pictures, error);
      report = "Jetvale replay, " + std::to_string(run.Game().FramesRun()) + " frames\n";
      if (played) report += GameSummary(run.Game().Game());
      status = played ? 0 : kExitFailed;
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
  for (const std::string& picture : pictures) report.append("picture ").append(picture).append("\n");
  return status;
}

std::string ShotFileName(std::int64_t frame) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%06lld.bmp", static_cast<long long>(frame));
  return name;
}

ReplayRun::ReplayRun(const Replay& replay, const std::string& assetDirectory, const std::string& saveFolder)
    : replay_(replay),
      host_(replay.tickCounts),
      game_(std::make_unique<GameObject>(host_, assetDirectory, PrepareSaveFolder(replay, saveFolder))) {
  game_->SetStartSpeed(replay.gameSpeed);
  if (replay.startGame) {
    // A game started with --load starts from the same file here.
    const std::string path = (std::filesystem::path(saveFolder) / "start-game.txt").string();
    PlaceSavedGame(path, replay.startGame, replay.startHistory);
    if (std::string problem; !game_->LoadAtStart(path, problem)) {
      startRefusal_ = "cannot load the saved game it starts from: " + problem;
    }
  }
}

bool ReplayRun::Play(const std::vector<std::int64_t>& extraShots, const std::string& shotFolder,
                     std::vector<std::string>& written, std::string& error) {
  if (!game_->OpenDisplay(sink_)) {
    error = game_->StartupError();
    return false;
  }
  std::vector<std::int64_t> shots = extraShots;
  for (const ReplayStep& step : replay_.steps) {
    if (step.action == ReplayAction::Screenshot) shots.push_back(step.frame);
  }
  std::sort(shots.begin(), shots.end());
  shots.erase(std::unique(shots.begin(), shots.end()), shots.end());

  const std::int64_t lastStep = replay_.steps.empty() ? 0 : replay_.steps.back().frame;
  const std::int64_t frames = std::max({replay_.frames, lastStep, shots.empty() ? 0 : shots.back()});
  auto step = replay_.steps.begin();
  auto shot = shots.begin();
  for (std::int64_t frame = 1; frame <= frames; ++frame) {
    for (; step != replay_.steps.end() && step->frame == frame; ++step) {
      if (step->action == ReplayAction::Tap) game_->Tap(step->y, kScreenWidth - step->x);
      if (step->action == ReplayAction::Scroll) game_->ScrollKey(step->x);
      if (step->action == ReplayAction::ChartKey) game_->ChartKey();
      if (step->action == ReplayAction::SavedGamesKey) game_->SavedGamesKey();
      if (step->action == ReplayAction::FastForward) game_->FastForwardKey();
    }
    game_->RunFrame();
    if (!game_->StartupError().empty()) {
      error = game_->StartupError();
      return false;
    }
    for (; shot != shots.end() && *shot == frame; ++shot) {
      const std::string path = (std::filesystem::path(shotFolder) / ShotFileName(frame)).string();
      if (GapiFailed(game_->BackBuffer().SaveSurface(path))) {
        error = "cannot write " + path;
        return false;
      }
      written.push_back(path);
    }
  }
  return true;
}

}  // namespace jetvale
