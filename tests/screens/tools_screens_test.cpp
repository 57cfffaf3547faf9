// The toolbar and the Tools menu played through taps: menus, a new game, the game speed and the way out.
#include <gtest/gtest.h>

#include "engine/headless_game.h"

namespace jetvale {
namespace {

class ToolsScreens : public ::testing::Test {
 protected:
  void Close() {
    h.TapItem(h.ui().currentWindow, h.ui().windows[h.ui().currentWindow].itemCount - 2);  // "Cancel" sits before "Ok"
  }
  void Open(int toolbarItem) { h.TapItem(kToolbarWindow, toolbarItem); }
  HeadlessGame h{MakeTestAssets("jetvale_tools_screens"), {1, 5, 9}};  // start-up, then each new game
};

TEST_F(ToolsScreens, TheGameStartsInTheToolsMenuAndTheToolbarWaitsUntilItIsClosed) {
  h.RunFrames(1);
  Open(0);  // the planes button lies under no item of the Tools menu
  EXPECT_EQ(h.ui().command, kCommandToolsMenu);
  EXPECT_EQ(h.ui().currentWindow, kToolsMenuWindow);
  Close();
  EXPECT_EQ(h.ui().command, kCommandClose);
  EXPECT_EQ(h.ui().currentWindow, kToolbarWindow);
  const struct {
    int item;
    int command;
    int window;
  } buttons[] = {{0, 200, kPlanesMenuWindow}, {1, 300, kFinanceMenuWindow}, {2, 100, kPassengersMenuWindow},
                 {3, 400, kToolsMenuWindow}};
  for (const auto& b : buttons) {
    Open(b.item);
    EXPECT_EQ(h.ui().command, b.command);
    EXPECT_EQ(h.ui().currentWindow, b.window);
    h.RunFrames(2);  // the menu stays while nothing is tapped
    EXPECT_EQ(h.ui().currentWindow, b.window);
    Close();
  }
}

TEST_F(ToolsScreens, OkWithoutAChoiceKeepsTheMenuAndTheLastChoiceStaysForTheNextVisit) {
  h.TapItem(kToolsMenuWindow, kToolsOkItem);  // "Ok"
  h.RunFrames(1);
  EXPECT_EQ(h.ui().command, kCommandToolsMenu);
  h.TapItem(kToolsMenuWindow, kToolsExitGameItem);  // "Exit Game"
  h.TapItem(kToolsMenuWindow, kToolsCancelItem);  // "Cancel"
  Open(3);
  EXPECT_EQ(h.ui().windows[kToolsMenuWindow].Item(kToolsExitGameItem).background, kSelectedRed);
  h.TapItem(kToolsMenuWindow, kToolsOkItem);
  h.RunFrames(1);
  EXPECT_EQ(h.ui().currentWindow, kExitConfirmWindow);
}

TEST_F(ToolsScreens, ANewGameStartsFromAFreshWorldWithTheChosenAirline) {
  World& world = h.game.Game().world;
  const auto tagDrawnBy = [](std::uint32_t seed) {
    Random random(seed);
    return World(random).airlines[1].planes[0].tag;
  };
  const auto newGame = [&](int choice) {
    h.TapItem(kToolsMenuWindow, kToolsNewGameItem);  // "New Game"
    h.TapItem(kToolsMenuWindow, kToolsOkItem);
    h.RunFrames(1);
    if (choice >= 0) h.TapItem(kNewGameWindow, choice);
    h.TapItem(kNewGameWindow, kNewGameOkItem);  // "Ok"
  };
  EXPECT_EQ(world.airlines[1].planes[0].tag, tagDrawnBy(1));
  world.airlines[0].identity = kOceanAirways;  // as a loaded game left them
  world.airlines[2].identity = kWesternAirlines;
  newGame(-1);  // no airline chosen: every airline keeps its identity
  EXPECT_EQ(world.airlines[0].identity, kOceanAirways);
  EXPECT_EQ(world.airlines[1].identity, 0);
  EXPECT_EQ(world.airlines[2].identity, kWesternAirlines);
  EXPECT_EQ(world.airlines[1].planes[0].tag, tagDrawnBy(5));  // drawn from the machine's tick count
  EXPECT_NE(tagDrawnBy(5), tagDrawnBy(1));

  world.airlines[0].balance = 123;
  world.airlines[2].planes[4].inUse = 1;
  world.AirportById(5).gates[3].owner = 1;
  h.game.Game().clock.day = 20;
  h.RunFrames(1);  // the purchase list is filled
  Close();
  Open(3);
  newGame(3);  // "Southeast Air"
  EXPECT_EQ(h.ui().currentWindow, kPurchaseListWindow);  // straight on to buying planes
  EXPECT_EQ(h.game.Game().clock.running, 1);
  EXPECT_EQ(world.airlines[0].identity, kSoutheastAir);
  EXPECT_EQ(world.airlines[1].identity, kWesternAirlines);  // it gave its name to the player
  EXPECT_EQ(world.airlines[2].identity, kOceanAirways);
  EXPECT_EQ(world.airlines[3].identity, kAtlanticAir);
  EXPECT_EQ(world.airlines[0].balance, 500000000);
  EXPECT_EQ(world.airlines[2].planes[4].inUse, 0);
  EXPECT_EQ(world.AirportById(5).gates[3].owner, kNoGateOwner);
  EXPECT_EQ(world.airlines[1].planes[0].tag, tagDrawnBy(9));
  h.RunFrames(1);
  EXPECT_EQ(h.game.DateText(), "Jan-1 Year 1 Mon");
  EXPECT_EQ(h.game.TimeText(), "01:05 ");
}

TEST_F(ToolsScreens, TheSpeedChangesOnlyWithOkAndTheOptionsShowItsName) {
  const auto speedText = [&] { return h.ui().windows[kOptionsWindow].Item(kOptionsSpeedItem).text; };
  h.TapItem(kToolsMenuWindow, kToolsOptionsItem);  // "Options"
  h.TapItem(kToolsMenuWindow, kToolsOkItem);
  h.RunFrames(1);
  EXPECT_EQ(speedText(), "FAST");
  for (int i = 0; i < 3; ++i) h.TapItem(kOptionsWindow, kOptionsSlowerItem);  // "<-", slower
  EXPECT_EQ(speedText(), "SLOW");
  h.TapItem(kOptionsWindow, kOptionsCancelItem);  // "Cancel"
  EXPECT_EQ(h.ui().gameSpeed, kSpeedFast);
  Open(3);
  h.TapItem(kToolsMenuWindow, kToolsOkItem);  // "Options" is still chosen
  h.RunFrames(1);
  EXPECT_EQ(speedText(), "FAST");
  h.TapItem(kOptionsWindow, kOptionsSlowerItem);
  EXPECT_EQ(speedText(), "MEDIUM");
  h.TapItem(kOptionsWindow, kOptionsFasterItem);  // "->", faster
  EXPECT_EQ(speedText(), "FAST");
  h.TapItem(kOptionsWindow, kOptionsFasterItem);  // "FAST" stays
  EXPECT_EQ(speedText(), "FAST");
  h.TapItem(kOptionsWindow, kOptionsSlowerItem);
  h.TapItem(kOptionsWindow, kOptionsOkItem);  // "Ok"
  EXPECT_EQ(h.ui().gameSpeed, kSpeedMedium);
  EXPECT_EQ(h.ui().command, kCommandNone);
}

TEST_F(ToolsScreens, TheOptionsFirstShowTheSpeedTheProgramStartedWith) {
  h.game.SetStartSpeed(kSpeedSlow);  // the player's last choice, remembered
  h.TapItem(kToolsMenuWindow, kToolsOptionsItem);  // "Options", straight from the Tools menu shown at start
  h.TapItem(kToolsMenuWindow, kToolsOkItem);
  h.RunFrames(1);
  EXPECT_EQ(h.ui().windows[kOptionsWindow].Item(kOptionsSpeedItem).text, "SLOW");
}

TEST_F(ToolsScreens, AfterExitYesOnlyTheClickToExitWindowRemains) {
  h.TapItem(kToolsMenuWindow, kToolsExitGameItem);
  h.TapItem(kToolsMenuWindow, kToolsOkItem);
  h.RunFrames(1);
  EXPECT_EQ(h.game.ExitRequested(), 0);
  h.TapItem(kExitConfirmWindow, kConfirmYesItem);  // "Yes"
  EXPECT_EQ(h.game.ExitRequested(), 1);
  EXPECT_EQ(h.ui().currentWindow, kExitConfirmWindow);  // nothing is drawn in the frame of "Yes"
  h.RunFrames(1);
  EXPECT_EQ(h.ui().currentWindow, kClickToExitWindow);
  EXPECT_EQ(h.ui().windows[kClickToExitWindow].Item(0).text, "Click to Exit");
}

TEST_F(ToolsScreens, ThePadAndTheArrowKeysScrollTheMapAndTheCentreSwitchesFastMode) {
  Close();
  Open(kPadRightItem);
  h.RunFrames(25);
  EXPECT_EQ(h.ui().map.viewX, 200);
  Open(kPadCentreItem);
  EXPECT_EQ(h.ui().map.fast, 1);
  h.RunFrames(1);  // the mark is drawn with the map, before the tap's command is dispatched
  // The mark on the pad's centre: a red square of 2 x 3 with darker edges.
  for (const auto& [x, y] : {std::pair{13, 212}, {14, 212}, {13, 213}, {14, 213}, {13, 214}, {14, 214}}) {
    EXPECT_EQ(h.Pixel(x, y), kRed) << x << "," << y;
  }
  for (const auto& [x, y] : {std::pair{12, 213}, {12, 214}, {13, 215}, {14, 215}}) EXPECT_EQ(h.Pixel(x, y), 65u);
  EXPECT_EQ(h.Pixel(15, 213), 150u);
  EXPECT_EQ(h.Pixel(15, 214), 150u);
  h.game.ScrollKey(kScrollUp);
  h.RunFrames(90);
  EXPECT_EQ(h.ui().map.viewY, 100 - 100);  // 50 steps of two, then the top edge
  Open(kPadCentreItem);
  h.RunFrames(1);
  EXPECT_NE(h.Pixel(13, 212), kRed);
}

TEST_F(ToolsScreens, AirportsInViewAreMarkedYellowWithTheirCode) {
  h.RunFrames(1);
  // ATL at map (328, 170) under the view at (180, 100).
  EXPECT_EQ(h.Pixel(328 - 180 + 29, 170 - 100 + 9), kYellow);
  bool codeDrawn = false;  // "ATL" to the dot's lower right
  for (int y = 81; y < 89; ++y) {
    for (int x = 179; x < 194; ++x) codeDrawn = codeDrawn || h.Pixel(x, y) == kWhite;
  }
  EXPECT_TRUE(codeDrawn);
}

}  // namespace
}  // namespace jetvale
