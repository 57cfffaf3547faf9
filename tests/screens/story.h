// Stories as data: a table of steps played on a headless game, each followed by what the player must see then.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/headless_game.h"
#include "ui/golden.h"

namespace jetvale {

using H = HeadlessGame;
constexpr int kOnScreen = -1;  // the window on screen

struct Shows {
  int item;
  std::string text;
};
struct MenuChoice {
  int button = -1;  // on the toolbar
  int choice = -1;
};

// A step does its setup; then `times` over: a toolbar menu's choice, its "Ok" and a frame; a choice in the window
// on screen (a menu's, a list's row), then `item` or else that window's last button ("Ok", "Route"), and a frame;
// or, without a choice, a tap on `item` of `window`. An item is an index, or a command id (100 and up) for the
// button carrying it. Then its frames, then its expectations.
struct Step {
  std::function<void(H&)> setup = nullptr;  // world state the story needs
  MenuChoice menu = {};
  int choice = -1;
  int window = kOnScreen;
  int item = -1;
  int times = 1;
  int frames = 0;
  const char* status = nullptr;  // the status line
  int on = -1;                   // the window on screen
  std::vector<Shows> shows = {};  // item texts of the window on screen
  std::optional<std::int64_t> balance = std::nullopt;
  int fleet = -1;
  const char* golden = nullptr;  // the picture, as reviewed in tests/golden/
  std::function<void(H&)> check = nullptr;  // anything else
};

inline Airline& Player(H& h) { return h.game.Game().world.Player(); }
inline World& W(H& h) { return h.game.Game().world; }
inline std::string Text(H& h, int window, int item) { return h.ui().windows[window].Item(item).text; }

inline void TapNamed(H& h, int window, int item) {
  if (window == kOnScreen) window = h.ui().currentWindow;
  const GameWindow& w = h.ui().windows[window];
  for (int i = 0; item >= kCommandPassengersMenu && i < w.itemCount; ++i) {
    if (w.Item(i).kind == kButton && w.Item(i).command == item) item = i;
  }
  if (item >= kCommandPassengersMenu) ADD_FAILURE() << "no button of command " << item << " in window " << window;
  h.TapItem(window, item);
}

inline void Choose(H& h, int choice, int item = -1) {
  const int window = h.ui().currentWindow;
  h.TapItem(window, choice);
  TapNamed(h, window, item >= 0 ? item : h.ui().windows[window].itemCount - 1);
  h.RunFrames(1);
}

inline void PlayStep(H& h, const Step& s) {
  if (s.setup) s.setup(h);
  for (int n = 0; n < s.times; ++n) {
    if (s.menu.button >= 0) h.TapItem(kToolbarWindow, s.menu.button), Choose(h, s.menu.choice);
    if (s.choice >= 0) Choose(h, s.choice, s.item);
    if (s.choice < 0 && s.item >= 0) TapNamed(h, s.window, s.item);
  }
  h.RunFrames(s.frames);
  if (s.status != nullptr) { EXPECT_EQ(h.ui().status.text, s.status); }
  if (s.on >= 0) { EXPECT_EQ(h.ui().currentWindow, s.on); }
  for (const Shows& shown : s.shows) EXPECT_EQ(Text(h, h.ui().currentWindow, shown.item), shown.text) << shown.item;
  if (s.balance) { EXPECT_EQ(Player(h).balance, *s.balance); }
  if (s.fleet >= 0) { EXPECT_EQ(Player(h).planeCount, s.fleet); }
  if (s.golden != nullptr) ExpectMatchesGolden(h.game.BackBuffer(), s.golden);
  if (s.check) s.check(h);
}

// One step made of several: a set-up the stories of a family share.
inline Step Steps(std::vector<Step> steps) {
  return {.setup = [steps = std::move(steps)](H& h) { for (const Step& s : steps) PlayStep(h, s); }};
}

// A failure names the story (the test) and the step, counted from 1.
inline void Play(H& h, const std::vector<Step>& steps, const std::string& part = "step ") {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ", " + part +
                 std::to_string(i + 1));
    PlayStep(h, steps[i]);
  }
}

// A family's fixture: its game, and the steps all its stories begin with.
class Stories : public ::testing::Test {
 protected:
  Stories(const std::string& assets, std::vector<Step> opening, std::vector<std::uint32_t> ticks = {})
      : game(assets, std::move(ticks)), opening_(std::move(opening)) {}
  void Play(const std::vector<Step>& steps) { jetvale::Play(game, opening_, "opening "), jetvale::Play(game, steps); }
  HeadlessGame game;

 private:
  std::vector<Step> opening_;
};

// The map with the clock stopped; a new game as Western Airlines, at the purchase list; the Planes menu's choices.
inline const Step kToMap{.window = kToolsMenuWindow, .item = kToolsCancelItem};
inline const Step kNewGame = Steps({{.choice = kToolsNewGameItem}, {.choice = kFirstAirlineChoiceItem}});
constexpr MenuChoice kBuyMenu{kToolbarPlanesItem, kPlanesBuyItem}, kFleetMenu{kToolbarPlanesItem, kPlanesListItem};

}  // namespace jetvale
