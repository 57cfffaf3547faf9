// The user interface's state between frames: windows, the current command, the map view and the screen cursors.
// Only the game thread reads and writes it; the window thread reaches the game through the game object's inputs.
#pragma once

#include <atomic>
#include <span>
#include <string>

#include "gfx/gapi_surface.h"
#include "sim/game_state.h"
#include "ui/game_window.h"
#include "ui/map_view.h"
#include "ui/status_message.h"
#include "ui/window_layouts.h"

namespace jetvale {

// Game speeds: frames per clock tick.
constexpr int kSpeedFast = 1;
constexpr int kSpeedMedium = 6;
constexpr int kSpeedSlow = 12;

// The commands every family knows; each screen family names its own next to its handlers.
constexpr int kCommandNone = 0;
constexpr int kCommandToolsMenu = 400;
constexpr int kCommandClose = 999;

constexpr int kMessageFrames = 200;  // how long the game's own messages stay on the status line

struct Ui {
  Ui(GameState& state, CGapiSurface& backBuffer);

  // Draws the window over this frame's picture and makes it the one the stylus is tested against.
  void Show(int window);
  // A status message of the game's own, replacing the last one.
  void Say(std::string text) { status.Set(std::move(text), kMessageFrames); }
  // Back to the plain map: nothing to do, the toolbar current.
  void ShowMap();
  // The cursors of every screen back to their start values, as the close command leaves them.
  void ResetCursors();

  GameState& game;
  CGapiSurface& screen;
  WindowTable windows;
  StatusMessage status;
  int command = kCommandToolsMenu;  // the program starts with the Tools menu open
  int currentWindow = kToolsMenuWindow;
  MapView map;
  int gameSpeed = kSpeedFast;
  int pendingGameSpeed = kSpeedFast;  // what "Options" shows until its "Ok"
  std::atomic<int> exitRequested{0};  // read by the window thread: the next tap closes the program
};

// A command and the handler that runs every frame while it is the current command.
struct CommandRoute {
  int command;
  void (*handler)(Ui&);
};

}  // namespace jetvale
