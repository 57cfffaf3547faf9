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
  for (int window = 0; window < kHistoryChartWindow; ++window) {  // the chart has pictures of its own
    CGapiSurface picture = h.game.BackBuffer();
    DrawWindow(picture, h.ui().windows[window]);
    ExpectMatchesGolden(picture, "window_" + std::to_string(window));
  }
}

// The places the items have always had: the table's order decides which of two items a tap finds first.
TEST(WindowTable, EveryItemKeepsItsPlace) {
  WindowTable table;
  BuildWindows(table);
  BuildList(table[kPurchaseListWindow], kPurchaseListWindow, 8, true, true);
  const struct { int window; const char* name; int row; int index; } places[] = {
      {kToolsMenuWindow, "ok", 0, 11}, {kNewGameWindow, "airline", 3, 7}, {kPurchaseListWindow, "choice", 5, 31},
      {kPurchaseListWindow, "ok", 0, 51}, {kStatementWindow, "ytd", 5, 23}, {kStatementWindow, "overall", 11, 49},
      {kStatementWindow, "airline", 0, 55}, {kNewLoanWindow, "payment", 0, 11}, {kPlaneEditWindow, "fare", 8, 39},
      {kPlaneEditWindow, "miles", 2, 61}, {kPlaneEditWindow, "later", 2, 85}, {kPlaneEditWindow, "ok", 0, 94},
      {kPlaneDetailsWindow, "route", 4, 18}, {kPlaneDetailsWindow, "ok", 0, 52}, {kGatesWindow, "owner", 0, 13},
      {kViewLoansWindow, "payoff", 0, 14}, {kOverviewWindow, "share", 3, 15}, {kHistoryChartWindow, "figure", 0, 6},
  };
  for (const auto& p : places) EXPECT_EQ(table[p.window].Find(p.name, p.row), p.index) << p.name << " " << p.row;
}

struct GoldenScreens : Stories {
  GoldenScreens() : Stories(JETVALE_ASSET_DIR, {}) {}
};

TEST_F(GoldenScreens, EveryScreenWithAPlayedGamesFigures) {
  Play({{.choice = {"new game"}},
        {.choice = {"airline", 2}, .golden = "screen_purchase_list"},  // Ocean Airways
        {.item = {"choice", 3}}, {.item = kCommandBuy},  // a B 757-200
        {.menu = kFleetMenu, .choice = {"choice", 0}},  // its route: Atlanta (1) to Chicago (11) to Dallas (14)
        {.item = {"city forward", 0}}, {.item = {"city forward five", 1}, .times = 2},
        {.item = {"city forward", 1}}, {.item = {"city forward five", 2}, .times = 2},
        {.item = {"city forward", 2}, .times = 4},
        {.item = {"later", 0}, .times = 28},  // and home, leaving at 07:00, 11:00 and 16:00
        {.item = {"later", 1}, .times = 44}, {.item = {"later", 2}, .times = 64},
        {.item = {"percent down", 0}},  // a point of first class to business
        {.item = {"percent up", 1}, .frames = 1, .golden = "screen_route_editor"},
        {.item = {"ok"}, .frames = 1, .golden = "screen_fleet_list"},
        {.item = kCommandClose}, {.menu = {{"finance"}, {"new loan"}}, .item = {"more money"}},
        {.item = {"more months"}, .frames = 1, .golden = "screen_new_loan"}, {.item = {"ok"}},
        {.setup = [](H& h) { h.ui().gameSpeed = kSpeedFast; },
         .frames = 40 * 288},  // forty days of flying, a month end among them
        {.menu = kFleetMenu, .choice = {"choice", 0}, .item = kCommandDetails, .golden = "screen_plane_details"},
        {.item = {"ok"}}, {.window = kFleetListWindow, .item = kCommandClose},
        {.menu = {{"finance"}, {"statement"}}, .golden = "screen_statement"},
        {.item = {"next airline"}, .frames = 1, .golden = "screen_statement_rival"}, {.item = {"ok"}},
        {.menu = {{"finance"}, {"view loans"}}, .item = {"forward"}, .frames = 1,
         .golden = "screen_view_loans"},
        {.item = {"ok"}},
        {.menu = {{"passengers"}, {"overview"}}, .golden = "screen_overview"},
        {.item = {"ok"}},
        {.menu = {{"passengers"}, {"gates"}}, .item = {"gate forward"}, .frames = 1,
         .golden = "screen_gates"}});
}

}  // namespace
}  // namespace jetvale
