// The program's one window: turns SDL's keys, clicks and focus changes into calls on the game object.
#pragma once

#include <SDL.h>

#include <memory>

#include "engine/game_object.h"
#include "gfx/gapi_input.h"
#include "gfx/host.h"
#include "shell/sdl_presenter.h"

namespace jetvale {

class CMainFrame {
 public:
  CMainFrame(Host& host, const std::string& assetDirectory, const std::string& saveFolder, int scale);

  // Opens the window and starts the game; false with StartupError() when either fails.
  bool Create();
  // Runs the window's event loop until the program closes. Returns the process exit code.
  int Run();
  const std::string& StartupError() const { return game_->StartupError(); }

 private:
  // True when the event closes the program.
  bool OnEvent(const SDL_Event& event);
  bool OnKeyDown(const SDL_KeyboardEvent& key);
  bool OnStylusDown(int x, int y);
  void ShowAbout();

  CGapiInput keyInput_;
  SdlPresenter presenter_;
  std::unique_ptr<GameObject> game_;
  std::string replayPath_;
};

}  // namespace jetvale
