// Toolbar handlers. The buttons react only while the toolbar is the current window, that is with no dialog open.
#include "ui/toolbar.h"

#include <array>

namespace jetvale {
namespace {

void ShowPassengersMenu(Ui& ui) { ui.Show(kPassengersMenuWindow); }
void ShowPlanesMenu(Ui& ui) { ui.Show(kPlanesMenuWindow); }
void ShowFinanceMenu(Ui& ui) { ui.Show(kFinanceMenuWindow); }
void ShowToolsMenu(Ui& ui) { ui.Show(kToolsMenuWindow); }

// The pad's arrows start a scroll; its centre switches between slow and fast mode.
void ScrollPad(Ui& ui) {
  switch (ui.windows[kToolbarWindow].hitItem) {
    case kPadUpItem: ui.map.StartScroll(kScrollUp); break;
    case kPadLeftItem: ui.map.StartScroll(kScrollLeft); break;
    case kPadRightItem: ui.map.StartScroll(kScrollRight); break;
    case kPadDownItem: ui.map.StartScroll(kScrollDown); break;
    case kPadCentreItem: ui.map.fast = ui.map.fast == 1 ? 0 : 1; break;
    default: break;
  }
  ui.ShowMap();
}

// "Cancel", "No", "Close": the plain map with the toolbar current. Runs every frame while the command stays, so
// nothing is drawn until the next tap.
void CloseDialog(Ui& ui) {
  ui.currentWindow = kToolbarWindow;
  ui.ResetCursors();
}

constexpr std::array<CommandRoute, 6> kRoutes = {{
    {kCommandPassengersMenu, ShowPassengersMenu},
    {kCommandPlanesMenu, ShowPlanesMenu},
    {kCommandFinanceMenu, ShowFinanceMenu},
    {kCommandToolsMenu, ShowToolsMenu},
    {kCommandScrollPad, ScrollPad},
    {kCommandClose, CloseDialog},
}};

}  // namespace

std::span<const CommandRoute> ToolbarRoutes() { return kRoutes; }

}  // namespace jetvale
