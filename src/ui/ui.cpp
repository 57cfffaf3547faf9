// The interface state's few shared moves: show a window, return to the map, reset the cursors, take a loaded game.
#include "ui/ui.h"

#include "ui/chart_layout.h"

namespace jetvale {

Ui::Ui(GameState& state, CGapiSurface& backBuffer) : game(state), screen(backBuffer) {
  BuildWindows(windows);
  BuildHistoryChartWindow(windows);
}

void Ui::Show(int window) {
  DrawWindow(screen, windows[window]);
  currentWindow = window;
}

void Ui::ShowMap() {
  command = kCommandNone;
  Show(kToolbarWindow);
}

void Ui::TakeMenuChoice(int window, int menuCommand) {
  const GameWindow& menu = windows[window];
  command = menu.selectedItem == kNoSelection ? menuCommand : menu.Item(menu.selectedItem).command;
}

void Ui::ResetCursors() {
  planes.ResetCursors();
  draft.city = {};
  finance.selectedLoan = kNoLoanSelected;
  airports = AirportScreenState{};
  pendingGameSpeed = gameSpeed;
}

void Ui::TakeLoadedGame() {
  map = MapView{};
  planes = PlanesScreenState{};
  draft = ScheduleDraft{};
  finance = FinanceScreenState{};
  airports = AirportScreenState{};
  int slot = 0;
  for (const Plane& plane : game.world.Player().planes) {
    if (plane.inUse == 1) planes.fleetOrder[static_cast<std::size_t>(planes.fleetCount++)] = slot;
    slot += 1;
  }
  finance.selectedLoan = NextLoanInUse(game.world.Player(), kNoLoanSelected);
  Say("Game Loaded");
}

}  // namespace jetvale
