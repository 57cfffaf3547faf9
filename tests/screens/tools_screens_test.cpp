// The toolbar and the Tools menu played through taps: menus, a new game, the game speed and the way out.
#include "screens/story.h"

namespace jetvale {
namespace {

struct ToolsScreens : Stories {
  ToolsScreens() : Stories(MakeTestAssets("jetvale_tools_screens"), {}, {1, 5, 9}) {}  // start-up, each new game
};

Step Toolbar(int item, int command, int window, int frames = 0) {
  return {.window = kToolbarWindow, .item = item, .frames = frames, .on = window,
          .check = [command](HeadlessGame& h) { EXPECT_EQ(h.ui().command, command); }};
}
Step Speed(int item, const char* name) { return {.item = item, .shows = {{kOptionsSpeedItem, name}}}; }
std::string TagDrawnBy(std::uint32_t seed) {
  Random random(seed);
  return World(random).airlines[1].planes[0].tag;
}

TEST_F(ToolsScreens, TheGameStartsInTheToolsMenuAndTheToolbarWaitsUntilItIsClosed) {
  std::vector<Step> story = {{.frames = 1},  // the planes button lies under no item of the Tools menu
                             Toolbar(kToolbarPlanesItem, kCommandToolsMenu, kToolsMenuWindow),
                             {.item = kCommandClose, .on = kToolbarWindow}};
  for (const auto& [item, command, window] : {std::tuple{kToolbarPlanesItem, kCommandPlanesMenu, kPlanesMenuWindow},
                                              {kToolbarFinanceItem, kCommandFinanceMenu, kFinanceMenuWindow},
                                              {kToolbarPassengersItem, kCommandPassengersMenu, kPassengersMenuWindow},
                                              {kToolbarToolsItem, kCommandToolsMenu, kToolsMenuWindow}}) {
    story.insert(story.end(), {Toolbar(item, command, window), {.frames = 2, .on = window},  // nothing tapped
                               {.item = kCommandClose}});
  }
  Play(story);
}

TEST_F(ToolsScreens, OkWithoutAChoiceKeepsTheMenuAndTheLastChoiceStaysForTheNextVisit) {
  Play({{.item = kToolsOkItem, .frames = 1, .on = kToolsMenuWindow},
        {.item = kToolsExitGameItem}, {.item = kToolsCancelItem},
        {.window = kToolbarWindow, .item = kToolbarToolsItem, .check = [](HeadlessGame& h) {
           EXPECT_EQ(h.ui().windows[kToolsMenuWindow].Item(kToolsExitGameItem).background, kSelectedRed);
         }},
        {.item = kToolsOkItem, .frames = 1, .on = kExitConfirmWindow}});
}

TEST_F(ToolsScreens, ANewGameStartsFromAFreshWorldWithTheChosenAirline) {
  const auto identities = [](std::array<int, 4> ids) {
    return [ids](HeadlessGame& h) {
      for (std::size_t a = 0; a < 4; ++a) EXPECT_EQ(W(h).airlines[a].identity, ids[a]) << a;
    };
  };
  const auto tag = [](std::uint32_t seed) {  // the rivals' fleets drawn from the machine's tick count
    return [seed](HeadlessGame& h) { EXPECT_EQ(W(h).airlines[1].planes[0].tag, TagDrawnBy(seed)); };
  };
  ASSERT_NE(TagDrawnBy(5), TagDrawnBy(1));
  Play({{.check = tag(1)},
        {.setup = [](HeadlessGame& h) {  // as a loaded game left them
           W(h).airlines[0].identity = kOceanAirways;
           W(h).airlines[2].identity = kWesternAirlines;
         },
         .choice = kToolsNewGameItem},
        {.item = kNewGameOkItem, .check = [&](HeadlessGame& h) {  // no airline chosen: every one keeps its identity
           identities({kOceanAirways, 0, kWesternAirlines, 0})(h);
           tag(5)(h);
         }},
        {.setup = [](HeadlessGame& h) {
           Player(h).balance = 123;
           W(h).airlines[2].planes[4].inUse = 1;
           W(h).AirportById(5).gates[3].owner = 1;
           h.game.Game().clock.day = 20;
         },
         .frames = 1},  // the purchase list is filled
        {.item = kCommandClose}, {.menu = {kToolbarToolsItem, kToolsNewGameItem}},
        {.item = kFirstAirlineChoiceItem + kAirlineChoiceStep},  // "Southeast Air"
        {.item = kNewGameOkItem, .on = kPurchaseListWindow, .balance = 500000000,  // straight on to buying planes
         .check = [&](HeadlessGame& h) {  // Western Airlines gave its name to the player
           EXPECT_EQ(h.game.Game().clock.running, 1);
           identities({kSoutheastAir, kWesternAirlines, kOceanAirways, kAtlanticAir})(h);
           EXPECT_EQ(W(h).airlines[2].planes[4].inUse, 0);
           EXPECT_EQ(W(h).AirportById(5).gates[3].owner, kNoGateOwner);
           tag(9)(h);
         }},
        {.frames = 1, .check = [](HeadlessGame& h) {
           EXPECT_EQ(h.game.DateText(), "Jan-1 Year 1 Mon");
           EXPECT_EQ(h.game.TimeText(), "01:05 ");
         }}});
}

TEST_F(ToolsScreens, TheSpeedChangesOnlyWithOkAndTheOptionsShowItsName) {
  const auto speed = [](int s) {
    return [s](HeadlessGame& h) { EXPECT_EQ(h.ui().gameSpeed, s); };
  };
  Play({{.choice = kToolsOptionsItem, .shows = {{kOptionsSpeedItem, "FAST"}}},
        {.item = kOptionsSlowerItem, .times = 3, .shows = {{kOptionsSpeedItem, "SLOW"}}},
        {.item = kOptionsCancelItem, .check = speed(kSpeedFast)},
        {.menu = {kToolbarToolsItem, kToolsOptionsItem}, .shows = {{kOptionsSpeedItem, "FAST"}}},
        Speed(kOptionsSlowerItem, "MEDIUM"), Speed(kOptionsFasterItem, "FAST"),
        Speed(kOptionsFasterItem, "FAST"),  // the fastest already
        {.item = kOptionsSlowerItem},
        {.item = kOptionsOkItem, .check = [&](HeadlessGame& h) {
           speed(kSpeedMedium)(h);
           EXPECT_EQ(h.ui().command, kCommandNone);
         }}});
}

TEST_F(ToolsScreens, TheOptionsFirstShowTheSpeedTheProgramStartedWith) {
  Play({{.setup = [](HeadlessGame& h) { h.game.SetStartSpeed(kSpeedSlow); },  // the player's last choice
         .choice = kToolsOptionsItem, .shows = {{kOptionsSpeedItem, "SLOW"}}}});
}

TEST_F(ToolsScreens, AfterExitYesOnlyTheClickToExitWindowRemains) {
  const auto exiting = [](int requested) {
    return [requested](HeadlessGame& h) { EXPECT_EQ(h.game.ExitRequested(), requested); };
  };
  Play({{.choice = kToolsExitGameItem, .check = exiting(0)},
        {.item = kConfirmYesItem, .on = kExitConfirmWindow, .check = exiting(1)},  // nothing drawn in its frame
        {.frames = 1, .on = kClickToExitWindow, .shows = {{0, "Click to Exit"}}}});
}

TEST_F(ToolsScreens, ThePadAndTheArrowKeysScrollTheMapAndTheCentreSwitchesFastMode) {
  // The mark on the pad's centre: a red square of 2 x 3, darker at its edges.
  const auto mark = [](HeadlessGame& h) {
    for (const auto& [x, y] : {std::pair{13, 212}, {14, 212}, {13, 213}, {14, 213}, {13, 214}, {14, 214}}) {
      EXPECT_EQ(h.Pixel(x, y), kRed) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{12, 213}, {15, 213}, {13, 215}}) EXPECT_NE(h.Pixel(x, y), kRed);
  };
  Play({{.item = kCommandClose},
        {.window = kToolbarWindow, .item = kPadRightItem, .frames = 25,
         .check = [](HeadlessGame& h) { EXPECT_EQ(h.ui().map.viewX, 200); }},
        {.window = kToolbarWindow, .item = kPadCentreItem,
         .check = [](HeadlessGame& h) { EXPECT_EQ(h.ui().map.fast, 1); }},
        {.frames = 1, .check = mark},  // drawn with the map, before the tap's command is dispatched
        {.setup = [](HeadlessGame& h) { h.game.ScrollKey(kScrollUp); },
         .frames = 90, .check = [](HeadlessGame& h) { EXPECT_EQ(h.ui().map.viewY, 0); }},  // 50 steps of two
        {.window = kToolbarWindow, .item = kPadCentreItem, .frames = 1,
         .check = [](HeadlessGame& h) { EXPECT_NE(h.Pixel(13, 212), kRed); }}});
}

// ATL at map (328, 170) under the view at (180, 100): a yellow dot, "ATL" to its lower right.
TEST_F(ToolsScreens, AirportsInViewAreMarkedYellowWithTheirCode) {
  Play({{.frames = 1, .check = [](HeadlessGame& h) {
           EXPECT_EQ(h.Pixel(328 - 180 + 29, 170 - 100 + 9), kYellow);
           bool codeDrawn = false;
           for (int y = 81; y < 89; ++y) {
             for (int x = 179; x < 194; ++x) codeDrawn = codeDrawn || h.Pixel(x, y) == kWhite;
           }
           EXPECT_TRUE(codeDrawn);
         }}});
}

}  // namespace
}  // namespace jetvale
