// The interface state's few shared moves: show a window, return to the map, reset the cursors.
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
  finance.selectedLoan = -1;
  airports = AirportScreenState{};
  pendingGameSpeed = gameSpeed;
}

}  // namespace jetvale
