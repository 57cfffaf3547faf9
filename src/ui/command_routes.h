// The dispatch table's rows and the step of every frame that runs them. A command is a screen or an action. A screen
// is drawn in every frame while it is the current command. An action runs once, in the frame of the tap that chose
// it, and is given the item tapped; the command it leads to is current after it: the one its row names, or the one
// it returns when it chooses among screens. That screen is drawn in the action's own frame. When an action leads
// to another action (a list to rebuild), the second runs in the next frame, and this frame shows the window it will
// rebuild as it stands. An action that hands over quietly (a menu's "Ok") draws nothing: what follows it starts in
// the next frame.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <span>

#include "ui/ui.h"

namespace jetvale {

struct CommandRoute {
  int command = kCommandNone;
  void (*screen)(Ui&) = nullptr;
  void (*action)(Ui&, int item) = nullptr;
  int then = kCommandNone;
  int (*choose)(Ui&, int item) = nullptr;
  bool quiet = false;
};

constexpr CommandRoute Screen(int command, void (*draw)(Ui&)) { return {command, draw}; }
constexpr CommandRoute Action(int command, void (*act)(Ui&, int item), int then) {
  return {command, nullptr, act, then};
}
constexpr CommandRoute Choosing(int command, int (*choose)(Ui&, int item)) {
  return {command, nullptr, nullptr, kCommandNone, choose};
}
constexpr CommandRoute Quietly(CommandRoute route) {
  route.quiet = true;
  return route;
}

// A button tapped since the last frame: its command and its item.
struct Tapped {
  int command = kCommandNone;
  int item = kNoItem;
};

class CommandTable {
 public:
  CommandTable(std::initializer_list<std::span<const CommandRoute>> tables);

  // The dispatch step of a frame: the command a tap chose, else the current one.
  void Run(Ui& ui, std::optional<Tapped> tapped) const;

 private:
  const CommandRoute* Find(int command) const;

  std::array<const CommandRoute*, kCommandSlots> routes_{};
};

// The routes of the map itself: the plain map (command 0), the toolbar's menus and scroll pad, and the close command.
std::span<const CommandRoute> ToolbarRoutes();

}  // namespace jetvale
