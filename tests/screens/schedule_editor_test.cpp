// The route editor played through taps: cities, times, fares and seats, every refusal, and a trip that earns.
#include "screens/story.h"

namespace jetvale {
namespace {

constexpr ItemName kOriginForward{"city forward", 0}, kOriginForwardFive{"city forward five", 0};
constexpr ItemName kLeg0Later{"later", 0}, kLeg1Later{"later", 1}, kOut{"departure", 0};
constexpr ItemName kDest{"city", 1}, kReturn{"departure", 1}, kEconomy0{"fare", 6};
constexpr ItemName kFirstUp{"percent up", 0}, kEconomyDown{"percent down", 2}, kFirstPercent{"percent", 0};

// A new game with a B 717-200 bought, its editor open.
struct ScheduleEditor : Stories {
  ScheduleEditor()
      : Stories(MakeTestAssets("jetvale_editor"), {kNewGame, {.item = {"choice", 0}}, {.item = kCommandBuy},
                                                   {.menu = kFleetMenu, .choice = {"choice", 0}}}) {}
};

// ATL (1) out to DFW (14), leaving at 08:00 and back at `returnSlot` (44: 11:00).
Step AtlantaDallas(int returnSlot = 44) {
  return Steps({{.item = kOriginForward}, {.item = {"city forward five", 1}, .times = 2},
                {.item = {"city forward", 1}, .times = 4},
                {.item = kLeg0Later, .times = 32}, {.item = kLeg1Later, .times = returnSlot}});
}
Plane& P(H& h) { return Player(h).planes[0]; }

TEST_F(ScheduleEditor, ANewPlaneShowsAnEmptyTripAndOkAsksForAnotherFlight) {
  Play({{.on = kPlaneEditWindow, .shows = {{{"city", 0}, ""}, {{"max pass"}, "106"},
                                          {{"max range"}, "1430"}, {kFirstPercent, "5"}}},
        {.item = {"ok"}, .status = "Please schedule an additional flight",
         .check = [](H& h) { EXPECT_EQ(P(h).legCount, 0); }}});
}

TEST_F(ScheduleEditor, EveryRefusalLeavesThePlaneAsItWas) {
  Play({AtlantaDallas(43),  // back at 10:45: four quarter hours after landing at slot 39
        {.item = {"ok"}, .status = "Flights must be over one hour apart", .on = kPlaneEditWindow},
        {.item = {"earlier", 1}, .times = 43}, {.item = kOriginForwardFive, .times = 2},
        {.item = kOriginForward, .times = 3},  // origin DFW too
        {.item = {"ok"}, .status = "Origin and Destination cannot be the same"},
        {.item = kOriginForward, .times = 6}, {.item = kLeg1Later, .times = 80},  // HNL (20), 3900 miles from DFW
        {.item = {"ok"}, .status = "Cities are out of Range",
         .check = [](H& h) { EXPECT_EQ(P(h).legCount, 0); EXPECT_EQ(P(h).legs[0].origin, 0); }}});
}

// A fast double click lands two taps in one frame. Each tap carries its own item, so the last button tapped runs
// once, on the row it was tapped on; a second tap beside every item takes nothing from the first.
TEST_F(ScheduleEditor, TwoTapsInOneFrameRunTheLastButtonOnItsOwnRow) {
  ScheduleDraft was;
  const auto twice = [&](ItemName first, ItemName second, std::function<void(ScheduleDraft&)> change) -> Step {
    const auto tap = [](H& h, ItemName item) {  // no name: the title bar
      const GameWindow& w = h.ui().windows[kPlaneEditWindow];
      const WindowItem& i = item.name ? w.Named(item.name, item.row) : WindowItem{};
      h.game.Tap(w.y + i.y + 5, 320 - (w.x + i.x + 5));
    };
    return {.setup = [=](H& h) { tap(h, first), tap(h, second); }, .frames = 1, .on = kPlaneEditWindow,
            .check = [&was, change](H& h) {
              change(was);
              const ScheduleDraft& d = h.ui().draft;
              EXPECT_TRUE(d.percent == was.percent && d.fare == was.fare && d.departure == was.departure);
              was = d;
            }};
  };
  Play({AtlantaDallas(), {.check = [&](H& h) { was = h.ui().draft; }},
        twice({"percent down", 0}, {}, [](ScheduleDraft& d) { d.percent[0] -= 1; }),
        twice({"fare up", 0}, {"fare up", 8}, [](ScheduleDraft& d) { d.fare[2][2] = 1; }),  // leg 2 is beyond the trip
        twice({"later", 0}, {"earlier", 1}, [](ScheduleDraft& d) { d.departure[1] -= 1; })});
}

Step Seats(ItemName item, int times, int first, std::function<void(H&)> more = [](H&) {}) {
  return {.item = item, .times = times, .check = [=](H& h) { EXPECT_EQ(P(h).seats.firstPercent, first); more(h); }};
}

TEST_F(ScheduleEditor, FaresStepByTwoFiveOrTenAndTheSeatSplitMovesOnlyFreedPoints) {
  const auto fare = [](double to) { return [to](H& h) { EXPECT_EQ(h.ui().draft.fare[2][1], to); }; };
  std::vector<Step> story = {AtlantaDallas()};
  for (const auto& step : {std::pair{299., 301.}, {301., 306.}, {300., 301.}, {1000., 1001.}, {1001., 1011.},
                            {0., 1.}, {-3., -2.}}) {  // "+" of economy, leg 1, from the first fare to the second
    story.push_back({.setup = [from = step.first](H& h) { h.ui().draft.fare[2][1] = from; },
                     .item = {"fare up", 3 * 2 + 1}, .check = fare(step.second)});
  }
  story.insert(story.end(), {{.item = {"fare down", 3 * 2 + 1}, .check = fare(-3)},  // "-"
                             Seats(kFirstUp, 1, 5),  // no free points
                             Seats(kEconomyDown, 2, 5), Seats(kFirstUp, 1, 6, [](H& h) {  // written to the plane
                               EXPECT_EQ(P(h).seats.economyPercent, 83);
                               EXPECT_EQ(Text(h, kPlaneEditWindow, {"percent", 2}), "83");
                               EXPECT_EQ(h.ui().draft.freePoints, 1);
                             })});
  Play(story);
}

// Freed points stay with their plane: another plane has none to take, and the first finds its point again.
TEST_F(ScheduleEditor, SparePointsBelongToThePlaneThatFreedThem) {
  Play({{.item = kEconomyDown}, {.item = {"cancel"}},  // 5/10/84
        {.menu = kBuyMenu, .choice = {"choice", 0}}, {.menu = kFleetMenu, .choice = {"choice", 1}},
        {.item = kFirstUp, .check = [](H& h) { EXPECT_EQ(Player(h).planes[1].seats.firstPercent, 5); }},
        {.item = {"cancel"}}, {.menu = kFleetMenu, .choice = {"choice", 0}},
        Seats(kFirstUp, 2, 6, [](H& h) { EXPECT_EQ(Text(h, kPlaneEditWindow, kFirstPercent), "6"); })});
}

// Back at 11:30. A second plane opened in between starts from that edit and leaves it at 8:45 and 12:15, so the
// first shows its own times again only if the editor reads them from the plane.
TEST_F(ScheduleEditor, AnAcceptedTripFliesWithTheEditedFaresAndOpensAgainAsItWasLeft) {
  Play({AtlantaDallas(46), {.item = {"fare up", 3 * 2 + 0}, .times = 3},  // three steps of 2
        {.item = {"ok"}, .status = "Flight Scheduled", .on = kFleetListWindow, .check = [](H& h) {
           ASSERT_EQ(P(h).legCount, 2);
           EXPECT_EQ(P(h).legs[0].origin, 1); EXPECT_EQ(P(h).legs[1].destination, 1);
           EXPECT_EQ(P(h).legs[1].departure, 46);
           EXPECT_NEAR(P(h).legs[0].economyFare, 140.2354, 1e-9);  // 0.1538 x 633 + 36.88 + 6
         }},
        {.item = kCommandClose}, {.menu = kBuyMenu, .choice = {"choice", 0}},
        {.menu = kFleetMenu, .choice = {"choice", 1}},
        {.item = kLeg1Later, .times = 3}, {.item = kLeg0Later, .times = 3, .shows = {{kOut, "8:45"}}},
        {.item = {"cancel"}},
        {.menu = kFleetMenu, .choice = {"choice", 0},
         .shows = {{kDest, "Dallas, US"}, {kOut, "8:00"}, {kReturn, "11:30"}, {kEconomy0, "140."}}},
        {.item = {"city forward", 2}, .times = 2,  // Bangkok: too far, but three legs show
         .shows = {{{"fare heading"}, "Price:  ATL-DFW   DFW-BKK   BKK-ATL"}}},
        {.item = {"city back", 2}, .times = 2,  // back to none: a two-leg trip again
         .shows = {{{"city", 2}, ""}, {{"fare heading"}, "Price:  ATL-DFW   DFW-ATL"}}}});
}

}  // namespace
}  // namespace jetvale
