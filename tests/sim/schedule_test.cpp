// Scheduling legs (arrival slots at their edges, refused legs, why no gate was found, what rescheduling frees),
// buying into slots, and the schedule editor's checks in their order.
#include <gtest/gtest.h>

#include "sim/fleet_operations.h"
#include "sim/great_circle.h"
#include "sim/schedule.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1, kCharlotte = 10, kChicago = 11;

class Scheduling : public ::testing::Test {
 protected:
  Scheduling() : world(random) {
    BuyPlane(world.airlines[0], 0, 0);  // B 717-200
    BuyPlane(world.airlines[0], 1, 0);
  }
  Gate& GateAt(int airport, int number) { return world.GatesAt(airport)[static_cast<std::size_t>(number)]; }
  Flight& Leg(int plane, int leg) { return world.airlines[0].planes[static_cast<std::size_t>(plane)].legs[static_cast<std::size_t>(leg)]; }

  Random random{5};
  World world;
};

TEST_F(Scheduling, DistancesFollowTheGreatCircleAndBlockTimeDropsPartialQuarterHours) {
  EXPECT_NEAR(GreatCircleMiles(world, kAtlanta, kChicago), 526.185, 1e-3);
  EXPECT_EQ(GreatCircleMiles(world, kAtlanta, kAtlanta), 0.0);  // not NaN
  EXPECT_EQ(GreatCircleMiles(world, 0, kAtlanta), 0.0);  // there is no airport 0
  EXPECT_EQ(GreatCircleMiles(world, kAtlanta, 53), 0.0);
  // 1000 miles at 438 x 0.77 mph: 2.965 hours, 8 + 3 quarter hours.
  EXPECT_EQ(ArrivalSlot(40, 1000, 0), 51);
  EXPECT_EQ(ArrivalSlot(88, 674, 0), 95);  // 1.998 hours: 4 + 3 quarter hours
  EXPECT_EQ(ArrivalSlot(88, 675, 0), 96);  // 2.001 hours: lands at midnight exactly
}

TEST_F(Scheduling, ALegBetweenAirportsOrSlotsThatDoNotExistIsRefusedUntouched) {
  const std::int32_t before = world.airlines[0].balance;
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, 0, kCharlotte), kNoDepartureGate);
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, 53), kNoDepartureGate);
  EXPECT_EQ(ScheduleLeg(world, 4, 0, 0, 40, kAtlanta, kCharlotte), kNoDepartureGate);
  EXPECT_EQ(ScheduleLeg(world, 0, 99, 0, 40, kAtlanta, kCharlotte), kNoDepartureGate);
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 4, 40, kAtlanta, kCharlotte), kNoDepartureGate);
  EXPECT_EQ(world.airlines[0].balance, before);
  EXPECT_EQ(Leg(0, 0).origin, 0);
  EXPECT_EQ(world.AirportById(kCharlotte).legsInto[0], 0);
}

TEST_F(Scheduling, GateResultsTellWhyNoGateWasFound) {
  for (Gate& gate : world.GatesAt(kAtlanta)) gate.owner = 2;
  Plane& plane = world.airlines[0].planes[0];
  plane.currentLeg = 1;
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, kCharlotte), 1);  // no departure gate
  EXPECT_FALSE(Leg(0, 0).scheduled);
  EXPECT_EQ(plane.currentLeg, 1);  // nothing further happened
  EXPECT_EQ(world.AirportById(kCharlotte).legsInto[0], 1);  // but the leg was counted before the search

  for (Gate& gate : world.GatesAt(kChicago)) {
    gate.owner = 0;
    for (int slot = 40; slot < 60; ++slot) gate.reserved[static_cast<std::size_t>(slot)] = 1;  // busy all morning
  }
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kCharlotte, kChicago), 6);  // own arrival gates busy
  EXPECT_TRUE(Leg(0, 0).scheduled);
  EXPECT_EQ(Leg(0, 0).arrivalGate, 0);  // none found: the field is cleared, it names no gate of another search
  EXPECT_EQ(plane.currentLeg, 0);
  GateAt(kChicago, 19).owner = 3;
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kCharlotte, kChicago), 7);  // the last arrival gate is another airline's
}

TEST_F(Scheduling, ReschedulingFreesExactlyTheSlotsTheLegReservedAndNoOtherAirlines) {
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, kCharlotte), kBothGatesFound);
  // Another airline holds gate 0 at Chicago with reservations of its own.
  GateAt(kChicago, 0).owner = 1;
  GateAt(kChicago, 0).reserved[30] = 1;
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 70, kChicago, kAtlanta), kBothGatesFound);
  for (int slot : {38, 39, 40}) EXPECT_EQ(GateAt(kAtlanta, 0).reserved[static_cast<std::size_t>(slot)], 0);
  for (int slot : {41, 42}) EXPECT_EQ(GateAt(kCharlotte, 0).reserved[static_cast<std::size_t>(slot)], 0);
  EXPECT_NE(GateAt(kChicago, 0).reserved[30], 0);
  EXPECT_EQ(Leg(0, 0).departureGate, 1);  // gate 0 belongs to airline 1
}

TEST_F(Scheduling, ALegKeepsOffSlotsThatAnotherLegReservedAfterItsGateWasSoldAndBoughtAgain) {
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, kCharlotte), kBothGatesFound);
  SellGate(GateAt(kAtlanta, 0), world.airlines[0]);  // the reservations stay on the sold gate
  BuyPlane(world.airlines[1], 0, 0);
  ASSERT_EQ(ScheduleLeg(world, 1, 0, 0, 40, kAtlanta, kCharlotte), kBothGatesFound);
  EXPECT_EQ(GateAt(kAtlanta, 0).owner, 1);
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 70, kCharlotte, kAtlanta), kBothGatesFound);
  for (int slot : {38, 39, 40}) EXPECT_NE(GateAt(kAtlanta, 0).reserved[static_cast<std::size_t>(slot)], 0);
}

// A plane sold, or routed again over fewer stops, gives back exactly the slots its dropped legs reserved: the
// airline's next leg at those times finds its own gate free and buys no other.
TEST_F(Scheduling, ASoldPlaneAndLegsDroppedFromATripFreeWhatTheyReserved) {
  // The last leg leaves Chicago while the gate its arrival bought is still held, so it buys a second one.
  const int arrival = ArrivalSlot(50, LegMiles(world, kCharlotte, kChicago), 0);
  const RouteStop threeStops[] = {{kAtlanta, 40}, {kCharlotte, 50}, {kChicago, arrival + 1}};
  const LegFares fares[] = {{}, {}, {}};
  ASSERT_TRUE(RoutePlane(world, 0, 0, threeStops, fares));
  const auto held = [&](int slot) { return GateAt(kChicago, 1).reserved[static_cast<std::size_t>(slot)]; };
  for (int slot = arrival - 1; slot <= arrival + 1; ++slot) EXPECT_EQ(held(slot), LegKey(0, 0, 2)) << slot;
  ASSERT_TRUE(RoutePlane(world, 0, 0, std::span(threeStops, 2), std::span(fares, 2)));
  for (int slot = arrival - 1; slot <= arrival + 1; ++slot) EXPECT_EQ(held(slot), 0) << slot;
  ASSERT_TRUE(SellFleetPlane(world, 0, 0));
  const std::int32_t balance = world.airlines[0].balance;
  for (int id = 1; id <= kAirportCount; ++id) {
    for (const Gate& gate : world.GatesAt(id)) {
      for (const std::uint16_t key : gate.reserved) EXPECT_EQ(key, 0) << id << " gate " << gate.number;
    }
  }
  ASSERT_EQ(ScheduleLeg(world, 0, 1, 0, 40, kAtlanta, kCharlotte), kBothGatesFound);
  EXPECT_EQ(Leg(1, 0).departureGate, 0);
  EXPECT_EQ(world.airlines[0].balance, balance);
  EXPECT_FALSE(SellFleetPlane(world, 0, 0));  // sold already
}

constexpr int kCaracas = 9, kJakarta = 22, kNewYork = 33, kPhiladelphia = 36, kSanFrancisco = 41, kFrankfurt = 18,
              kZurich = 52;
constexpr int kB717 = 0, kB777 = 5, kFokker70 = 7, kErj145 = 12;

class FleetOperations : public ::testing::Test {
 protected:
  std::string_view Check(int type, std::initializer_list<RouteStop> stops) {
    return ScheduleProblemText(CheckSchedule(world, type, std::span(stops.begin(), stops.size())));
  }
  Random random{2};
  World world{random};
};

TEST_F(FleetOperations, ThePlayerBuysIntoTheLowestFreeOfTwentySlots) {
  Airline& player = world.airlines[0];
  for (int n = 0; n < kPlayerFleetLimit; ++n) BuyPlaneIntoFreeSlot(player, kErj145, kPlayerFleetLimit);
  EXPECT_EQ(BuyPlaneIntoFreeSlot(player, kErj145, kPlayerFleetLimit), kNoFreeSlot);
  EXPECT_EQ(player.balance, 500000000 - 20 * 14500000);
  SellPlane(player, 7);
  EXPECT_EQ(BuyPlaneIntoFreeSlot(player, kB717, kPlayerFleetLimit), 7);
  EXPECT_FALSE(BuyPlaneIntoSlot(player, 7, kB717));
  EXPECT_FALSE(BuyPlaneIntoSlot(player, 99, kB717));
}

TEST_F(FleetOperations, TheEditorsChecksRunInOrderAndTheFirstFailureSpeaks) {
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}}), "Please schedule an additional flight");
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 33}, {kAtlanta, 34}}),
            "Origin and Destination cannot be the same");
  // Atlanta-Charlotte, 196 miles on a B 717-200: arrival 32 + 2; the next departure waits until 39.
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 38}}), "Flights must be over one hour apart");
  EXPECT_EQ(Check(kB717, {{kAtlanta, 32}, {kCharlotte, 39}}), "");
  EXPECT_EQ(Check(kB717, {{kFrankfurt, 32}, {kZurich, 40}}), "");  // 180 miles; the last airport id counts
  // Atlanta-San Francisco, 1853 miles, is beyond a Fokker 70's 1085 both ways.
  EXPECT_EQ(Check(kFokker70, {{kSanFrancisco, 32}, {kAtlanta, 64}}), "Cities are out of Range");
  EXPECT_EQ(Check(kB717, {{kCharlotte, 20}, {kChicago, 40}, {kSanFrancisco, 70}}), "Cities are out of Range");
  // Caracas-Jakarta, 10342 miles, is in a B 777-300's range but takes 24.8 hours at 416.57 mph: 99 slots.
  EXPECT_EQ(ArrivalSlot(15, 10342, kB777), 114);
  EXPECT_EQ(Check(kB777, {{kCaracas, 15}, {kJakarta, 138}}), "Flight is over 24 hours");
  // New York-Philadelphia, 81 miles on an ERJ145 at 346.5 mph: 14 minutes, still one slot in the air.
  EXPECT_EQ(ArrivalSlot(40, 81, kErj145), 41);
  EXPECT_EQ(Check(kErj145, {{kNewYork, 40}, {kPhiladelphia, 45}}), "Flights must be over one hour apart");
}

}  // namespace
}  // namespace jetvale
