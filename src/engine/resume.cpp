// Resuming a game: the autosave written at month ends and on the way out, and the start from a saved game.
#include <filesystem>

#include "engine/game_object.h"
#include "save/save_file.h"
#include "save/saved_games.h"
#include "screens/save_screens.h"

namespace jetvale {

// The saved game's own writer, so the autosave loads like any saved game; the two before it are kept as
// autosave-1 and autosave-2. A failure is not shown: the player did not ask for this save, and the next month end
// tries again.
void GameObject::Autosave() {
  if (!game_.clock.running) return;  // no game yet: the last game's autosaves are kept
  RotateAutosaves(ui_.saveFolder);
  SaveGameTo((std::filesystem::path(ui_.saveFolder) / kAutosaveFile).string(), game_);
}

// As "Load Game" leaves the game, with the random generator as built: a replay of this run starts from the same
// files it carries and the same seed, so it draws the same numbers.
bool GameObject::LoadAtStart(const std::string& path, std::string& problem) {
  SavedGameFiles files;
  if (!TakeSavedGame(ui_, path, false, files, &problem)) return false;
  record_.startGame = std::move(files.game);
  record_.startHistory = std::move(files.history);
  ui_.command = kCommandNone;
  return true;
}

}  // namespace jetvale
