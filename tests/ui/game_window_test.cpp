// The window machinery: where a tap lands, and a chosen choice turning red. What each window draws is
// in its golden picture (golden_window_test.cpp).
#include <gtest/gtest.h>

#include <tuple>

#include "ui/game_window.h"

namespace jetvale {
namespace {

// At (100, 50): buttons A (10, 10, 20 x 9) and B (20, 10) overlapping on x 20..30, choices C and D, and a 0 x 0
// button at (60, 50).
GameWindow TwoButtonsAndTwoChoices(WindowTable& table) {
  GameWindow& w = table[table.AddWindow(100, 50, 80, 60, "Test")];
  w.AddItem(10, 10, 20, 9, kButton, "A", 111, kOrange);
  w.AddItem(20, 10, 20, 9, kButton, "B", 222, kOrange);
  w.AddItem(10, 30, 40, 9, kChoice, "C", 333, kDarkGreen);
  w.AddItem(10, 45, 40, 9, kChoice, "D", 444, kDarkGreen);
  w.AddItem(60, 50, 0, 0, kButton, "", 555, kDarkGreen);
  return w;
}

TEST(HitTest, EdgesCountTheLowerIndexWinsAndAZeroSizedItemIsHitOnlyOnItsPoint) {
  WindowTable table;
  const GameWindow window = TwoButtonsAndTwoChoices(table);
  const struct {
    int x, y;
    bool hit;
    int command, item;  // command 7: left as it was
  } taps[] = {
      {130, 69, true, 111, 0},  {110, 60, true, 111, 0},  // A's right and bottom edge (110 + 20, 60 + 9), its corner
      {125, 65, true, 111, 0},  {131, 65, true, 222, 1},  // under A and B, A comes first; beyond A, B
      {109, 65, false, 7, kMissedItem},  {131, 70, false, 7, kMissedItem}, {120, 59, false, 7, kMissedItem},
      {160, 100, true, 555, 4}, {161, 100, false, 7, kMissedItem}, {160, 101, false, 7, kMissedItem},
      {159, 100, false, 7, kMissedItem}, {120, 84, true, 7, 2},  // a choice is hit but sets no command
  };
  for (const auto& t : taps) {
    GameWindow w = window;
    int command = 7;
    EXPECT_EQ(HitTest(w, t.x, t.y, command), t.hit) << t.x << "," << t.y;
    EXPECT_EQ(command, t.command) << t.x << "," << t.y;
    EXPECT_EQ(w.hitItem, t.item) << t.x << "," << t.y;
  }
  // A tapped choice turns red, and the one chosen before green again.
  GameWindow w = window;
  int command = 7;
  EXPECT_TRUE(HitTest(w, 120, 84, command) && HitTest(w, 120, 99, command));
  EXPECT_EQ(std::tuple(w.selectedItem, w.Item(2).background, w.Item(3).background),
            std::tuple(3, kDarkGreen, kSelectedRed));
  EXPECT_FALSE(HitTest(table[table.AddWindow(0, 0, 320, 240, "Empty")], 10, 10, command));
  EXPECT_EQ(table[1].hitItem, 0);  // a window without items
}

}  // namespace
}  // namespace jetvale
