// "Saved Games": the saved game, the autosaves and the slots of the save folder, each as its file says, to save
// into a slot, load any game that reads well, or delete a slot.
#pragma once

#include <span>

#include "ui/command_routes.h"

namespace jetvale {

std::span<const CommandRoute> SavedGamesRoutes();

// The command the saved games' key runs: the list, or the close command when the list or its question is up.
constexpr int SavedGamesKeyCommand(int currentCommand) {
  return currentCommand == kCommandShowSavedGames || currentCommand == kCommandConfirmSavedGame ? kCommandClose
                                                                                                  : kCommandSavedGames;
}

}  // namespace jetvale
