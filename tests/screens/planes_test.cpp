// Buying, listing and selling planes, played through taps on the Planes menu's windows.
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "screens/planes.h"
#include "sim/fleet_operations.h"

namespace jetvale {
namespace {

class PlanesScreens : public ::testing::Test {
 protected:
  PlanesScreens() {
    h.TapItem(kToolsMenuWindow, kToolsNewGameItem);  // "New Game"
    h.TapItem(kToolsMenuWindow, kToolsOkItem);
    h.RunFrames(1);
    h.TapItem(kNewGameWindow, kFirstAirlineChoiceItem);  // "Western Airlines"
    h.TapItem(kNewGameWindow, kNewGameOkItem);  // "Ok": on to the purchase list
    h.RunFrames(1);
  }
  GameWindow& Window(int w) { return h.ui().windows[w]; }
  // Taps the row's choice, then the button with this text.
  void ChooseAndPress(int window, int row, const std::string& button) {
    if (row >= 0) h.TapItem(window, 6 * row + 1);
    Press(window, button);
  }
  void Press(int window, const std::string& button) {
    for (int i = 0; i < Window(window).itemCount; ++i) {
      if (Window(window).Item(i).kind == kButton && Window(window).Item(i).text == button) {
        h.TapItem(window, i);
        h.RunFrames(1);
        return;
      }
    }
    ADD_FAILURE() << "no button " << button << " in window " << window;
  }
  void Buy(int row) {
    h.TapItem(kToolbarWindow, kToolbarPlanesItem);  // planes
    h.TapItem(kPlanesMenuWindow, kPlanesBuyItem);  // "Buy"
    h.TapItem(kPlanesMenuWindow, kPlanesOkItem);  // "Ok"
    h.RunFrames(1);
    ChooseAndPress(kPurchaseListWindow, row, "Ok");
  }
  void OpenFleetList() {
    h.TapItem(kToolbarWindow, kToolbarPlanesItem);
    h.TapItem(kPlanesMenuWindow, kPlanesListItem);  // "List"
    h.TapItem(kPlanesMenuWindow, kPlanesOkItem);
    h.RunFrames(1);
  }
  Airline& Player() { return h.game.Game().world.Player(); }
  HeadlessGame h{MakeTestAssets("jetvale_planes")};
};

TEST_F(PlanesScreens, TheFirstTypeIsBoughtIntoSlotZeroPaidInSinglePrecision) {
  ASSERT_EQ(h.ui().currentWindow, kPurchaseListWindow);
  const GameWindow& list = Window(kPurchaseListWindow);
  EXPECT_EQ(list.Item(ListChoiceItem(0)).text, "B 717-200");
  EXPECT_EQ(list.Item(ListChoiceItem(0) + 1).text, "1430");
  EXPECT_EQ(list.Item(ListChoiceItem(0) + 4).text, "39.5M");
  EXPECT_EQ(list.Item(6 * 2 + 5).text, "197.5M");  // B 747-400
  h.TapItem(kPurchaseListWindow, ListChoiceItem(0));
  h.TapItem(kPurchaseListWindow, list.itemCount - 1);  // "Ok"
  EXPECT_EQ(h.ui().status.text, "Plane Purchased");
  EXPECT_EQ(h.ui().status.countdown, 200);  // set by the dispatch, after this frame's status line was drawn
  EXPECT_EQ(h.ui().command, 0);
  EXPECT_EQ(Player().balance, 460500000);
  EXPECT_EQ(Player().planes[0].inUse, 1);
  EXPECT_EQ(Player().planes[0].value, 39500000);
  EXPECT_EQ(Player().currentYear[LedgerEntry::ExpenseNewPlanes], 39500000.0);
}

TEST_F(PlanesScreens, TheThirteenthTypeIsOnTheSecondPageAndOkWithoutAChoiceAsksForOne) {
  Press(kPurchaseListWindow, "Ok");
  EXPECT_EQ(h.ui().status.text, "Please select a Plane");
  EXPECT_EQ(h.ui().currentWindow, kPurchaseListWindow);
  Press(kPurchaseListWindow, "Next");
  const GameWindow& list = Window(kPurchaseListWindow);
  EXPECT_EQ(list.itemCount, 5 * 6 + 3);  // rows 8..12, "Prev", "Cancel", "Ok"
  EXPECT_EQ(list.Item(6 * 4 + 1).text, "ERJ145");
  EXPECT_EQ(list.Item(6 * 3 + 5).text, "251.25M");  // A380
  ChooseAndPress(kPurchaseListWindow, 4, "Ok");
  EXPECT_EQ(Player().planes[0].type, 12);
  Buy(-1);
  Press(kPurchaseListWindow, "Prev");
  EXPECT_EQ(Window(kPurchaseListWindow).Item(ListChoiceItem(0)).text, "B 717-200");
}

TEST_F(PlanesScreens, ASoldMiddlePlanesSlotIsTakenByTheNextPurchaseWhichIsListedLast) {
  ChooseAndPress(kPurchaseListWindow, 0, "Ok");
  for (const int row : {1, 2, 3, 4}) Buy(row);  // types 1..4 into slots 1..4
  OpenFleetList();
  EXPECT_EQ(Window(kFleetListWindow).Item(6 * 2 + 2).text, "B 747-400");
  EXPECT_EQ(Window(kFleetListWindow).Item(6 * 2 + 3).text, "0d");
  const int balance = Player().balance;
  ChooseAndPress(kFleetListWindow, 2, "Sell");
  EXPECT_EQ(h.ui().status.text, "Plane Sold");
  EXPECT_EQ(Player().balance, balance + 197500000);
  EXPECT_EQ(Player().planeCount, 4);
  Press(kFleetListWindow, "Close");
  Buy(5);  // B 777-300 into the freed slot 2
  EXPECT_EQ(Player().planes[2].type, 5);
  OpenFleetList();
  const GameWindow& list = Window(kFleetListWindow);
  EXPECT_EQ(list.Item(ListChoiceItem(2) + 1).text, "B 757-200");  // slot 3 moved up
  EXPECT_EQ(list.Item(ListChoiceItem(4) + 1).text, "B 777-300");  // the new plane is last
  EXPECT_EQ(list.Item(ListChoiceItem(4)).text, Player().planes[2].tag);
  h.TapItem(kFleetListWindow, ListChoiceItem(4));
  EXPECT_EQ(SelectedFleetPlane(h.ui()), 2);
}

// A purchase or sale that would carry the balance past the end of its range is refused with the list still open.
TEST_F(PlanesScreens, TheEleventhA380AndASaleAtTheTopOfTheBalanceAreRefused) {
  Press(kPurchaseListWindow, "Next");  // the A380 is on the second page, where the list stays
  ChooseAndPress(kPurchaseListWindow, 3, "Ok");
  for (int n = 1; n < 11; ++n) Buy(3);
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(h.ui().currentWindow, kPurchaseListWindow);
  EXPECT_EQ(Player().planeCount, 10);
  EXPECT_EQ(Player().balance, -2012500096);  // ten prices paid in single precision
  EXPECT_EQ(Player().overall[LedgerEntry::ExpenseNewPlanes], 10 * 251250000.0);

  Player().balance = 2147483647 - 1000;  // as after years of profit
  Press(kPurchaseListWindow, "Cancel");
  OpenFleetList();
  ChooseAndPress(kFleetListWindow, 0, "Sell");
  EXPECT_EQ(h.ui().status.text, "Balance Limit Exceeded");
  EXPECT_EQ(h.ui().currentWindow, kFleetListWindow);
  EXPECT_EQ(Player().planeCount, 10);
  EXPECT_EQ(Player().balance, 2147483647 - 1000);
  EXPECT_EQ(Player().overall[LedgerEntry::IncomeSoldPlanes], 0);
}

TEST_F(PlanesScreens, AnEmptyFleetListOffersOnlyItsButtonsAndExplainsWhyNothingCanBeSold) {
  Press(kPurchaseListWindow, "Cancel");
  OpenFleetList();
  EXPECT_EQ(Window(kFleetListWindow).itemCount, 4);  // "Sell", "Details", "Close", "Route"
  Press(kFleetListWindow, "Sell");
  EXPECT_EQ(h.ui().status.text, "No planes available");
  Press(kFleetListWindow, "Close");
  Buy(0);
  OpenFleetList();
  Press(kFleetListWindow, "Details");
  EXPECT_EQ(h.ui().status.text, "Please select a plane");
  EXPECT_EQ(h.ui().currentWindow, kFleetListWindow);
  // A double click on "Sell": the second tap comes before the list is rebuilt, on the row just sold.
  const int balance = Player().balance;
  h.TapItem(kFleetListWindow, ListChoiceItem(0));
  h.TapItem(kFleetListWindow, ListChoiceItem(1) - 1);  // "Sell", after the only row
  h.TapItem(kFleetListWindow, ListChoiceItem(1) - 1);
  EXPECT_EQ(h.ui().status.text, "No planes available");
  EXPECT_EQ(Player().planeCount, 0);
  EXPECT_EQ(Player().balance, balance + 39500000);
}

TEST_F(PlanesScreens, NineRowsMakeTwoPagesAndTheTwentyFirstPlaneIsRefused) {
  ChooseAndPress(kPurchaseListWindow, 0, "Ok");
  for (int i = 1; i < 20; ++i) Buy(0);
  EXPECT_EQ(Player().planeCount, 20);
  Buy(0);
  EXPECT_EQ(h.ui().status.text, "Maximum Planes Exceeded");
  EXPECT_EQ(Player().planeCount, 20);
  OpenFleetList();
  Press(kFleetListWindow, "Next");
  Press(kFleetListWindow, "Next");
  EXPECT_EQ(h.ui().planes.fleetListStart, 16);
  EXPECT_EQ(Window(kFleetListWindow).itemCount, 4 * 6 + 5);  // four rows, "Prev" and the four buttons
  for (int i = 0; i < 4; ++i) ChooseAndPress(kFleetListWindow, 0, "Sell");
  EXPECT_EQ(Window(kFleetListWindow).itemCount, 5);  // an empty page keeps "Prev"
  Press(kFleetListWindow, "Prev");
  EXPECT_EQ(h.ui().planes.fleetListStart, 8);
}

TEST_F(PlanesScreens, DetailsOfAPlaneNeverRoutedShowEmptyRowsAndZeros) {
  ChooseAndPress(kPurchaseListWindow, 0, "Ok");
  OpenFleetList();
  ChooseAndPress(kFleetListWindow, 0, "Details");
  ASSERT_EQ(h.ui().currentWindow, kPlaneDetailsWindow);
  const GameWindow& details = Window(kPlaneDetailsWindow);
  EXPECT_EQ(details.Item(DetailsTitleItem(0, 0)).text, "");
  EXPECT_EQ(details.Item(DetailsValueItem(0, 0, 0)).text, "0");
  EXPECT_EQ(details.Item(DetailsValueItem(3, 2, 2)).text, "0");
  Press(kPlaneDetailsWindow, "Ok");
  EXPECT_EQ(h.ui().currentWindow, kFleetListWindow);
}

// Atlanta-Charlotte, 196 miles, on a B 717-200 at default fares: each way 2 first, 7 business and 90 economy
// passengers board (5 % of the origin's daily passengers, weighted by the destination). Fares at 0.2017 a mile plus
// 36.88: 165.3629, 111.99308 and 76.4132. A trip burns 404 fuel units (2.06 each: 832.24), pays wages of
// 2 x 125.3 + 2 x 637 + 1657 + 2 x 196 + 4 x 196 = 4357.6 and misc of 3104 + 0.000002825 x the plane's value.
TEST_F(PlanesScreens, DetailsAfterADayShowEveryLegsMoneyPassengersAndTrips) {
  h.game.Game().rivalsPlay = false;
  ChooseAndPress(kPurchaseListWindow, 0, "Ok");
  const std::array<RouteStop, 2> stops = {{{1, 40}, {10, 60}}};  // ATL at 10:00, CLT at 15:00
  const std::array<LegFares, 2> fares = {DefaultFares(196), DefaultFares(196)};
  ASSERT_TRUE(RoutePlane(h.game.Game().world, 0, 0, stops, fares));
  h.RunFrames(288);
  OpenFleetList();
  ChooseAndPress(kFleetListWindow, 0, "Details");
  const GameWindow& d = Window(kPlaneDetailsWindow);
  const auto row = [&](int section, int leg) {
    const int label = section * 13 + 1 + leg * 4;
    return std::vector<std::string>{d.Item(label).text, d.Item(label + 1).text, d.Item(label + 2).text,
                                    d.Item(label + 3).text};
  };
  using Row = std::vector<std::string>;
  EXPECT_EQ(row(0, 0), (Row{"ATL-CLT", "331.", "784.", "6.88K"}));  // 330.7258, 783.95156, 6877.188
  EXPECT_EQ(row(0, 1), (Row{"CLT-ATL", "331.", "784.", "6.88K"}));
  EXPECT_EQ(row(1, 0), (Row{"ATL-CLT", "832.", "4.36K", "3.22K"}));
  EXPECT_EQ(row(2, 0), (Row{"ATL-CLT", "2.", "7.", "90."}));
  // 7991.87 earned against 8405.43 spent.
  EXPECT_EQ(row(3, 0), (Row{"ATL-CLT", "-414.", "99.", "1."}));
  EXPECT_EQ(row(3, 2), (Row{"", "", "", ""}));  // no third leg
}

}  // namespace
}  // namespace jetvale
