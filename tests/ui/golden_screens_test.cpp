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
  Press(kToolsMenuWindow, kToolsNewGameItem);
  Press(kToolsMenuWindow, kToolsOkItem, 2);
  Press(kNewGameWindow, kFirstAirlineChoiceItem + 2 * kAirlineChoiceStep);  // "Ocean Airways"
  Press(kNewGameWindow, kNewGameOkItem, 2);
  Expect("screen_purchase_list");
  Press(kPurchaseListWindow, ListChoiceItem(3));  // "B 757-200"
  Press(kPurchaseListWindow, h.ui().windows[kPurchaseListWindow].itemCount - 1);
  Menu(0, kPlanesMenuWindow, kPlanesListItem);  // the fleet list
  Press(kFleetListWindow, ListChoiceItem(0));
  Press(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 1, 2);  // "Route"
  // Atlanta (1) to Chicago (11) to Dallas (14) and home, leaving at 07:00, 11:00 and 16:00.
  const struct {
    int item;
    int taps;
  } steps[] = {{EditCityItem(0, kEditCityForwardOffset), 1}, {EditCityItem(1, kEditCityFiveOnOffset), 2},
               {EditCityItem(1, kEditCityForwardOffset), 1}, {EditCityItem(2, kEditCityFiveOnOffset), 2},
               {EditCityItem(2, kEditCityForwardOffset), 4}, {EditTimeItem(0, kEditLaterOffset), 28},
               {EditTimeItem(1, kEditLaterOffset), 44},      {EditTimeItem(2, kEditLaterOffset), 64}};
  for (const auto& step : steps) {
    for (int i = 0; i < step.taps; ++i) Press(kPlaneEditWindow, step.item);
  }
  Press(kPlaneEditWindow, EditClassItem(0, kEditPercentDownOffset));   // first class down a point
  Press(kPlaneEditWindow, EditClassItem(1, kEditPercentUpOffset));  // to business
  h.RunFrames(1);
  Expect("screen_route_editor");
  Press(kPlaneEditWindow, kEditOkItem, 2);
  Expect("screen_fleet_list");
  Close(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 2);
  Menu(1, kFinanceMenuWindow, kFinanceNewLoanItem);  // a loan
  Press(kNewLoanWindow, kNewLoanMoreMoneyItem);
  Press(kNewLoanWindow, kNewLoanMoreMonthsItem, 2);
  Expect("screen_new_loan");
  Press(kNewLoanWindow, kNewLoanOkItem);
  h.game.Interface().gameSpeed = kSpeedFast;
  h.RunFrames(40 * 288);  // forty days of flying, a month end among them
  Menu(0, kPlanesMenuWindow, kPlanesListItem);
  Press(kFleetListWindow, ListChoiceItem(0));
  Press(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 3, 2);  // "Details"
  Expect("screen_plane_details");
  Close(kPlaneDetailsWindow, kDetailsOkItem);
  Close(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 2);
  Menu(1, kFinanceMenuWindow, kFinanceStatementItem);
  Expect("screen_statement");
  Press(kStatementWindow, kStatementNextItem, 2);  // the next airline
  Expect("screen_statement_rival");
  Close(kStatementWindow, kStatementOkItem);
  Menu(1, kFinanceMenuWindow, kFinanceViewLoansItem);
  Press(kViewLoansWindow, kViewLoansNextItem, 2);
  Expect("screen_view_loans");
  Close(kViewLoansWindow, kViewLoansOkItem);
  Menu(2, kPassengersMenuWindow, kPassengersOverviewItem);
  Expect("screen_overview");
  Close(kOverviewWindow, kOverviewOkItem);
  Menu(2, kPassengersMenuWindow, kPassengersGatesItem);
  Press(kGatesWindow, kGatesNextItem, 2);
  Expect("screen_gates");
}

}  // namespace
}  // namespace jetvale
