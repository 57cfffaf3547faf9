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

// The fleet list shows the player's planes in slot order.
// A file that cannot be loaded changes nothing: the game goes on where it was. A loaded one starts its clock
// and the screens afresh.
void LoadGame(Ui& ui) {
  GameState& game = ui.game;
  if (!LoadGameFrom(SaveFilePath(ui.saveFolder), game)) {
    ui.Say("Error during load");
    ui.ShowMap();
    return;
  }
  game.clock.Start();
  game.random.Seed(ui.host->TickCount());
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
