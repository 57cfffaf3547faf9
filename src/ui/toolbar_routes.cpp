// The map's own commands. The toolbar's buttons react only while the toolbar is the current window, that is with
// no dialog open.
#include <array>
#include <string_view>
#include <utility>

#include "ui/command_routes.h"

namespace jetvale {
namespace {

// The plain map: nothing drawn over it, the toolbar current.
void ShowMap(Ui& ui) { ui.Show(kToolbarWindow); }

void ShowPassengersMenu(Ui& ui) { ui.Show(kPassengersMenuWindow); }
void ShowPlanesMenu(Ui& ui) { ui.Show(kPlanesMenuWindow); }
void ShowFinanceMenu(Ui& ui) { ui.Show(kFinanceMenuWindow); }
void ShowToolsMenu(Ui& ui) { ui.Show(kToolsMenuWindow); }

// The pad's arrows start a scroll; its centre switches between slow and fast mode.
void ScrollPad(Ui& ui, int item) {
  const WindowItem* pad = ui.windows[kToolbarWindow].ItemAt(item);
  if (pad == nullptr) return;
  if (pad->name == "pad centre") {
    ui.map.fast = !ui.map.fast;
    return;
  }
  constexpr std::array<std::pair<std::string_view, int>, 4> kArrows = {
      {{"pad up", kScrollUp}, {"pad left", kScrollLeft}, {"pad right", kScrollRight}, {"pad down", kScrollDown}}};
  for (const auto& [name, direction] : kArrows) {
    if (pad->name == name) ui.map.StartScroll(direction);
  }
}

// "Cancel", "No", "Close": the plain map with the toolbar current and the cursors back at their start. Drawn every
// frame while the command stays, so nothing is shown until the next tap.
void CloseDialog(Ui& ui) {
  ui.currentWindow = kToolbarWindow;
  ui.Reset(UiReset::Cursors);
}

constexpr std::array kRoutes = {
    Screen(kCommandNone, ShowMap),
    Screen(kCommandPassengersMenu, ShowPassengersMenu),
    Screen(kCommandPlanesMenu, ShowPlanesMenu),
    Screen(kCommandFinanceMenu, ShowFinanceMenu),
    Screen(kCommandToolsMenu, ShowToolsMenu),
    Action(kCommandScrollPad, ScrollPad, kCommandNone),
    Screen(kCommandClose, CloseDialog),
};

}  // namespace

std::span<const CommandRoute> ToolbarRoutes() { return kRoutes; }

}  // namespace jetvale
