// Save and load from the Tools menu. A load takes the whole file or nothing.
#include "screens/save_screens.h"

#include <array>

#include "save/save_file.h"

namespace jetvale {
namespace {

void SaveGame(Ui& ui) {
  ui.Say(SaveGameTo(SaveFilePath(ui.saveFolder), ui.game) ? "Game saved" : "Error during save");
  ui.ShowMap();
}

// A file that cannot be loaded changes nothing: the game goes on where it was. A loaded one starts its clock
// and the screens afresh. A game whose side file came back whole draws on where it was saved; any other draws
// anew from the machine's clock.
void LoadGame(Ui& ui) {
  GameState& game = ui.game;
  bool wholeGame = false;
  if (!LoadGameFrom(SaveFilePath(ui.saveFolder), game, nullptr, &wholeGame)) {
    ui.Say("Error during load");
    ui.ShowMap();
    return;
  }
  game.clock.Start();
  if (!wholeGame) game.random.Seed(ui.host->TickCount());
  ui.TakeLoadedGame();
  ui.ShowMap();
}

constexpr std::array<CommandRoute, 2> kRoutes = {{
    {kCommandSaveYes, SaveGame},
    {kCommandLoadYes, LoadGame},
}};

}  // namespace

std::span<const CommandRoute> SaveScreenRoutes() { return kRoutes; }

}  // namespace jetvale
