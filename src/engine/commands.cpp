// The command dispatch: which handler runs for the current command. Commands without a handler do nothing.
#include <array>

#include "engine/game_object.h"

namespace jetvale {
namespace {

struct CommandRoute {
  int command;
  void (GameObject::*handler)();
};

}  // namespace

void GameObject::Dispatch() {
  static constexpr std::array<CommandRoute, 1> kRoutes = {{
      {kCommandClose, &GameObject::CloseDialog},
  }};
  const int command = currentCommand_.load();
  for (const CommandRoute& route : kRoutes) {
    if (route.command == command) (this->*route.handler)();
  }
}

// "Cancel", "No" and "Close": back to the plain map with the toolbar current, and the screen cursors reset.
// Runs every frame while the command stays; no window is drawn.
void GameObject::CloseDialog() {
  currentWindow_.store(kToolbarWindow);
  pendingGameSpeed_ = gameSpeed_;
}

}  // namespace jetvale
