// The heart of the program: owns the display and the game, and runs one frame after another on its own thread.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "gfx/gapi_display.h"
#include "gfx/gapi_surface.h"
#include "gfx/gapi_timer.h"
#include "gfx/host.h"
#include "gfx/present_sink.h"
#include "sim/game_state.h"
#include "ui/map_view.h"
#include "ui/status_message.h"

namespace jetvale {

// Game speeds: frames per clock tick.
constexpr int kSpeedFast = 1;
constexpr int kSpeedMedium = 6;
constexpr int kSpeedSlow = 12;

// Commands: the state of the user interface, one int that a tap sets and every frame dispatches on.
constexpr int kCommandToolsMenu = 400;
constexpr int kCommandClose = 999;

constexpr int kToolbarWindow = 0;
constexpr int kToolsMenuWindow = 1;

constexpr const char* kScreenshotFile = "backbuffer.bmp";

class GameObject {
 public:
  // Builds the whole game; nothing runs until Start. `assetDirectory` holds the three bitmaps.
  GameObject(Host& host, std::string assetDirectory);
  ~GameObject();
  GameObject(const GameObject&) = delete;
  GameObject& operator=(const GameObject&) = delete;

  // Window thread. Opens the display on `window` and starts the game thread; false if either fails.
  bool Start(PresentSink& window);
  // Opens the display without a game thread, for whoever drives RunFrame itself (tests, tools).
  bool OpenDisplay(PresentSink& window);
  // Window thread: idle the game thread (and sleep a second, as the window loses the focus) or wake it.
  void Pause();
  void Resume();
  // Any thread but the game thread: ends the game thread and waits for it. Safe to call again.
  void Stop();
  int IsRunning() const { return running_.load(); }
  void RequestScreenshot() { screenshotRequested_.store(1); }

  // Game thread: one whole frame.
  void RunFrame();

  // Why the display could not open or the first frame could not set up; read after Start failed or the
  // game thread ended on its own.
  const std::string& StartupError() const { return startupError_; }
  int ExitRequested() const { return exitRequested_.load(); }

  // Game-thread state, for the screens and for tests that drive frames themselves.
  GameState& Game() { return game_; }
  const CGapiSurface& BackBuffer() const { return backBuffer_; }
  StatusMessage& Status() { return status_; }
  MapView& View() { return mapView_; }
  int CurrentCommand() const { return currentCommand_.load(); }
  void SetCurrentCommand(int command) { currentCommand_.store(command); }
  int CurrentWindow() const { return currentWindow_.load(); }
  int GameSpeed() const { return gameSpeed_; }
  void SetGameSpeed(int framesPerTick) { gameSpeed_ = pendingGameSpeed_ = framesPerTick; }
  const std::string& TimeText() const { return timeText_; }
  const std::string& DateText() const { return dateText_; }

 private:
  void GameThreadMain();
  bool SetUpDisplay();
  void DrawMap();
  void AdvanceSimulation();
  void DrawClockAndBalance();
  void Dispatch();
  void CloseDialog();
  void DrawTitleAndBorders(int width, int height);

  Host& host_;
  std::string assetDirectory_;

  // Shared with the window thread.
  std::atomic<int> running_{0};
  std::atomic<int> threadEnded_{1};
  std::atomic<int> paused_{0};
  std::atomic<int> screenshotRequested_{0};
  std::atomic<int> currentCommand_{kCommandToolsMenu};
  std::atomic<int> currentWindow_{kToolsMenuWindow};
  std::atomic<int> exitRequested_{0};

  std::thread thread_;
  CGapiDisplay display_;
  CGapiSurface backBuffer_;
  CGapiTimer frameTimer_;
  std::uint32_t displayMode_ = kDisplayLandscape;
  int setupNeeded_ = 1;
  StatusMessage status_;
  std::string startupError_;

  // Kept by the frame function.
  int gameSpeed_ = kSpeedFast;
  int pendingGameSpeed_ = kSpeedFast;  // what the Options window shows until its "Ok"
  std::int64_t frameCounter_ = 0;      // frames drawn while the clock runs; never reset, never overflows
  std::string timeText_;
  std::string dateText_;
  CGapiSurface frameSurface_;
  CGapiSurface spriteSurface_;
  CGapiSurface mapSurface_;
  MapView mapView_;

  GameState game_;
};

}  // namespace jetvale
