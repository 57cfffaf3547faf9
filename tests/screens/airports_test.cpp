// The Passengers menu played through taps: the gate market and the airport overview.
#include <gtest/gtest.h>

#include "engine/headless_game.h"

namespace jetvale {
namespace {

// Gates window items.
constexpr int kFiveBack = kAirportFiveBackItem, kBack = kAirportBackItem, kForward = kAirportForwardItem;
constexpr int kFiveOn = kAirportFiveOnItem, kGateBack = kGatesPreviousItem, kGateForward = kGatesNextItem;
constexpr int kBuy = kGatesBuyItem, kSell = kGatesSellItem, kOk = kGatesOkItem;

class AirportScreens : public ::testing::Test {
 protected:
  AirportScreens() { h.TapItem(kToolsMenuWindow, kToolsCancelItem); }
  void Choose(int choiceItem) {
    h.TapItem(kToolbarWindow, kToolbarPassengersItem);  // passengers
    h.TapItem(kPassengersMenuWindow, choiceItem);
    h.TapItem(kPassengersMenuWindow, kPassengersOkItem);
    h.RunFrames(1);
  }
  std::string Text(int window, int item) { return h.ui().windows[window].Item(item).text; }
  void Tap(int item, int times = 1) {
    for (int i = 0; i < times; ++i) h.TapItem(kGatesWindow, item);
  }
  World& W() { return h.game.Game().world; }
  HeadlessGame h{MakeTestAssets("jetvale_airport_screens")};
};

TEST_F(AirportScreens, AFreeGateIsBoughtAndSoldBackOnlyTheOwnOne) {
  Choose(3);  // "Gates"
  ASSERT_EQ(h.ui().currentWindow, kGatesWindow);
  EXPECT_EQ(Text(kGatesWindow, kAirportCodeItem), "ATL");
  EXPECT_EQ(Text(kGatesWindow, kAirportLocationItem), "Atlanta, US");
  EXPECT_EQ(Text(kGatesWindow, kGatesNumberItem), "1");
  EXPECT_EQ(Text(kGatesWindow, kGatesOwnerItem), "AVAILABLE");
  Tap(kBuy);
  EXPECT_EQ(Text(kGatesWindow, kGatesOwnerItem), "NOT AVAILABLE");
  EXPECT_EQ(W().Player().balance, 500000000 - 425000);
  Tap(kBuy);  // bought already: nothing happens
  EXPECT_EQ(W().Player().balance, 500000000 - 425000);
  Tap(kSell);
  EXPECT_EQ(W().Player().balance, 500000000);
  EXPECT_EQ(W().Player().currentYear[LedgerEntry::ExpenseNewGates], 425000);
  EXPECT_EQ(W().Player().currentYear[LedgerEntry::IncomeSoldGates], 425000);

  W().AirportById(1).gates[1].owner = 2;  // a rival's gate reads the same and cannot be traded
  Tap(kGateForward);
  EXPECT_EQ(Text(kGatesWindow, kGatesOwnerItem), "NOT AVAILABLE");
  Tap(kSell);
  Tap(kBuy);
  EXPECT_EQ(W().AirportById(1).gates[1].owner, 2);
  EXPECT_EQ(W().Player().balance, 500000000);

  // At the ends of the balance's range a gate trade may reach the limit, never pass it.
  W().Player().balance = -2147483647 - 1 + 425000;
  Tap(kGateForward);
  Tap(kBuy);
  EXPECT_EQ(W().Player().balance, -2147483647 - 1);
  Tap(kGateForward);
  Tap(kBuy);
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(Text(kGatesWindow, kGatesOwnerItem), "AVAILABLE");
  EXPECT_EQ(W().Player().balance, -2147483647 - 1);
  W().Player().balance = 2147483647 - 425000 + 1;
  Tap(kGateBack);
  Tap(kSell);
  EXPECT_EQ(Text(kGatesWindow, kGatesOwnerItem), "NOT AVAILABLE");
  EXPECT_EQ(W().Player().balance, 2147483647 - 425000 + 1);
  EXPECT_EQ(W().Player().overall[LedgerEntry::IncomeSoldGates], 425000);
}

TEST_F(AirportScreens, StepsStayWithinTheAirportsAndGatesAndCloseStartsOverAtGateOne) {
  Choose(3);
  Tap(kBack);
  Tap(kFiveBack);
  EXPECT_EQ(h.ui().airports.gateAirport, 1);
  Tap(kGateBack);
  EXPECT_EQ(Text(kGatesWindow, kGatesNumberItem), "1");
  Tap(kGateForward, 25);
  EXPECT_EQ(Text(kGatesWindow, kGatesNumberItem), "20");
  Tap(kFiveOn, 11);  // 1 + 45 = 46, then 51; no further
  EXPECT_EQ(h.ui().airports.gateAirport, 51);
  EXPECT_EQ(Text(kGatesWindow, kGatesNumberItem), "1");  // a new airport starts at its first gate
  Tap(kForward, 2);
  EXPECT_EQ(Text(kGatesWindow, kAirportCodeItem), "ZRH");
  Tap(kFiveBack, 11);  // 52 - 45 = 7, then 2; no further
  EXPECT_EQ(h.ui().airports.gateAirport, 2);
  Tap(kFiveOn, 10);  // 47, and from there a step of five on does nothing
  EXPECT_EQ(h.ui().airports.gateAirport, 47);
  Tap(kFiveBack, 8);
  Tap(kBack);
  Tap(kFiveBack);  // nor does one back from 6
  EXPECT_EQ(h.ui().airports.gateAirport, 6);
  Tap(kGateForward, 4);
  Tap(kOk);
  Choose(3);
  EXPECT_EQ(Text(kGatesWindow, kAirportCodeItem), "ATL");
  EXPECT_EQ(Text(kGatesWindow, kGatesNumberItem), "1");
}

TEST_F(AirportScreens, TheOverviewShowsSharesByAirlineColourGatesOwnedAndDailyTraffic) {
  for (int a = 0; a < 4; ++a) W().airlines[static_cast<std::size_t>(a)].identity = kWesternAirlines + (a + 2) % 4;
  Airport& atl = W().AirportById(1);
  atl.marketShare = {40, 30, 20, 9};
  atl.gates[0].owner = 0;
  atl.gates[7].owner = 0;
  atl.gates[8].owner = 1;
  Choose(1);  // "Overview"
  ASSERT_EQ(h.ui().currentWindow, kOverviewWindow);
  EXPECT_EQ(Text(kOverviewWindow, kOverviewFirstShareItem + 2 * kOverviewShareStep), "40 pct");  // the player is Ocean Airways: the red row
  EXPECT_EQ(Text(kOverviewWindow, kOverviewFirstShareItem + 3 * kOverviewShareStep), "30 pct");
  EXPECT_EQ(Text(kOverviewWindow, kOverviewFirstShareItem), "20 pct");
  EXPECT_EQ(Text(kOverviewWindow, kOverviewFirstShareItem + kOverviewShareStep), "9 pct");
  EXPECT_EQ(Text(kOverviewWindow, kOverviewGatesOwnedItem), "2");
  EXPECT_EQ(Text(kOverviewWindow, kOverviewTrafficItem), "191.59K");  // 68205769 / 356
  h.TapItem(kOverviewWindow, kAirportForwardItem);
  EXPECT_EQ(Text(kOverviewWindow, kAirportCodeItem), "BKK");
  EXPECT_EQ(Text(kOverviewWindow, kOverviewGatesOwnedItem), "0");
  for (int i = 0; i < 4; ++i) h.TapItem(kOverviewWindow, kAirportForwardItem);
  h.TapItem(kOverviewWindow, kAirportFiveBackItem);  // "<<-" from 6 does nothing
  EXPECT_EQ(h.ui().airports.overviewAirport, 6);
}

}  // namespace
}  // namespace jetvale
