// The route editor played through taps: cities, times, fares and seats, every refusal, and a trip that earns.
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "screens/planes.h"

namespace jetvale {
namespace {

// Editor items, as a player sees them.
constexpr int kOriginForward = EditCityItem(0, kEditCityForwardOffset);
constexpr int kOriginForwardFive = EditCityItem(0, kEditCityFiveOnOffset);
constexpr int kDestForward = EditCityItem(1, kEditCityForwardOffset);
constexpr int kDestForwardFive = EditCityItem(1, kEditCityFiveOnOffset);
constexpr int kDest2Forward = EditCityItem(2, kEditCityForwardOffset);
constexpr int kDest2Back = EditCityItem(2, kEditCityBackOffset);
constexpr int kLeg0Later = EditTimeItem(0, kEditLaterOffset);
constexpr int kLeg1Later = EditTimeItem(1, kEditLaterOffset);
constexpr int kLeg1Earlier = EditTimeItem(1, kEditEarlierOffset);
constexpr int kLeg2Later = EditTimeItem(2, kEditLaterOffset);

class ScheduleEditor : public ::testing::Test {
 protected:
  ScheduleEditor() {
    h.TapItem(kToolsMenuWindow, kToolsNewGameItem);
    h.TapItem(kToolsMenuWindow, kToolsOkItem);
    h.RunFrames(1);
    h.TapItem(kNewGameWindow, kFirstAirlineChoiceItem);
    h.TapItem(kNewGameWindow, kNewGameOkItem);
    h.RunFrames(1);
    h.TapItem(kPurchaseListWindow, ListChoiceItem(0));  // "B 717-200"
    h.TapItem(kPurchaseListWindow, h.ui().windows[kPurchaseListWindow].itemCount - 1);
    OpenEditor();
  }
  void OpenEditor(int row = 0) {
    h.TapItem(kToolbarWindow, kToolbarPlanesItem);
    h.TapItem(kPlanesMenuWindow, kPlanesListItem);  // "List"
    h.TapItem(kPlanesMenuWindow, kPlanesOkItem);
    h.RunFrames(1);
    h.TapItem(kFleetListWindow, ListChoiceItem(row));
    h.TapItem(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 1);  // "Route"
    h.RunFrames(1);
  }
  void Tap(int item, int times = 1) {
    for (int i = 0; i < times; ++i) h.TapItem(kPlaneEditWindow, item);
  }
  std::string Text(int item) { return h.ui().windows[kPlaneEditWindow].Item(item).text; }
  // ATL (1) out to DFW (14), leaving at 08:00 and, by default, back at 11:00.
  void AtlantaDallas(int returnSlot = 44) {
    Tap(kOriginForward);
    Tap(kDestForwardFive, 2);
    Tap(kDestForward, 4);
    Tap(kLeg0Later, 32);
    Tap(kLeg1Later, returnSlot);
  }
  Plane& P() { return h.game.Game().world.Player().planes[0]; }
  HeadlessGame h{MakeTestAssets("jetvale_editor")};
};

TEST_F(ScheduleEditor, ANewPlaneShowsAnEmptyTripAndOkAsksForAnotherFlight) {
  ASSERT_EQ(h.ui().currentWindow, kPlaneEditWindow);
  EXPECT_EQ(Text(44), "");
  EXPECT_EQ(Text(90), "106");   // seats of a B 717-200
  EXPECT_EQ(Text(92), "1430");  // its range
  EXPECT_EQ(Text(3), "5");
  Tap(kEditOkItem);
  EXPECT_EQ(h.ui().status.text, "Please schedule an additional flight");
  EXPECT_EQ(P().legCount, 0);
}

TEST_F(ScheduleEditor, ATwoLegTripShowsItsCitiesMilesTimesAndDefaultFares) {
  AtlantaDallas();
  EXPECT_EQ(Text(44), "Atlanta, US");
  EXPECT_EQ(Text(51), "Dallas, US");
  EXPECT_EQ(Text(58), "");
  EXPECT_EQ(Text(63), "Atlanta, US");  // the trip ends where it began
  EXPECT_EQ(Text(1), "Price:  ATL-DFW   DFW-ATL");
  EXPECT_EQ(Text(54), "633");
  EXPECT_EQ(Text(61), "633");
  EXPECT_EQ(Text(66), "ATL-DFW");
  // 633 miles at 438 x 0.77 mph: 1.877 hours, seven whole quarter hours, arriving 9:52.
  EXPECT_EQ(Text(68), "8:00");
  EXPECT_EQ(Text(72), "9:52");
  EXPECT_EQ(Text(76), "11:00");
  // Fares at 0.1538 a mile plus 36.88: economy 134.24, business 221.85, first 353.28.
  EXPECT_EQ(Text(33), "134.");
  EXPECT_EQ(Text(20), "222.");
  EXPECT_EQ(Text(7), "353.");
}

TEST_F(ScheduleEditor, EveryRefusalLeavesThePlaneAsItWas) {
  AtlantaDallas(43);  // back at 10:45: four quarter hours after landing at slot 39
  Tap(kEditOkItem);
  EXPECT_EQ(h.ui().status.text, "Flights must be over one hour apart");
  EXPECT_EQ(h.ui().currentWindow, kPlaneEditWindow);
  Tap(kLeg1Earlier, 43);
  Tap(kOriginForwardFive, 2);
  Tap(kOriginForward, 3);  // origin DFW too
  Tap(kEditOkItem);
  EXPECT_EQ(h.ui().status.text, "Origin and Destination cannot be the same");
  Tap(kOriginForward, 6);  // HNL (20), 3900 miles from DFW
  Tap(kLeg1Later, 80);
  Tap(kEditOkItem);
  EXPECT_EQ(h.ui().status.text, "Cities are out of Range");
  EXPECT_EQ(P().legCount, 0);
  EXPECT_EQ(P().legs[0].origin, 0);
}

// A fast double click lands two taps in one frame: an arrow, then a point on no item. The arrow's command stays
// current but the hit item is no arrow any more, so nothing steps.
TEST_F(ScheduleEditor, AnArrowAndATapBesideEveryItemInOneFrameStepNothing) {
  AtlantaDallas();
  const ScheduleDraft before = h.ui().draft;
  const GameWindow& w = h.ui().windows[kPlaneEditWindow];
  for (const int arrow : {2, 30, 6, 40, 42, 60, 67, 85}) {  // seats, fares, cities, times
    const WindowItem& i = w.Item(arrow);
    h.game.Tap(w.y + i.y + 4, 320 - (w.x + i.x + 4));
    h.game.Tap(w.y + 5, 320 - (w.x + 5));  // the title bar
    h.RunFrames(1);
    const ScheduleDraft& d = h.ui().draft;
    EXPECT_TRUE(d.percent == before.percent && d.fare == before.fare && d.city == before.city &&
                d.departure == before.departure)
        << arrow;
    EXPECT_EQ(h.ui().currentWindow, kPlaneEditWindow);
  }
}

TEST_F(ScheduleEditor, FaresStepByTwoFiveOrTenAndTheSeatSplitMovesOnlyFreedPoints) {
  AtlantaDallas();
  const struct {
    double from;
    double to;
  } steps[] = {{299, 301}, {301, 306}, {300, 301}, {1000, 1001}, {1001, 1011}, {0, 1}, {-3, -2}};
  for (const auto& s : steps) {
    h.ui().draft.fare[2][1] = s.from;
    Tap(EditClassItem(2, EditFareUpOffset(1)));  // "+" of economy, leg 1
    EXPECT_EQ(h.ui().draft.fare[2][1], s.to) << s.from;
  }
  Tap(EditClassItem(2, EditFareDownOffset(1)));  // "-"
  EXPECT_EQ(h.ui().draft.fare[2][1], -3);

  Tap(EditClassItem(0, kEditPercentUpOffset));  // "->" on first class: no free points
  EXPECT_EQ(P().seats.firstPercent, 5);
  Tap(EditClassItem(2, kEditPercentDownOffset), 2);  // "<-" on economy twice
  Tap(EditClassItem(0, kEditPercentUpOffset));
  EXPECT_EQ(P().seats.firstPercent, 6);  // written to the plane at once
  EXPECT_EQ(P().seats.economyPercent, 83);
  EXPECT_EQ(Text(29), "83");
  EXPECT_EQ(h.ui().draft.freePoints, 1);
}

// Freed points stay with their plane: another plane has none to take, and the first finds its point again.
TEST_F(ScheduleEditor, SparePointsBelongToThePlaneThatFreedThem) {
  Tap(EditClassItem(2, kEditPercentDownOffset));  // economy down: 5/10/84
  Tap(kEditCancelItem);  // "Cancel"
  h.TapItem(kToolbarWindow, kToolbarPlanesItem);
  h.TapItem(kPlanesMenuWindow, kPlanesBuyItem);  // "Buy"
  h.TapItem(kPlanesMenuWindow, kPlanesOkItem);
  h.RunFrames(1);
  h.TapItem(kPurchaseListWindow, ListChoiceItem(0));
  h.TapItem(kPurchaseListWindow, h.ui().windows[kPurchaseListWindow].itemCount - 1);
  OpenEditor(1);
  Tap(EditClassItem(0, kEditPercentUpOffset));
  EXPECT_EQ(h.game.Game().world.Player().planes[1].seats.firstPercent, 5);
  Tap(kEditCancelItem);
  OpenEditor(0);
  Tap(EditClassItem(0, kEditPercentUpOffset), 2);
  EXPECT_EQ(P().seats.firstPercent, 6);  // one point free, no more
  EXPECT_EQ(Text(3), "6");
}

TEST_F(ScheduleEditor, AnAcceptedTripFliesWithTheEditedFaresAndOpensAgainAsItWasLeft) {
  AtlantaDallas();
  Tap(32 + 2, 3);  // economy fare of leg 0 up three steps of 2: 134.2354 + 6
  Tap(kEditOkItem);
  EXPECT_EQ(h.ui().status.text, "Flight Scheduled");
  EXPECT_EQ(h.ui().currentWindow, kFleetListWindow);
  ASSERT_EQ(P().legCount, 2);
  EXPECT_EQ(P().legs[0].origin, 1);
  EXPECT_EQ(P().legs[1].destination, 1);
  EXPECT_EQ(P().legs[1].departure, 44);
  EXPECT_DOUBLE_EQ(P().legs[0].economyFare, 0.1538 * 633 + 36.88 + 6);

  h.TapItem(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 1);  // "Route" again
  h.RunFrames(1);
  EXPECT_EQ(Text(51), "Dallas, US");
  EXPECT_EQ(Text(76), "11:00");  // its own times
  EXPECT_EQ(Text(33), "140.");
  Tap(kDest2Forward, 2);  // a third city, Bangkok: too far, but the trip shows three legs
  EXPECT_EQ(Text(1), "Price:  ATL-DFW   DFW-BKK   BKK-ATL");
  Tap(kDest2Back, 2);  // back to none: a two-leg trip again
  EXPECT_EQ(Text(58), "");
  EXPECT_EQ(Text(1), "Price:  ATL-DFW   DFW-ATL");
}

// A whole game loop: the balance, the plane and the ledger move together by what the trips booked.
TEST_F(ScheduleEditor, ThreeDaysOfFlyingMoveBalancePlaneAndLedgerAlike) {
  AtlantaDallas();
  Tap(kEditOkItem);
  h.TapItem(kFleetListWindow, h.ui().windows[kFleetListWindow].itemCount - 2);  // "Close"
  const Airline& me = h.game.Game().world.Player();
  const int balance = me.balance;
  const Ledger before = me.currentYear;
  h.RunFrames(3 * 288);
  // Every tap took a five-minute tick at FAST: the trip was set after the first day's 08:00 departure had gone,
  // so the plane flew out and back on days 2 and 3 and is in the air on day 4.
  EXPECT_EQ(h.game.DateText(), "Jan-4 Year 1 Thu");
  EXPECT_EQ(P().legs[0].timesFlown + P().legs[1].timesFlown, 4);
  const double income = me.currentYear[LedgerEntry::IncomeFirstClass] + me.currentYear[LedgerEntry::IncomeBusinessClass] +
                        me.currentYear[LedgerEntry::IncomeEconomyClass];
  EXPECT_GT(income, 0);
  EXPECT_NEAR(P().revenue, income, 3 * 6);  // truncated once per class and trip
  double spent = 0;
  for (int e = static_cast<int>(LedgerEntry::ExpensePilots); e < kLedgerEntryCount; ++e) {
    spent += me.currentYear.values[static_cast<std::size_t>(e)] - before.values[static_cast<std::size_t>(e)];
  }
  EXPECT_NEAR(P().expenses, spent, 6);
  EXPECT_NEAR(me.balance - balance, income - spent, 12 * 6);  // each of a trip's twelve amounts truncated
}

}  // namespace
}  // namespace jetvale
