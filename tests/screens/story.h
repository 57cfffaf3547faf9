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

// An item by the name its window gives it and its row among the items of that name, or the button carrying a
// command.
struct ItemName {
  constexpr ItemName(const char* itemName = nullptr, int itemRow = 0) : name(itemName), row(itemRow) {}
  constexpr ItemName(int buttonCommand) : command(buttonCommand) {}
  bool Given() const { return name != nullptr || command != 0; }
  int In(const GameWindow& w) const {
    for (int i = 0; name == nullptr && i < w.itemCount; ++i) {
      if (w.Item(i).kind == kButton && w.Item(i).command == command) return i;
    }
    return name == nullptr ? kNoItem : w.Find(name, row);
  }
  const char* name = nullptr;
  int row = 0;
  int command = 0;
};
struct Shows {
  ItemName item;
  std::string text;
};
struct MenuChoice {
  ItemName button;  // on the toolbar
  ItemName choice;
};

// A step does its setup; then `times` over: a toolbar menu's choice, its "Ok" and a frame; a choice in the window
// on screen (a menu's, a list's row), then `item` or else that window's last item ("Ok", "Route"), and a frame;
// or, without a choice, a tap on `item` of `window`. Then its frames, then its expectations.
struct Step {
  std::function<void(H&)> setup = nullptr;  // world state the story needs
  MenuChoice menu = {};
  ItemName choice = {};
  int window = kOnScreen;
  ItemName item = {};
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
inline std::string Text(H& h, int window, ItemName item) { return h.ui().windows[window].Named(item.name, item.row).text; }

inline void TapNamed(H& h, int window, ItemName item) {
  if (window == kOnScreen) window = h.ui().currentWindow;
  const int index = item.In(h.ui().windows[window]);
  if (index == kNoItem) ADD_FAILURE() << "no item " << (item.name ? item.name : "") << " " << item.row << item.command;
  else h.TapItem(window, index);
}

inline void Choose(H& h, ItemName choice, ItemName item = {}) {
  const int window = h.ui().currentWindow;
  TapNamed(h, window, choice);
  if (item.Given()) TapNamed(h, window, item);
  else h.TapItem(window, h.ui().windows[window].itemCount - 1);
  h.RunFrames(1);
}

inline void PlayStep(H& h, const Step& s) {
  if (s.setup) s.setup(h);
  for (int n = 0; n < s.times; ++n) {
    if (s.menu.button.Given()) TapNamed(h, kToolbarWindow, s.menu.button), Choose(h, s.menu.choice);
    if (s.choice.Given()) Choose(h, s.choice, s.item);
    if (!s.choice.Given() && s.item.Given()) TapNamed(h, s.window, s.item);
  }
  h.RunFrames(s.frames);
  if (s.status != nullptr) { EXPECT_EQ(h.ui().status.text, s.status); }
  if (s.on >= 0) { EXPECT_EQ(h.ui().currentWindow, s.on); }
  for (const Shows& shown : s.shows) {
    EXPECT_EQ(Text(h, h.ui().currentWindow, shown.item), shown.text) << shown.item.name << " " << shown.item.row;
  }
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
inline const Step kToMap{.window = kToolsMenuWindow, .item = {"cancel"}};
inline const Step kNewGame = Steps({{.choice = {"new game"}}, {.choice = {"airline"}}});
constexpr MenuChoice kBuyMenu{{"planes"}, {"buy"}}, kFleetMenu{{"planes"}, {"list"}};

}  // namespace jetvale
