// Every screen filled with a played game's figures, compared with its reviewed picture in tests/golden/.
// Regenerate as the window pictures are: JETVALE_UPDATE_GOLDEN=1 ... --gtest_filter='GoldenScreens.*'
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "ui/golden.h"

namespace jetvale {
namespace {

class GoldenScreens : public ::testing::Test {
 protected:
  void Press(int window, int item, int frames = 1) {
    h.TapItem(window, item);
    h.RunFrames(frames - 1);
  }
  void Menu(int toolbarItem, int window, int choice) {
    h.TapItem(kToolbarWindow, toolbarItem);
    h.TapItem(window, choice);
    h.TapItem(window, h.ui().windows[window].itemCount - 1);  // "Ok"
    h.RunFrames(1);
  }
  void Close(int window, int item) { h.TapItem(window, item); }
  void Expect(const std::string& name) { ExpectMatchesGolden(h.game.BackBuffer(), name); }
  HeadlessGame h{JETVALE_ASSET_DIR};
};

TEST_F(GoldenScreens, EveryScreenWithAPlayedGamesFigures) {
  Press(kToolsMenuWindow, 3);
  Press(kToolsMenuWindow, 11, 2);
  Press(kNewGameWindow, 5);  // "Ocean Airways"
  Press(kNewGameWindow, 9, 2);
  Expect("screen_purchase_list");
  Press(kPurchaseListWindow, 6 * 3 + 1);  // "B 757-200"
  Press(kPurchaseListWindow, h.ui().windows[kPurchaseListWindow].itemCount - 1);
  Menu(0, kPlanesMenuWindow, 1);  // the fleet list
  Press(kFleetListWindow, 1);
  Press(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 1, 2);  // "Route"
  // Atlanta (1) to Chicago (11) to Dallas (14) and home, leaving at 07:00, 11:00 and 16:00.
  const struct {
    int item;
    int taps;
  } steps[] = {{45, 1}, {53, 2}, {52, 1}, {60, 2}, {59, 4}, {69, 28}, {77, 44}, {85, 64}};
  for (const auto& step : steps) {
    for (int i = 0; i < step.taps; ++i) Press(kPlaneEditWindow, step.item);
  }
  Press(kPlaneEditWindow, 2);   // first class down a point
  Press(kPlaneEditWindow, 17);  // to business
  h.RunFrames(1);
  Expect("screen_route_editor");
  Press(kPlaneEditWindow, 94, 2);
  Expect("screen_fleet_list");
  Close(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 2);
  Menu(1, kFinanceMenuWindow, 5);  // a loan
  Press(kNewLoanWindow, 3);
  Press(kNewLoanWindow, 9, 2);
  Expect("screen_new_loan");
  Press(kNewLoanWindow, 13);
  h.game.Interface().gameSpeed = kSpeedFast;
  h.RunFrames(40 * 288);  // forty days of flying, a month end among them
  Menu(0, kPlanesMenuWindow, 1);
  Press(kFleetListWindow, 1);
  Press(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 3, 2);  // "Details"
  Expect("screen_plane_details");
  Close(kPlaneDetailsWindow, 52);
  Close(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 2);
  Menu(1, kFinanceMenuWindow, 1);
  Expect("screen_statement");
  Press(kStatementWindow, 52, 2);  // the next airline
  Expect("screen_statement_rival");
  Close(kStatementWindow, 50);
  Menu(1, kFinanceMenuWindow, 3);
  Press(kViewLoansWindow, 5, 2);
  Expect("screen_view_loans");
  Close(kViewLoansWindow, 15);
  Menu(2, kPassengersMenuWindow, 1);
  Expect("screen_overview");
  Close(kOverviewWindow, 20);
  Menu(2, kPassengersMenuWindow, 3);
  Press(kGatesWindow, 11, 2);
  Expect("screen_gates");
}

}  // namespace
}  // namespace jetvale
