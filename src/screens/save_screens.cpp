// Save and load from the Tools menu. A load takes the whole file or nothing.
#include "screens/save_screens.h"

#include <array>

#include "finance/loans.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

void SaveGame(Ui& ui) {
  ui.Say(SaveGameTo(SaveFilePath(ui.saveFolder), ui.game) ? "Game saved" : "Error during save");
  ui.ShowMap();
}

// The fleet list shows the player's planes in slot order.
void RefillFleetOrder(Ui& ui) {
  PlanesScreenState& planes = ui.planes;
  planes.fleetCount = 0;
  int slot = 0;
  for (const Plane& plane : ui.game.world.Player().planes) {
    if (plane.inUse == 1) planes.fleetOrder[static_cast<std::size_t>(planes.fleetCount++)] = slot;
    slot += 1;
  }
}

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
  ui.map = MapView{};
  ui.planes = PlanesScreenState{};
  ui.draft = ScheduleDraft{};
  ui.finance = FinanceScreenState{};
  ui.airports = AirportScreenState{};
  ui.pendingGameSpeed = ui.gameSpeed;
  RefillFleetOrder(ui);
  ui.finance.selectedLoan = NextLoanInUse(game.world.Player(), kNoLoanSelected);
  ui.Say("Game Loaded");
  ui.ShowMap();
}

constexpr std::array<CommandRoute, 2> kRoutes = {{
    {kCommandSaveYes, SaveGame},
    {kCommandLoadYes, LoadGame},
}};

}  // namespace

std::span<const CommandRoute> SaveScreenRoutes() { return kRoutes; }

}  // namespace jetvale
