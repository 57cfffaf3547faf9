// Buying into slots, the schedule editor's checks in their order, and routing a plane with its fares.
#include <gtest/gtest.h>

#include <array>

#include "sim/fleet_operations.h"
#include "sim/schedule.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1;
constexpr int kCaracas = 9;
constexpr int kCharlotte = 10;
constexpr int kChicago = 11;
constexpr int kJakarta = 22;
constexpr int kNewYork = 33;
constexpr int kPhiladelphia = 36;
constexpr int kSanFrancisco = 41;
constexpr int kB717 = 0;
constexpr int kB777 = 5;
constexpr int kFokker70 = 7;
constexpr int kErj145 = 12;

class FleetOperations : public ::testing::Test {
 protected:
  ScheduleProblem Check(int type, std::initializer_list<RouteStop> stops) {
    return CheckSchedule(world, type, std::span<const RouteStop>(stops.begin(), stops.size()));
  }
  Random random{2};
  World world{random};
};

TEST_F(FleetOperations, ThePlayerBuysIntoTheLowestFreeOfTwentySlotsAndARivalIntoTheSlotItNames) {
  Airline& player = world.airlines[0];
  for (int n = 0; n < kPlayerFleetLimit; ++n) EXPECT_EQ(BuyPlaneIntoFreeSlot(player, kErj145, kPlayerFleetLimit), n);
  EXPECT_EQ(BuyPlaneIntoFreeSlot(player, kErj145, kPlayerFleetLimit), kNoFreeSlot);
  EXPECT_EQ(player.planeCount, 20);
  EXPECT_EQ(player.balance, 500000000 - 20 * 14500000);
  SellPlane(player, 7);
  EXPECT_EQ(BuyPlaneIntoFreeSlot(player, kB717, kPlayerFleetLimit), 7);
  EXPECT_EQ(player.planes[7].type, kB717);

  Airline& rival = world.airlines[3];
  EXPECT_TRUE(BuyPlaneIntoSlot(rival, 98, kB777));
  EXPECT_FALSE(BuyPlaneIntoSlot(rival, 98, kB777));  // taken
  EXPECT_FALSE(BuyPlaneIntoSlot(rival, 99, kB777));  // no such slot
  EXPECT_FALSE(BuyPlaneIntoSlot(rival, 0, 13));      // no such type
  EXPECT_EQ(rival.planeCount, 1);
}

TEST_F(FleetOperations, TheEditorsChecksRunInOrderAndTheFirstFailureSpeaks) {
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}}), ScheduleProblem::kTooFewStops);
  EXPECT_EQ(ScheduleProblemText(ScheduleProblem::kTooFewStops), "Please schedule an additional flight");
  // Same cities come before the times: Atlanta twice with impossible times still reads as the same city.
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 33}, {kAtlanta, 34}}), ScheduleProblem::kSameCities);
  EXPECT_EQ(ScheduleProblemText(ScheduleProblem::kSameCities), "Origin and Destination cannot be the same");
  // Atlanta-Charlotte, 196 miles on a B 717-200: 0.58 hours, arrival 32 + 2 = 34; the next departure needs 39.
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 38}}), ScheduleProblem::kTooClose);
  EXPECT_EQ(ScheduleProblemText(ScheduleProblem::kTooClose), "Flights must be over one hour apart");
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 39}}), ScheduleProblem::kNone);
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 39}, {kChicago, 43}}), ScheduleProblem::kTooClose);
  // Atlanta-San Francisco is 1853 miles, beyond a Fokker 70's 1085, on the way out or on the way back.
  EXPECT_EQ(Check(kFokker70, {{kAtlanta, 32}, {kSanFrancisco, 64}}), ScheduleProblem::kOutOfRange);
  EXPECT_EQ(Check(kFokker70, {{kSanFrancisco, 32}, {kAtlanta, 64}}), ScheduleProblem::kOutOfRange);
  EXPECT_EQ(Check(kB717, {{kCharlotte, 20}, {kChicago, 40}, {kSanFrancisco, 70}}), ScheduleProblem::kOutOfRange);
  EXPECT_EQ(ScheduleProblemText(ScheduleProblem::kOutOfRange), "Cities are out of Range");
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {0, 64}}), ScheduleProblem::kOutOfRange);  // no airport 0
}

TEST_F(FleetOperations, ALegOfADayOrMoreIsRefusedAndAHopShorterThanAQuarterHourTakesOne) {
  // Caracas-Jakarta, 10342 miles, is within a B 777-300's 10370 but takes 24.8 hours at 416.57 mph: 99 slots.
  EXPECT_EQ(ArrivalSlot(15, 10342, kB777), 114);
  EXPECT_EQ(Check(kB777, {{kCaracas, 15}, {kJakarta, 138}}), ScheduleProblem::kOverADay);
  EXPECT_EQ(ScheduleProblemText(ScheduleProblem::kOverADay), "Flight is over 24 hours");
  // New York-Philadelphia, 81 miles on an ERJ145 at 346.5 mph: 14 minutes, still one slot in the air.
  EXPECT_EQ(ArrivalSlot(40, 81, kErj145), 41);
  EXPECT_EQ(Check(kErj145, {{kNewYork, 40}, {kPhiladelphia, 46}}), ScheduleProblem::kNone);
  EXPECT_EQ(Check(kErj145, {{kNewYork, 40}, {kPhiladelphia, 45}}), ScheduleProblem::kTooClose);
}

TEST_F(FleetOperations, RoutingReplacesTheTripAndGivesEveryLegItsFares) {
  Airline& player = world.airlines[0];
  BuyPlaneIntoFreeSlot(player, kB717, kPlayerFleetLimit);
  const std::array<RouteStop, 3> three = {{{kAtlanta, 32}, {kCharlotte, 40}, {kChicago, 60}}};
  const std::array<LegFares, 3> fares = {{{300, 200, 100.5}, {301, 201, 101}, {302, 202, 102}}};
  ASSERT_TRUE(RoutePlane(world, 0, 0, three, fares));
  const Plane& plane = player.planes[0];
  EXPECT_EQ(plane.legCount, 3);
  EXPECT_EQ(plane.legs[2].origin, kChicago);
  EXPECT_EQ(plane.legs[2].destination, kAtlanta);  // the last leg returns to the first stop
  EXPECT_EQ(plane.legs[2].departure, 60);
  EXPECT_EQ(plane.legs[0].economyFare, 100.5);
  EXPECT_EQ(plane.legs[2].firstFare, 302);

  const LegFares defaults = DefaultFares(1000);
  EXPECT_NEAR(defaults.first, 536.73, 1e-9);
  EXPECT_NEAR(defaults.business, 329.10, 1e-9);
  EXPECT_NEAR(defaults.economy, 190.68, 1e-9);
  const std::array<RouteStop, 2> two = {{{kCharlotte, 40}, {kAtlanta, 60}}};
  const std::array<LegFares, 2> twoFares = {defaults, defaults};
  ASSERT_TRUE(RoutePlane(world, 0, 0, two, twoFares));
  EXPECT_EQ(plane.legCount, 2);
  EXPECT_EQ(plane.legs[1].destination, kCharlotte);
  EXPECT_EQ(plane.legs[1].businessFare, defaults.business);

  EXPECT_FALSE(RoutePlane(world, 0, 0, two, fares));  // a fare set for each leg, no more, no less
  EXPECT_FALSE(RoutePlane(world, 0, 0, std::span(two).first(1), std::span(fares).first(1)));
  EXPECT_EQ(plane.legCount, 2);
}

}  // namespace
}  // namespace jetvale
