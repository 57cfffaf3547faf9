// The window machinery: where a tap lands and what a choice looks like when chosen. What each window draws is
// in its golden picture (golden_window_test.cpp).
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

// The windows built row by row have their names checked here (the tables' names are checked as they compile):
// each named item carries the command or the text of its row.
TEST(WindowLayouts, TheNamesOfTheBuiltWindowsAreTheRowsTheyName) {
  WindowTable table;
  BuildWindows(table);
  ASSERT_EQ(table.count, kBuiltWindowCount);
  struct Named {
    int window;
    int item;
    int command;       // 0: the item is named by its text
    const char* text;  // nullptr: the item is named by its command
  };
  const Named named[] = {
      {kPlaneEditWindow, kEditFareHeaderItem, 0, "Price:"},
      {kPlaneEditWindow, EditClassItem(2, kEditPercentDownOffset), kCommandPercentDown, nullptr},
      {kPlaneEditWindow, EditClassItem(2, kEditPercentUpOffset), kCommandPercentUp, nullptr},
      {kPlaneEditWindow, EditClassItem(2, 3), 0, "Economy"},
      {kPlaneEditWindow, EditClassItem(2, EditFareDownOffset(2)), kCommandFareDown, nullptr},
      {kPlaneEditWindow, EditClassItem(2, EditFareUpOffset(2)), kCommandFareUp, nullptr},
      {kPlaneEditWindow, EditCityItem(0, kEditMilesOffset), 0, " Miles"},
      {kPlaneEditWindow, EditCityItem(2, kEditCityFiveBackOffset), kCommandCityBackFive, nullptr},
      {kPlaneEditWindow, EditCityItem(2, kEditCityBackOffset), kCommandCityBack, nullptr},
      {kPlaneEditWindow, EditCityItem(2, kEditCityForwardOffset), kCommandCityForward, nullptr},
      {kPlaneEditWindow, EditCityItem(2, kEditCityFiveOnOffset), kCommandCityForwardFive, nullptr},
      {kPlaneEditWindow, kEditFinalCityItem - 1, 0, "Final"},
      {kPlaneEditWindow, EditTimeItem(2, 0), 0, "Dept Time"},
      {kPlaneEditWindow, EditTimeItem(2, kEditEarlierOffset), kCommandTimeEarlier, nullptr},
      {kPlaneEditWindow, EditTimeItem(2, kEditLaterOffset), kCommandTimeLater, nullptr},
      {kPlaneEditWindow, EditTimeItem(2, kEditLegDestinationOffset - 1), 0, "Arrival Time"},
      {kPlaneEditWindow, kEditMaxPassItem - 1, 0, "Max Pass"},
      {kPlaneEditWindow, kEditMaxRangeItem - 1, 0, "Max Range"},
      {kPlaneEditWindow, kEditCancelItem, kCommandClose, nullptr},
      {kPlaneEditWindow, kEditOkItem, kCommandCommitRoute, nullptr},
      {kStatementWindow, StatementValueItem(kStatementHeadingRow + 1, 0) - 1, 0, "Fuel"},
      {kStatementWindow, StatementValueItem(12, 0) - 1, 0, "Profit"},
      {kStatementWindow, kStatementOkItem, kCommandClose, nullptr},
      {kStatementWindow, kStatementPreviousItem, kCommandPreviousAirline, nullptr},
      {kStatementWindow, kStatementNextItem, kCommandNextAirline, nullptr},
      {kStatementWindow, kStatementBalanceItem - 1, 0, "Balance :"},
      {kPlaneDetailsWindow, DetailsHeadingItem(3), 0, "Stats         Profit     Passgrs    Flights"},
      {kPlaneDetailsWindow, DetailsTitleItem(3, 2), 0, "ATL-DFW"},
      {kPlaneDetailsWindow, kDetailsOkItem, kCommandFleetList, nullptr},
  };
  for (const Named& n : named) {
    const WindowItem& item = table[n.window].Item(n.item);
    if (n.text == nullptr) {
      EXPECT_EQ(item.command, n.command) << "window " << n.window << ", item " << n.item;
    } else {
      EXPECT_EQ(item.text, n.text) << "window " << n.window << ", item " << n.item;
    }
  }
}

}  // namespace
}  // namespace jetvale
