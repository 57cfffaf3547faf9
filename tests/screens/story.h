// Stories as data: a table of steps played on a headless game, each followed by what the player must see.
// A step does, in this order: its setup, a menu choice, its taps, its frames; then its expectations are checked.
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

constexpr int kOnScreen = -1;  // the window a step taps or reads: the one on screen

struct Shows {
  int item;
  std::string text;
};

struct MenuChoice {
  int button = -1;  // on the toolbar
  int choice = -1;
};

struct Step {
  std::function<void(HeadlessGame&)> setup = nullptr;  // world state the story needs
  // `times` over: a menu opened from the toolbar, a choice in it, its "Ok" and one frame; then a choice in the
  // window on screen (a menu's, a list's row), `item` or else the window's last button ("Ok", "Route") and one
  // frame; or without a choice a tap on `item` of `window`. An item is an index, or a command id (100 and up)
  // for the button carrying it. Then the frames.
  MenuChoice menu = {};
  int choice = -1;
  int window = kOnScreen;
  int item = -1;
  int times = 1;
  int frames = 0;
  // Expectations.
  const char* status = nullptr;  // the status line
  int on = -1;                   // the window on screen
  std::vector<Shows> shows = {};      // item texts of the window on screen
  std::optional<std::int64_t> balance = std::nullopt;
  int fleet = -1;
  const char* golden = nullptr;  // the picture, compared with tests/golden/
  std::function<void(HeadlessGame&)> check = nullptr;  // anything else
};

inline Airline& Player(HeadlessGame& h) { return h.game.Game().world.Player(); }
inline World& W(HeadlessGame& h) { return h.game.Game().world; }
inline std::string Text(HeadlessGame& h, int window, int item) { return h.ui().windows[window].Item(item).text; }

inline int CurrentOr(HeadlessGame& h, int window) { return window == kOnScreen ? h.ui().currentWindow : window; }

// The tapped item's index: itself, or the first button carrying the command.
inline int ItemFor(HeadlessGame& h, int window, int item) {
  if (item < kCommandPassengersMenu) return item;
  const GameWindow& w = h.ui().windows[window];
  for (int i = 0; i < w.itemCount; ++i) {
    if (w.Item(i).kind == kButton && w.Item(i).command == item) return i;
  }
  ADD_FAILURE() << "no button with command " << item << " in window " << window;
  return 0;
}

inline void TapNamed(HeadlessGame& h, int window, int item) {
  window = CurrentOr(h, window);
  h.TapItem(window, ItemFor(h, window, item));
}

// Taps a choice of the window on screen, then `item` or else the window's last button, then runs a frame.
inline void Choose(HeadlessGame& h, int choice, int item = -1) {
  const int window = h.ui().currentWindow;
  h.TapItem(window, choice);
  TapNamed(h, window, item >= 0 ? item : h.ui().windows[window].itemCount - 1);
  h.RunFrames(1);
}

inline void PlayStep(HeadlessGame& h, const Step& s) {
  if (s.setup) s.setup(h);
  for (int n = 0; n < s.times; ++n) {
    if (s.menu.button >= 0) {
      h.TapItem(kToolbarWindow, s.menu.button);
      Choose(h, s.menu.choice);
    }
    if (s.choice >= 0) {
      Choose(h, s.choice, s.item);
    } else if (s.item >= 0) {
      TapNamed(h, s.window, s.item);
    }
  }
  h.RunFrames(s.frames);
  if (s.status != nullptr) { EXPECT_EQ(h.ui().status.text, s.status); }
  if (s.on >= 0) { EXPECT_EQ(h.ui().currentWindow, s.on); }
  for (const Shows& shown : s.shows) {
    EXPECT_EQ(Text(h, h.ui().currentWindow, shown.item), shown.text) << "item " << shown.item;
  }
  if (s.balance) { EXPECT_EQ(Player(h).balance, *s.balance); }
  if (s.fleet >= 0) { EXPECT_EQ(Player(h).planeCount, s.fleet); }
  if (s.golden != nullptr) ExpectMatchesGolden(h.game.BackBuffer(), s.golden);
  if (s.check) s.check(h);
}

// One step made of several, for a set-up the stories of a family share.
inline Step Steps(std::vector<Step> steps) {
  return {.setup = [steps = std::move(steps)](HeadlessGame& h) {
    for (const Step& s : steps) PlayStep(h, s);
  }};
}

// Plays the steps in order; a failure names the story (the test) and the step, counted from 1.
inline void Play(HeadlessGame& h, const std::vector<Step>& steps, const std::string& part = "step ") {
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
  void Play(const std::vector<Step>& steps) {
    jetvale::Play(game, opening_, "opening step ");
    jetvale::Play(game, steps);
  }
  HeadlessGame game;

 private:
  std::vector<Step> opening_;
};

// The openings the families share: the map with the clock stopped; a new game as Western Airlines, at the
// purchase list.
inline const Step kToMap{.window = kToolsMenuWindow, .item = kToolsCancelItem};
inline const Step kNewGame = Steps({{.choice = kToolsNewGameItem}, {.choice = kFirstAirlineChoiceItem}});
constexpr MenuChoice kBuyMenu{kToolbarPlanesItem, kPlanesBuyItem}, kFleetMenu{kToolbarPlanesItem, kPlanesListItem};

}  // namespace jetvale
