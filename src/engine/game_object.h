// The heart of the program: owns the display and the game, and runs one frame after another on its own thread.
#pragma once

#include <optional>
#include <atomic>
#include <string>
#include <thread>

#include "engine/input_queue.h"
#include "engine/replay.h"
#include "gfx/gapi_display.h"
#include "gfx/gapi_surface.h"
#include "gfx/gapi_timer.h"
#include "gfx/host.h"
#include "gfx/present_sink.h"
#include "sim/game_state.h"
#include "sim/plane_motion.h"
#include "ui/command_routes.h"

namespace jetvale {

constexpr const char* kScreenshotFile = "backbuffer.bmp";
constexpr const char* kReplayFile = "replay.txt";  // in the save folder
constexpr const char* kAutosaveFile = "autosave.txt";  // in the save folder, beside the saved game

class GameObject {
 public:
  // Builds the whole game; nothing runs until Start. `assetDirectory` holds the three bitmaps, `saveFolder`
  // the saved game.
  GameObject(Host& host, std::string assetDirectory, std::string saveFolder);
  ~GameObject();
  GameObject(const GameObject&) = delete;
  GameObject& operator=(const GameObject&) = delete;

  // Before Start: the game speed the program starts with (the player's last choice).
  void SetStartSpeed(int framesPerTick);
  // Before Start: the game begins with the saved game at `path` loaded and running, on the map, as "Load Game"
  // leaves it; false with `problem` saying why when the file cannot be loaded, and the game is as built.
  bool LoadAtStart(const std::string& path, std::string& problem);
  // Window thread. Opens the display on `window` and starts the game thread; false if either fails.
  bool Start(PresentSink& window);
  // Opens the display without a game thread, for whoever drives RunFrame itself (tests, tools).
  bool OpenDisplay(PresentSink& window);
  // Window thread: idle the game thread after its current frame, or wake it. Neither blocks the caller.
  void Pause() { paused_.store(true); }
  void Resume() { paused_.store(false); }
  // Any thread but the game thread: ends the game thread and waits for it. Safe to call again.
  void Stop();
  bool IsRunning() const { return running_.load(); }
  // Writes the game under way to kAutosaveFile in the save folder, as a saved game; nothing while no game has
  // started. The game thread calls it at every month end; call it from another thread only after Stop.
  void Autosave();
  void RequestScreenshot() { screenshotRequested_.store(true); }
  // Any thread: the next frame writes everything played so far to kReplayFile in the save folder.
  void RequestReplay() { replayRequested_.store(true); }
  // Window thread: a stylus tap in portrait screen coordinates, tested against the current window by the next
  // frame's dispatch step (or this frame's, if it has not run yet).
  void Tap(int portraitX, int portraitY) { input_.Push({InputKind::Tap, portraitX, portraitY, 0}); }
  // Window thread: an arrow key scrolls the map like the pad's arrow.
  void ScrollKey(int direction) { input_.Push({InputKind::ScrollKey, 0, 0, direction}); }
  // Window thread: the history chart's key opens the chart, or closes it when it is up.
  void ChartKey() { input_.Push({InputKind::ChartKey, 0, 0, 0}); }
  // Window thread: the saved games' key opens the list of saved games, or closes it when it is up.
  void SavedGamesKey() { input_.Push({InputKind::SavedGamesKey, 0, 0, 0}); }
  // Window thread: the fast-forward key takes the next step of kFastForwardSteps from the next frame on.
  void FastForwardKey() { input_.Push({InputKind::FastForwardKey, 0, 0, 0}); }
  // Ticks a frame while fast-forward is on; 0 when off.
  int FastForward() const { return fastForward_; }
  bool ExitRequested() const { return ui_.exitRequested.load(); }

  // Game thread: one whole frame.
  void RunFrame();

  // Why the display could not open or the first frame could not set up; read after Start failed or the
  // game thread ended on its own.
  const std::string& StartupError() const { return startupError_; }

  // Game-thread state, for tests and tools that drive frames themselves.
  GameState& Game() { return game_; }
  Ui& Interface() { return ui_; }
  const CGapiSurface& BackBuffer() const { return backBuffer_; }
  const std::string& TimeText() const { return timeText_; }
  const std::string& DateText() const { return dateText_; }
  // Frames begun since the program started; the first frame is frame 1.
  std::int64_t FramesRun() const { return framesRun_; }
  // What a replay of this game holds so far (its frame count is set when it is written).
  const Replay& Recording() const { return record_; }

 private:
  void GameThreadMain();
  bool SetUpDisplay();
  void DrawMap();
  void AdvanceSimulation();
  void FastForwardTicks();
  void MonthEndAutosave();
  void DrawClockAndBalance();
  void TakeRequests();
  std::optional<Tapped> ApplyInput();
  void DrawTitleAndBorders(int width, int height);

  Replay record_;        // game thread, once started
  RecordingHost host_;   // the machine, its tick counts recorded
  std::string assetDirectory_;

  // Shared with the window thread.
  std::atomic<bool> running_{false};
  std::atomic<bool> paused_{false};
  std::atomic<bool> screenshotRequested_{false};
  std::atomic<bool> replayRequested_{false};
  InputQueue input_;

  std::thread thread_;
  CGapiDisplay display_;
  CGapiSurface backBuffer_;
  CGapiTimer frameTimer_;
  std::uint32_t displayMode_ = kDisplayLandscape;
  bool setupNeeded_ = true;
  std::string startupError_;

  // Kept by the frame function.
  std::int64_t framesRun_ = 0;
  Sky sky_;  // the planes on their way this frame
  std::int64_t frameCounter_ = 0;  // frames drawn while the clock runs; never reset, never overflows
  int fastForward_ = 0;  // ticks a frame; 0 off
  std::int64_t lastAutosaveFrame_ = 0;
  bool autosaveSkipped_ = false;  // a month ended under fast-forward without its autosave
  std::string timeText_;
  std::string dateText_;
  CGapiSurface frameSurface_;
  CGapiSurface spriteSurface_;
  CGapiSurface mapSurface_;

  GameState game_;
  Ui ui_;
  CommandTable commands_;
};

}  // namespace jetvale
