// The window machinery: where a tap lands, what a choice looks like when chosen, and what a window draws.
#include <gtest/gtest.h>

#include "ui/game_window.h"
#include "ui/window_layouts.h"

namespace jetvale {
namespace {

GameWindow TwoButtonsAndAChoice() {
  WindowTable table;
  GameWindow& w = table[table.AddWindow(100, 50, 80, 60, "Test")];
  w.AddItem(10, 10, 20, 9, kButton, "A", 111, kOrange);
  w.AddItem(20, 10, 20, 9, kButton, "B", 222, kOrange);  // overlaps A on x 20..30
  w.AddItem(10, 30, 40, 9, kChoice, "C", 333, kDarkGreen);
  w.AddItem(10, 45, 40, 9, kChoice, "D", 444, kDarkGreen);
  w.AddItem(60, 50, 0, 0, kButton, "", 555, kDarkGreen);
  return w;
}

TEST(HitTest, EdgesCountTheLowerIndexWinsAndAZeroSizedItemIsHitOnlyOnItsPoint) {
  GameWindow w = TwoButtonsAndAChoice();
  int command = 0;
  EXPECT_TRUE(HitTest(w, 130, 69, command));  // A's right and bottom edge: x 110+20, y 60+9
  EXPECT_EQ(command, 111);
  EXPECT_TRUE(HitTest(w, 125, 65, command));  // under A and B: A comes first
  EXPECT_EQ(command, 111);
  EXPECT_EQ(w.hitItem, 0);
  EXPECT_TRUE(HitTest(w, 131, 65, command));
  EXPECT_EQ(command, 222);
  command = 7;
  EXPECT_FALSE(HitTest(w, 131, 70, command));  // one below B
  EXPECT_EQ(command, 7);
  EXPECT_EQ(w.hitItem, kMissedItem);
  EXPECT_FALSE(HitTest(w, 161, 100, command));
  EXPECT_TRUE(HitTest(w, 160, 100, command));
  EXPECT_EQ(command, 555);
}

TEST(HitTest, ATappedChoiceTurnsRedAndThePreviousOneGreenAgain) {
  GameWindow w = TwoButtonsAndAChoice();
  int command = 0;
  EXPECT_TRUE(HitTest(w, 120, 84, command));
  EXPECT_EQ(w.selectedItem, 2);
  EXPECT_EQ(w.Item(2).background, kSelectedRed);
  EXPECT_EQ(w.Item(3).background, kDarkGreen);
  EXPECT_EQ(command, 0);  // a choice sets no command
  EXPECT_TRUE(HitTest(w, 120, 84, command));  // tapped again: still chosen, still red
  EXPECT_EQ(w.Item(2).background, kSelectedRed);
  EXPECT_TRUE(HitTest(w, 120, 99, command));
  EXPECT_EQ(w.selectedItem, 3);
  EXPECT_EQ(w.Item(2).background, kDarkGreen);
  EXPECT_EQ(w.Item(3).background, kSelectedRed);
  w.ResetItems();  // a rebuilt list: nothing selected, and no item is touched by the first tap's recolouring
  w.AddItem(10, 30, 40, 9, kChoice, "C", 333, kDarkGreen);
  EXPECT_TRUE(HitTest(w, 120, 84, command));
  EXPECT_EQ(w.selectedItem, 0);
  EXPECT_EQ(w.Item(3).background, kSelectedRed);  // the old row's colour stays where it was
}

TEST(HitTest, AWindowWithoutItemsIsNeverHit) {
  WindowTable table;
  GameWindow& w = table[table.AddWindow(0, 0, 320, 240, "Empty")];
  int command = 0;
  EXPECT_FALSE(HitTest(w, 10, 10, command));
  EXPECT_EQ(w.hitItem, 0);
}

TEST(HitTest, TheStylusPortraitPointIsTurnedIntoTheLandscapeScreen) {
  // Portrait (px, py) with px across the 240 side: landscape X = 320 - py, Y = px.
  EXPECT_EQ(LandscapeX(17, 300), 20);
  EXPECT_EQ(LandscapeY(17, 300), 17);
  EXPECT_EQ(LandscapeX(0, 0), 320);
}

TEST(DrawWindow, TheToolbarDrawsNothingAndAMenuDrawsItsFrameTitleAndItems) {
  WindowTable table;
  BuildWindows(table);
  CGapiSurface screen;
  screen.CreateSurface(320, 240);
  screen.FillRect({0, 0, 320, 240}, kWhite, kFillSolid, nullptr);
  DrawWindow(screen, table[kToolbarWindow]);
  for (const Color c : screen.Pixels()) ASSERT_EQ(c, kWhite);

  DrawWindow(screen, table[kToolsMenuWindow]);  // at 35, 125, 100 x 94
  EXPECT_EQ(screen.GetPixel(36, 218), MakeColor(127, 127, 127));  // black at half opacity over white
  EXPECT_EQ(screen.GetPixel(135, 125), kWhite);                   // the right edge is outside
  EXPECT_EQ(screen.GetPixel(37, 128), MakeColor(63, 63, 191));   // blue title bar over the frame
  // "Cancel" at 46, 80: orange at 192/255 over the frame's grey.
  const Color cancel = screen.GetPixel(35 + 46 + 20, 125 + 80);  // above its text
  EXPECT_EQ(cancel, MakeColor((247 * 192 + 127 * 63) / 255, (174 * 192 + 127 * 63) / 255, 127 * 63 / 255));
}

TEST(WindowLayouts, TheTwentyWindowsHaveTheirItemsAndCommands) {
  WindowTable table;
  BuildWindows(table);
  EXPECT_EQ(table.count, kBuiltWindowCount);
  const int itemCounts[kBuiltWindowCount] = {9, 12, 10, 8, 6, 6, 0, 3, 3, 3, 0, 56, 14, 95, 53, 17, 16, 7, 21, 2};
  for (int w = 0; w < kBuiltWindowCount; ++w) EXPECT_EQ(table[w].itemCount, itemCounts[w]) << "window " << w;
  EXPECT_EQ(table[kPurchaseListWindow].title, "   Plane Type  Range Pass  Speed   Price");
  EXPECT_EQ(table[kFleetListWindow].title, "   Plane Id  Plane Type  Age\t Revenue Profit");
  const GameWindow& edit = table[kPlaneEditWindow];
  EXPECT_EQ(edit.Item(94).command, 295);
  EXPECT_EQ(edit.Item(85).command, 291);
  EXPECT_EQ(edit.Item(85).x, 148);
  EXPECT_EQ(edit.Item(85).y, 165);
  EXPECT_EQ(edit.Item(47).text, " Miles");
  EXPECT_EQ(edit.Item(40).command, 267);
  EXPECT_EQ(edit.Item(40).x, 273);
  const GameWindow& statement = table[kStatementWindow];
  EXPECT_EQ(statement.Item(21).text, "Expenses");
  EXPECT_EQ(statement.Item(22).text, "Fuel");
  EXPECT_EQ(statement.Item(49).x, 170);
  EXPECT_EQ(statement.Item(49).y, 29 + 11 * 12);
  EXPECT_EQ(table[kPlaneDetailsWindow].Item(39).text, "Stats         Profit     Passgrs    Flights");
  EXPECT_EQ(table[kPlaneDetailsWindow].Item(25).background, kDarkGreen);  // the third expense row's cells
  EXPECT_EQ(table[kPlaneDetailsWindow].Item(21).background, kDarkRed);
  EXPECT_EQ(table[kNewLoanWindow].Item(11).kind, kButton);
  EXPECT_EQ(table[kToolbarWindow].Item(8).visibility, kInvisible);
}

}  // namespace
}  // namespace jetvale
