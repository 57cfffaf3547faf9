// Each of the 20 windows drawn over the start-up map, and every screen filled with a played game's figures,
// compared with their reviewed pictures in tests/golden/. After a deliberate change, regenerate and look at every
// picture before committing: JETVALE_UPDATE_GOLDEN=1 build/test/tests/jetvale_tests --gtest_filter='Golden*'
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "screens/story.h"
#include "ui/golden.h"

namespace jetvale {
namespace {

TEST(GoldenWindows, EveryWindowDrawsAsReviewed) {
  HeadlessGame h(JETVALE_ASSET_DIR);
  h.ui().command = kCommandNone;
  h.RunFrames(1);
  for (int window = 0; window < kBuiltWindowCount; ++window) {
    CGapiSurface picture = h.game.BackBuffer();
    DrawWindow(picture, h.ui().windows[window]);
    ExpectMatchesGolden(picture, "window_" + std::to_string(window));
  }
}

struct GoldenScreens : Stories {
  GoldenScreens() : Stories(JETVALE_ASSET_DIR, {}) {}
};

TEST_F(GoldenScreens, EveryScreenWithAPlayedGamesFigures) {
  Play({{.choice = kToolsNewGameItem},
        {.choice = kFirstAirlineChoiceItem + 2 * kAirlineChoiceStep, .golden = "screen_purchase_list"},  // Ocean Airways
        {.item = ListChoiceItem(3)}, {.item = kCommandBuy},  // a B 757-200
        {.menu = kFleetMenu, .choice = ListChoiceItem(0)},  // its route: Atlanta (1) to Chicago (11) to Dallas (14)
        {.item = EditCityItem(0, kEditCityForwardOffset)}, {.item = EditCityItem(1, kEditCityFiveOnOffset), .times = 2},
        {.item = EditCityItem(1, kEditCityForwardOffset)}, {.item = EditCityItem(2, kEditCityFiveOnOffset), .times = 2},
        {.item = EditCityItem(2, kEditCityForwardOffset), .times = 4},
        {.item = EditTimeItem(0, kEditLaterOffset), .times = 28},  // and home, leaving at 07:00, 11:00 and 16:00
        {.item = EditTimeItem(1, kEditLaterOffset), .times = 44}, {.item = EditTimeItem(2, kEditLaterOffset), .times = 64},
        {.item = EditClassItem(0, kEditPercentDownOffset)},  // a point of first class to business
        {.item = EditClassItem(1, kEditPercentUpOffset), .frames = 1, .golden = "screen_route_editor"},
        {.item = kEditOkItem, .frames = 1, .golden = "screen_fleet_list"},
        {.item = kCommandClose}, {.menu = {kToolbarFinanceItem, kFinanceNewLoanItem}, .item = kNewLoanMoreMoneyItem},
        {.item = kNewLoanMoreMonthsItem, .frames = 1, .golden = "screen_new_loan"}, {.item = kNewLoanOkItem},
        {.setup = [](H& h) { h.ui().gameSpeed = kSpeedFast; },
         .frames = 40 * 288},  // forty days of flying, a month end among them
        {.menu = kFleetMenu, .choice = ListChoiceItem(0), .item = kCommandDetails, .golden = "screen_plane_details"},
        {.item = kDetailsOkItem}, {.window = kFleetListWindow, .item = kCommandClose},
        {.menu = {kToolbarFinanceItem, kFinanceStatementItem}, .golden = "screen_statement"},
        {.item = kStatementNextItem, .frames = 1, .golden = "screen_statement_rival"}, {.item = kStatementOkItem},
        {.menu = {kToolbarFinanceItem, kFinanceViewLoansItem}, .item = kViewLoansNextItem, .frames = 1,
         .golden = "screen_view_loans"},
        {.item = kViewLoansOkItem},
        {.menu = {kToolbarPassengersItem, kPassengersOverviewItem}, .golden = "screen_overview"},
        {.item = kOverviewOkItem},
        {.menu = {kToolbarPassengersItem, kPassengersGatesItem}, .item = kGatesNextItem, .frames = 1,
         .golden = "screen_gates"}});
}

}  // namespace
}  // namespace jetvale
