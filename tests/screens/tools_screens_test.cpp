// The toolbar and the Tools menu played through taps: menus, a new game, the game speed and the way out.
#include "screens/story.h"

namespace jetvale {
namespace {

struct ToolsScreens : Stories {
  ToolsScreens() : Stories(MakeTestAssets("jetvale_tools_screens"), {}, {1, 5, 9}) {}  // start-up, each new game
};

std::string TagDrawnBy(std::uint32_t seed) {  // the rivals' fleets are drawn from the machine's tick count
  Random random(seed);
  return World(random).airlines[1].planes[0].tag;
}

TEST_F(ToolsScreens, ANewGameStartsFromAFreshWorldWithTheChosenAirline) {
  const auto drawn = [](std::uint32_t seed, std::array<int, 4> identities) {
    return [=](H& h) {
      for (std::size_t a = 0; a < 4; ++a) EXPECT_EQ(W(h).airlines[a].identity, identities[a]) << a;
      EXPECT_EQ(W(h).airlines[1].planes[0].tag, TagDrawnBy(seed));
    };
  };
  ASSERT_NE(TagDrawnBy(5), TagDrawnBy(1));
  Play({{.check = [](H& h) { EXPECT_EQ(W(h).airlines[1].planes[0].tag, TagDrawnBy(1)); }},
        {.setup = [](H& h) { W(h).airlines[0].identity = kOceanAirways, W(h).airlines[2].identity = kWesternAirlines; },
         .choice = {"new game"}},  // as a loaded game left them
        {.item = {"ok"},  // no airline chosen: every one keeps its identity
         .check = drawn(5, {kOceanAirways, 0, kWesternAirlines, 0})},
        {.setup = [](H& h) {
           Player(h).balance = 123, W(h).airlines[2].planes[4].inUse = true;
           W(h).GatesAt(5)[3].owner = 1, h.game.Game().clock.day = 20;
         },
         .frames = 1},  // the purchase list is filled
        {.item = kCommandClose}, {.menu = {{"tools"}, {"new game"}}},
        {.item = {"airline", 1}},  // "Southeast Air"; Western gives the player its name
        {.item = {"ok"}, .on = kPurchaseListWindow, .balance = 500000000, .check = [&](H& h) {
           drawn(9, {kSoutheastAir, kWesternAirlines, kOceanAirways, kAtlanticAir})(h);
           EXPECT_TRUE(h.game.Game().clock.running);
           EXPECT_FALSE(W(h).airlines[2].planes[4].inUse);
           EXPECT_EQ(W(h).GatesAt(5)[3].owner, kNoGateOwner);
         }},
        {.frames = 1,
         .check = [](H& h) { EXPECT_EQ(h.game.DateText() + ", " + h.game.TimeText(), "Jan-1 Year 1 Mon, 01:05 "); }}});
}

TEST_F(ToolsScreens, TheOptionsFirstShowTheSpeedTheProgramStartedWith) {
  Play({{.setup = [](H& h) { h.game.SetStartSpeed(kSpeedSlow); },  // the player's last choice, remembered
         .choice = {"options"}, .shows = {{{"speed"}, "SLOW"}}}});
}

TEST_F(ToolsScreens, AfterExitYesOnlyTheClickToExitWindowRemains) {
  Play({{.choice = {"exit game"}, .check = [](H& h) { EXPECT_FALSE(h.game.ExitRequested()); }},
        {.item = {"yes"}, .on = kExitConfirmWindow,  // nothing is drawn in the frame of "Yes"
         .check = [](H& h) { EXPECT_TRUE(h.game.ExitRequested()); }},
        {.frames = 1, .on = kClickToExitWindow, .shows = {{{"question"}, "Click to Exit"}}}});
}

TEST_F(ToolsScreens, ThePadAndTheArrowKeysScrollTheMapAndTheCentreSwitchesFastMode) {
  // The pad and the mark on its centre, as reviewed: a red square of 2 x 3, darker at its edges, in fast mode.
  const auto pad = [](const char* golden) {
    return [golden](H& h) {
      CGapiSurface corner;
      corner.CreateSurface(40, 40);
      const GapiRect area{0, 195, 40, 235};
      corner.BltFast(0, 0, h.game.BackBuffer(), &area, kBltOpaque);
      ExpectMatchesGolden(corner, golden);
    };
  };
  Play({{.item = kCommandClose},
        {.window = kToolbarWindow, .item = {"pad right"}, .frames = 25,
         .check = [](H& h) { EXPECT_EQ(h.ui().map.viewX, 200); }},
        {.window = kToolbarWindow, .item = {"pad centre"}, .check = [](H& h) { EXPECT_TRUE(h.ui().map.fast); }},
        {.frames = 1, .check = pad("pad_fast_mode")},  // drawn with the map, before the tap's command is dispatched
        {.setup = [](H& h) { h.game.ScrollKey(kScrollUp); }, .frames = 90,  // 50 steps of two, then the top edge
         .check = [](H& h) { EXPECT_EQ(h.ui().map.viewY, 0); }},
        {.window = kToolbarWindow, .item = {"pad centre"}, .frames = 1, .check = pad("pad_slow_mode")}});
}

}  // namespace
}  // namespace jetvale
