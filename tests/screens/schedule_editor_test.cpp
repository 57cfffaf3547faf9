// The route editor played through taps: cities, times, fares and seats, every refusal, and a trip that earns.
#include "screens/story.h"

namespace jetvale {
namespace {

constexpr int kOriginForward = EditCityItem(0, kEditCityForwardOffset), 
              kOriginForwardFive = EditCityItem(0, kEditCityFiveOnOffset);
constexpr int kLeg0Later = EditTimeItem(0, kEditLaterOffset), kLeg1Later = EditTimeItem(1, kEditLaterOffset);
constexpr int kOut = EditTimeItem(0, kEditDepartureOffset);
constexpr int kDest = EditCityItem(1, kEditCityOffset), kReturn = EditTimeItem(1, kEditDepartureOffset);
constexpr int kEconomy0 = EditClassItem(2, kEditFareOffset), kFirstUp = EditClassItem(0, kEditPercentUpOffset);
constexpr int kEconomyDown = EditClassItem(2, kEditPercentDownOffset);
constexpr int kFirstPercent = EditClassItem(0, kEditPercentOffset);

// A new game with a B 717-200 bought, its editor open.
struct ScheduleEditor : Stories {
  ScheduleEditor()
      : Stories(MakeTestAssets("jetvale_editor"), {kNewGame, {.item = ListChoiceItem(0)}, {.item = kCommandBuy},
                                                   {.menu = kFleetMenu, .choice = ListChoiceItem(0)}}) {}
};

// ATL (1) out to DFW (14), leaving at 08:00 and back at `returnSlot` (44: 11:00).
Step AtlantaDallas(int returnSlot = 44) {
  return Steps({{.item = kOriginForward}, {.item = EditCityItem(1, kEditCityFiveOnOffset), .times = 2},
                {.item = EditCityItem(1, kEditCityForwardOffset), .times = 4},
                {.item = kLeg0Later, .times = 32}, {.item = kLeg1Later, .times = returnSlot}});
}
Plane& P(H& h) { return Player(h).planes[0]; }

TEST_F(ScheduleEditor, ANewPlaneShowsAnEmptyTripAndOkAsksForAnotherFlight) {
  Play({{.on = kPlaneEditWindow, .shows = {{EditCityItem(0, kEditCityOffset), ""}, {kEditMaxPassItem, "106"},
                                          {kEditMaxRangeItem, "1430"}, {kFirstPercent, "5"}}},
        {.item = kEditOkItem, .status = "Please schedule an additional flight",
         .check = [](H& h) { EXPECT_EQ(P(h).legCount, 0); }}});
}

TEST_F(ScheduleEditor, EveryRefusalLeavesThePlaneAsItWas) {
  Play({AtlantaDallas(43),  // back at 10:45: four quarter hours after landing at slot 39
        {.item = kEditOkItem, .status = "Flights must be over one hour apart", .on = kPlaneEditWindow},
        {.item = EditTimeItem(1, kEditEarlierOffset), .times = 43}, {.item = kOriginForwardFive, .times = 2},
        {.item = kOriginForward, .times = 3},  // origin DFW too
        {.item = kEditOkItem, .status = "Origin and Destination cannot be the same"},
        {.item = kOriginForward, .times = 6}, {.item = kLeg1Later, .times = 80},  // HNL (20), 3900 miles from DFW
        {.item = kEditOkItem, .status = "Cities are out of Range",
         .check = [](H& h) { EXPECT_EQ(P(h).legCount, 0); EXPECT_EQ(P(h).legs[0].origin, 0); }}});
}

// A fast double click lands two taps in one frame: an arrow, then a point on no item. The arrow's command stays
// current but the hit item is no arrow any more, so nothing steps.
TEST_F(ScheduleEditor, AnArrowAndATapBesideEveryItemInOneFrameStepNothing) {
  ScheduleDraft was;
  std::vector<Step> story = {AtlantaDallas(), {.check = [&](H& h) { was = h.ui().draft; }}};
  for (const int arrow : {EditClassItem(0, kEditPercentDownOffset), EditClassItem(2, kEditPercentUpOffset),
                          EditClassItem(0, EditFareUpOffset(0)), EditClassItem(2, EditFareUpOffset(2)),
                          EditCityItem(0, kEditCityFiveBackOffset), EditCityItem(2, kEditCityFiveOnOffset),
                          EditTimeItem(0, kEditEarlierOffset), EditTimeItem(2, kEditLaterOffset)}) {
    story.push_back({.setup = [arrow](H& h) {
                       const GameWindow& w = h.ui().windows[kPlaneEditWindow];
                       h.game.Tap(w.y + w.Item(arrow).y + 4, 320 - (w.x + w.Item(arrow).x + 4));
                       h.game.Tap(w.y + 5, 320 - (w.x + 5));  // the title bar
                     },
                     .frames = 1, .on = kPlaneEditWindow, .check = [&](H& h) {
                       const ScheduleDraft& d = h.ui().draft;
                       EXPECT_TRUE(d.percent == was.percent && d.fare == was.fare && d.city == was.city &&
                                   d.departure == was.departure);
                     }});
  }
  Play(story);
}

Step Seats(int item, int times, int first, std::function<void(H&)> more = [](H&) {}) {
  return {.item = item, .times = times, .check = [=](H& h) { EXPECT_EQ(P(h).seats.firstPercent, first); more(h); }};
}

TEST_F(ScheduleEditor, FaresStepByTwoFiveOrTenAndTheSeatSplitMovesOnlyFreedPoints) {
  const auto fare = [](double to) { return [to](H& h) { EXPECT_EQ(h.ui().draft.fare[2][1], to); }; };
  std::vector<Step> story = {AtlantaDallas()};
  for (const auto& step : {std::pair{299., 301.}, {301., 306.}, {300., 301.}, {1000., 1001.}, {1001., 1011.},
                            {0., 1.}, {-3., -2.}}) {  // "+" of economy, leg 1, from the first fare to the second
    story.push_back({.setup = [from = step.first](H& h) { h.ui().draft.fare[2][1] = from; },
                     .item = EditClassItem(2, EditFareUpOffset(1)), .check = fare(step.second)});
  }
  story.insert(story.end(), {{.item = EditClassItem(2, EditFareDownOffset(1)), .check = fare(-3)},  // "-"
                             Seats(kFirstUp, 1, 5),  // no free points
                             Seats(kEconomyDown, 2, 5), Seats(kFirstUp, 1, 6, [](H& h) {  // written to the plane
                               EXPECT_EQ(P(h).seats.economyPercent, 83);
                               EXPECT_EQ(Text(h, kPlaneEditWindow, EditClassItem(2, kEditPercentOffset)), "83");
                               EXPECT_EQ(h.ui().draft.freePoints, 1);
                             })});
  Play(story);
}

// Freed points stay with their plane: another plane has none to take, and the first finds its point again.
TEST_F(ScheduleEditor, SparePointsBelongToThePlaneThatFreedThem) {
  Play({{.item = kEconomyDown}, {.item = kEditCancelItem},  // 5/10/84
        {.menu = kBuyMenu, .choice = ListChoiceItem(0)}, {.menu = kFleetMenu, .choice = ListChoiceItem(1)},
        {.item = kFirstUp, .check = [](H& h) { EXPECT_EQ(Player(h).planes[1].seats.firstPercent, 5); }},
        {.item = kEditCancelItem}, {.menu = kFleetMenu, .choice = ListChoiceItem(0)},
        Seats(kFirstUp, 2, 6, [](H& h) { EXPECT_EQ(Text(h, kPlaneEditWindow, kFirstPercent), "6"); })});
}

// Back at 11:30. A second plane opened in between starts from that edit and leaves it at 8:45 and 12:15, so the
// first shows its own times again only if the editor reads them from the plane.
TEST_F(ScheduleEditor, AnAcceptedTripFliesWithTheEditedFaresAndOpensAgainAsItWasLeft) {
  Play({AtlantaDallas(46), {.item = EditClassItem(2, EditFareUpOffset(0)), .times = 3},  // three steps of 2
        {.item = kEditOkItem, .status = "Flight Scheduled", .on = kFleetListWindow, .check = [](H& h) {
           ASSERT_EQ(P(h).legCount, 2);
           EXPECT_EQ(P(h).legs[0].origin, 1); EXPECT_EQ(P(h).legs[1].destination, 1);
           EXPECT_EQ(P(h).legs[1].departure, 46);
           EXPECT_NEAR(P(h).legs[0].economyFare, 140.2354, 1e-9);  // 0.1538 x 633 + 36.88 + 6
         }},
        {.item = kCommandClose}, {.menu = kBuyMenu, .choice = ListChoiceItem(0)},
        {.menu = kFleetMenu, .choice = ListChoiceItem(1)},
        {.item = kLeg1Later, .times = 3}, {.item = kLeg0Later, .times = 3, .shows = {{kOut, "8:45"}}},
        {.item = kEditCancelItem},
        {.menu = kFleetMenu, .choice = ListChoiceItem(0),
         .shows = {{kDest, "Dallas, US"}, {kOut, "8:00"}, {kReturn, "11:30"}, {kEconomy0, "140."}}},
        {.item = EditCityItem(2, kEditCityForwardOffset), .times = 2,  // Bangkok: too far, but three legs show
         .shows = {{kEditFareHeaderItem, "Price:  ATL-DFW   DFW-BKK   BKK-ATL"}}},
        {.item = EditCityItem(2, kEditCityBackOffset), .times = 2,  // back to none: a two-leg trip again
         .shows = {{EditCityItem(2, kEditCityOffset), ""}, {kEditFareHeaderItem, "Price:  ATL-DFW   DFW-ATL"}}}});
}

}  // namespace
}  // namespace jetvale
