// Save and load from the Tools menu. A load takes the whole file or nothing.
#include "screens/save_screens.h"

#include <array>

namespace jetvale {
namespace {

void SaveGame(Ui& ui, int) {
  ui.Say(SaveGameTo(SaveFilePath(ui.saveFolder), ui.game) ? "Game saved" : "Error during save");
}

// A file that cannot be loaded changes nothing: the game goes on where it was.
void LoadGame(Ui& ui, int) {
  SavedGameFiles files;
  if (!TakeSavedGame(ui, SaveFilePath(ui.saveFolder), true, files, nullptr)) ui.Say("Error during load");
}

constexpr std::array kRoutes = {
    Action(kCommandSaveYes, SaveGame, kCommandNone),
    Action(kCommandLoadYes, LoadGame, kCommandNone),
};

}  // namespace

bool TakeSavedGame(Ui& ui, const std::string& path, bool reseed, SavedGameFiles& files, std::string* problem) {
  bool wholeGame = false;
  if (!ReadSavedGameFiles(path, files, problem) || !LoadGameFiles(files, ui.game, problem, &wholeGame)) return false;
  ui.game.clock.Start();
  if (reseed && !wholeGame) ui.game.random.Seed(ui.host->TickCount());
  ui.Reset(UiReset::LoadedGame);
  ui.currentWindow = kToolbarWindow;
  return true;
}

std::span<const CommandRoute> SaveScreenRoutes() { return kRoutes; }

}  // namespace jetvale
