// Save and load from the Tools menu, and the one way a saved game comes into play.
#pragma once

#include <span>
#include <string>

#include "save/save_file.h"
#include "ui/command_routes.h"

namespace jetvale {

std::span<const CommandRoute> SaveScreenRoutes();

// Loads the saved game at `path`, reading its files once into `files` (for a replay to carry the very bytes), and
// puts the screens afresh on the map with the game's clock running and "Game Loaded" said. With `reseed`, a game
// whose side state did not come back draws anew from the machine's tick count. False, with `problem` (when given)
// saying why, when the file cannot be loaded: then the game and the screens are as they were.
bool TakeSavedGame(Ui& ui, const std::string& path, bool reseed, SavedGameFiles& files, std::string* problem);

}  // namespace jetvale
