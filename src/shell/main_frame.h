// The program's one window: turns SDL's keys, clicks and focus changes into calls on the game object.
#pragma once

#include <SDL.h>

#include <memory>

#include "engine/game_object.h"
#include "gfx/gapi_input.h"
#include "gfx/host.h"
#include "shell/sdl_presenter.h"
#include "shell/settings.h"

namespace jetvale {

constexpr int kFrameStatsSpanSeconds = 5;

class CMainFrame {
 public:
  // The window and game start as `settings` say; with `frameStats` the window reports on standard error how
  // long the first picture took, the frames a second it showed over every span of kFrameStatsSpanSeconds, and
  // over the whole run.
  CMainFrame(Host& host, const std::string& assetDirectory, const std::string& saveFolder, const Settings& settings,
             bool frameStats = false);

  // Opens the window and starts the game; false with StartupError() when either fails.
  bool Create();
  // Runs the window's event loop until the program closes. Returns the process exit code.
  int Run();
  const std::string& StartupError() const { return game_->StartupError(); }
  // After Run: the game speed and the window as the player left them, to remember for the next run.
  Settings FinalSettings() const;
  GameObject& Game() { return *game_; }

 private:
  // True when the event closes the program.
  bool OnEvent(const SDL_Event& event);
  bool OnKeyDown(const SDL_KeyboardEvent& key);
  bool OnStylusDown(int x, int y);
  void ShowAbout();
  void ShowLatestFrame();
  void ReportFrameStats() const;
  void ReportFrameSpan();

  Host& host_;
  CGapiInput keyInput_;
  SdlPresenter presenter_;
  std::unique_ptr<GameObject> game_;
  std::string replayPath_;
  bool frameStats_;
  std::int64_t framesShown_ = 0;
  std::int64_t firstPictureMicroseconds_ = -1;
  std::int64_t spanStartMicroseconds_ = 0;
  std::int64_t spanStartFrames_ = 0;
};

}  // namespace jetvale
