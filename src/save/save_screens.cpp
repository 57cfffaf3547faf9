// Save and load from the Tools menu. A load restarts the clock and the screens before it reads the file,
// whether the file can be read or not; the world changes only when the whole file is sound.
#include "save/save_screens.h"

#include <array>

#include "finance/loans.h"
#include "save/save_file.h"

namespace jetvale {
namespace {

constexpr int kCommandSaveYes = 421;
constexpr int kCommandLoadYes = 426;

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

void LoadGame(Ui& ui) {
  GameState& game = ui.game;
  const PlanesScreenState fleetBefore = ui.planes;
  game.clock = GameClock{};
  game.random.Seed(ui.host->TickCount());
  game.clock.Start();
  ui.map = MapView{};
  ui.planes = PlanesScreenState{};
  ui.draft = ScheduleDraft{};
  ui.finance = FinanceScreenState{};
  ui.airports = AirportScreenState{};
  ui.pendingGameSpeed = ui.gameSpeed;
  ui.status.Set("", 0);

  if (LoadGameFrom(SaveFilePath(ui.saveFolder), game)) {
    RefillFleetOrder(ui);
    ui.finance.selectedLoan = NextLoanInUse(game.world.Player(), kNoLoanSelected);
    ui.Say("Game Loaded");
  } else {
    // The world stayed as it was, and so does its fleet list.
    ui.planes.fleetOrder = fleetBefore.fleetOrder;
    ui.planes.fleetCount = fleetBefore.fleetCount;
    ui.Say("Error during load");
  }
  ui.ShowMap();
}

constexpr std::array<CommandRoute, 2> kRoutes = {{
    {kCommandSaveYes, SaveGame},
    {kCommandLoadYes, LoadGame},
}};

}  // namespace

std::span<const CommandRoute> SaveScreenRoutes() { return kRoutes; }

}  // namespace jetvale
