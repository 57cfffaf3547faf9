// The interface state's shared moves: show a window, and put the screens back to their start.
#include "ui/ui.h"

namespace jetvale {

Ui::Ui(GameState& state, CGapiSurface& backBuffer) : game(state), screen(backBuffer) { BuildWindows(windows); }

void Ui::Show(int window) {
  DrawWindow(screen, windows[window]);
  currentWindow = window;
}

void Ui::Reset(UiReset what) {
  if (what != UiReset::Cursors) {
    planes = PlanesScreenState{};
    draft = ScheduleDraft{};
    finance = FinanceScreenState{};
  }
  planes.purchaseListStart = 0;
  planes.fleetListStart = 0;
  planes.editedPlane = 0;
  draft.city = {};
  finance.selectedLoan = kNoLoanSelected;
  airports = AirportScreenState{};
  pendingGameSpeed = gameSpeed;
  if (what != UiReset::LoadedGame) return;
  map = MapView{};
  for (std::size_t slot = 0; slot < kPlaneSlots; ++slot) {
    if (game.world.Player().planes[slot].inUse) planes.fleetOrder[planes.fleetCount++] = static_cast<int>(slot);
  }
  finance.selectedLoan = NextLoanInUse(game.world.Player(), kNoLoanSelected);
  Say("Game Loaded");
}

}  // namespace jetvale
