// The window machinery: where a tap lands, and a chosen choice turning red. What each window draws is
// in its golden picture (golden_window_test.cpp).
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "ui/game_window.h"

namespace jetvale {
namespace {

// At (100, 50): buttons A (10, 10, 20 x 9) and B (20, 10) overlapping on x 20..30, choices C and D, a 0 x 0
// button at (60, 50), and a label over all of them that never reacts.
GameWindow TwoButtonsAndTwoChoices(WindowTable& table) {
  GameWindow& w = table[table.AddWindow(100, 50, 80, 60, "Test")];
  for (const ItemSpec& item : {ItemSpec{"a", kButton, "A", 111, 10, 10, 20, 9}, ItemSpec{"b", kButton, "B", 222, 20, 10, 20, 9},
                               ItemSpec{"pick", kChoice, "C", 333, 10, 30, 40, 9}, ItemSpec{"pick", kChoice, "D", 444, 10, 45, 40, 9},
                               ItemSpec{"dot", kButton, "", 555, 60, 50, 0, 0}, ItemSpec{"all", kLabel, "", 0, 0, 0, 80, 60}}) {
    w.Add(item);
  }
  return w;
}

TEST(HitTest, EdgesCountTheLowerIndexWinsAndAZeroSizedItemIsHitOnlyOnItsPoint) {
  WindowTable table;
  const GameWindow window = TwoButtonsAndTwoChoices(table);
  const struct {
    int x, y;
    int item;  // kNoItem: nothing reacts
    bool button;
  } taps[] = {
      {130, 69, 0, true},  {110, 60, 0, true},  // A's right and bottom edge (110 + 20, 60 + 9), its corner
      {125, 65, 0, true},  {131, 65, 1, true},  // under A and B, A comes first; beyond A, B
      {109, 65, kNoItem, false},  {131, 70, kNoItem, false}, {120, 59, kNoItem, false},  // only the label
      {160, 100, 4, true}, {161, 100, kNoItem, false}, {160, 101, kNoItem, false}, {159, 100, kNoItem, false},
      {120, 84, 2, false},  // a choice
  };
  for (const auto& t : taps) {
    GameWindow w = window;
    const std::optional<Hit> hit = HitTest(w, t.x, t.y);
    EXPECT_EQ(hit ? hit->item : kNoItem, t.item) << t.x << "," << t.y;
    EXPECT_EQ(hit && hit->button, t.button) << t.x << "," << t.y;
  }
  // A tapped choice turns red, and the one chosen before green again; the two share a name, told apart by row.
  GameWindow w = window;
  EXPECT_TRUE(HitTest(w, 120, 84) && HitTest(w, 120, 99));
  EXPECT_EQ(std::tuple(w.selectedItem, w.Item(2).background, w.Item(3).background),
            std::tuple(3, kDarkGreen, kSelectedRed));
  EXPECT_EQ(std::tuple(w.Find("pick", 1), w.Find("pick", 2), w.Named("dot").command), std::tuple(3, kNoItem, 555));
  EXPECT_FALSE(HitTest(table[table.AddWindow(0, 0, 320, 240, "Empty")], 10, 10));
}

}  // namespace
}  // namespace jetvale
