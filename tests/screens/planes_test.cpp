// Buying, listing and selling planes, played through taps on the Planes menu's windows.
#include "screens/planes.h"
#include "screens/story.h"
#include "sim/fleet_operations.h"

namespace jetvale {
namespace {

struct PlanesScreens : Stories {
  PlanesScreens() : Stories(MakeTestAssets("jetvale_planes"), {kNewGame}) {}
};

Step Press(int command, Step then = {}) { return then.item = command, then.frames = 1, then; }  // and a frame
Step Items(int count) {
  return {.check = [count](H& h) { EXPECT_EQ(h.ui().windows[h.ui().currentWindow].itemCount, count); }};
}

TEST_F(PlanesScreens, TheThirteenthTypeIsOnTheSecondPageAndOkWithoutAChoiceAsksForOne) {
  Play({Press(kCommandBuy, {.status = "Please select a Plane", .on = kPurchaseListWindow}),
        Press(kCommandPurchaseNext, {.shows = {{{"choice", 4}, "ERJ145"}, {{"price", 3}, "251.25M"}}}),
        Items(5 * 6 + 3),  // rows 8..12, "Prev", "Cancel", "Ok"
        {.choice = {"choice", 4}, .check = [](H& h) { EXPECT_EQ(Player(h).planes[0].type, 12); }},
        {.menu = kBuyMenu},  // the list opens on the page it was left at
        Press(kCommandPurchasePrev, {.shows = {{{"choice", 0}, "B 717-200"}}})});
}

TEST_F(PlanesScreens, ASoldMiddlePlanesSlotIsTakenByTheNextPurchaseWhichIsListedLast) {
  int balance = 0;
  Play({{.choice = {"choice", 0}},  // types 0..4 into slots 0..4
        {.menu = kBuyMenu, .choice = {"choice", 1}}, {.menu = kBuyMenu, .choice = {"choice", 2}},
        {.menu = kBuyMenu, .choice = {"choice", 3}}, {.menu = kBuyMenu, .choice = {"choice", 4}},
        {.menu = kFleetMenu, .shows = {{{"type", 2}, "B 747-400"}, {{"age", 2}, "0d"}},
         .check = [&](H& h) { balance = Player(h).balance; }},
        {.choice = {"choice", 2}, .item = kCommandSell, .status = "Plane Sold", .fleet = 4,
         .check = [&](H& h) { EXPECT_EQ(Player(h).balance, balance + 197500000); }},
        Press(kCommandClose),
        {.menu = kBuyMenu, .choice = {"choice", 5},  // B 777-300 into the freed slot 2
         .check = [](H& h) { EXPECT_EQ(Player(h).planes[2].type, 5); }},
        {.menu = kFleetMenu, .shows = {{{"type", 2}, "B 757-200"}, {{"type", 4}, "B 777-300"}},
         .check = [](H& h) {  // slot 3 moved up, the new plane is last
           EXPECT_EQ(Text(h, kFleetListWindow, {"choice", 4}), Player(h).planes[2].tag);
         }},
        {.item = {"choice", 4}, .check = [](H& h) { EXPECT_EQ(SelectedFleetPlane(h.ui()), 2); }}});
}

// A purchase or sale that would carry the balance past the end of its range is refused with the list still open.
TEST_F(PlanesScreens, TheEleventhA380AndASaleAtTheTopOfTheBalanceAreRefused) {
  Play({Press(kCommandPurchaseNext),  // the A380 is on the second page, where the list stays
        {.choice = {"choice", 3}},
        {.menu = kBuyMenu, .choice = {"choice", 3}, .times = 10, .status = "Balance Limit Exceeded",
         .on = kPurchaseListWindow, .balance = -2012500096, .fleet = 10,  // ten prices paid in single precision
         .check = [](H& h) { EXPECT_EQ(Player(h).overall[LedgerEntry::ExpenseNewPlanes], 10 * 251250000.0); }},
        Press(kCommandClose, {.setup = [](H& h) { Player(h).balance = 2147483647 - 1000; }}),
        {.menu = kFleetMenu, .choice = {"choice", 0}, .item = kCommandSell, .status = "Balance Limit Exceeded",
         .on = kFleetListWindow, .balance = 2147483647 - 1000, .fleet = 10,
         .check = [](H& h) { EXPECT_EQ(Player(h).overall[LedgerEntry::IncomeSoldPlanes], 0); }}});
}

TEST_F(PlanesScreens, AnEmptyFleetListOffersOnlyItsButtonsAndExplainsWhyNothingCanBeSold) {
  int balance = 0;
  Play({Press(kCommandClose), {.menu = kFleetMenu}, Items(4),  // "Sell", "Details", "Close", "Route"
        Press(kCommandSell, {.status = "No planes available"}), Press(kCommandClose),
        {.menu = kBuyMenu, .choice = {"choice", 0}},
        Press(kCommandDetails, {.menu = kFleetMenu, .status = "Please select a plane", .on = kFleetListWindow}),
        // A double click on "Sell": the second tap comes before the list is rebuilt, on the row just sold.
        {.item = {"choice", 0}, .check = [&](H& h) { balance = Player(h).balance; }},
        {.item = kCommandSell, .times = 2, .status = "No planes available", .fleet = 0,
         .check = [&](H& h) { EXPECT_EQ(Player(h).balance, balance + 39500000); }}});
}

TEST_F(PlanesScreens, NineRowsMakeTwoPagesAndTheTwentyFirstPlaneIsRefused) {
  const auto start = [](int row) { return [row](H& h) { EXPECT_EQ(h.ui().planes.fleetListStart, row); }; };
  Play({{.choice = {"choice", 0}}, {.menu = kBuyMenu, .choice = {"choice", 0}, .times = 19, .fleet = 20},
        {.menu = kBuyMenu, .choice = {"choice", 0}, .status = "Maximum Planes Exceeded", .fleet = 20},
        Press(kCommandFleetNext, {.menu = kFleetMenu}), Press(kCommandFleetNext, {.check = start(16)}),
        Items(4 * 6 + 5),  // four rows, "Prev" and the four buttons
        {.choice = {"choice", 0}, .item = kCommandSell, .times = 4}, Items(5),  // an empty page keeps "Prev"
        Press(kCommandFleetPrev, {.check = start(8)})});
}

}  // namespace
}  // namespace jetvale
