// Resuming a game: the autosave written at month ends and on the way out, and the start from a saved game.
#include <filesystem>

#include "engine/game_object.h"
#include "save/save_file.h"

namespace jetvale {

// The saved game's own writer, so the autosave loads like any saved game. A failure is not shown: the player did
// not ask for this save, and the next month end tries again.
void GameObject::Autosave() {
  if (game_.clock.running != 1) return;  // no game yet: the last game's autosave is kept
  SaveGameTo((std::filesystem::path(ui_.saveFolder) / kAutosaveFile).string(), game_);
}

// As "Load Game" leaves the game, with the random generator as built: a replay of this run starts from the same
// file and the same seed, so it draws the same numbers.
bool GameObject::LoadAtStart(const std::string& path, std::string& problem) {
  std::string text;
  if (!ReadWholeFile(path, text)) {
    problem = "the file cannot be read";
    return false;
  }
  if (!LoadGameFrom(path, game_, &problem)) return false;
  record_.startHistory = SideFileText(path, text);
  record_.startGame = std::move(text);
  game_.clock.Start();
  ui_.TakeLoadedGame();
  ui_.command = kCommandNone;
  ui_.currentWindow = kToolbarWindow;
  return true;
}

}  // namespace jetvale
