// Scheduling legs: arrival slots at their edges, refused legs, why no gate was found, and what rescheduling frees.
#include <gtest/gtest.h>

#include "sim/great_circle.h"
#include "sim/schedule.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1;
constexpr int kCharlotte = 10;
constexpr int kChicago = 11;

class Scheduling : public ::testing::Test {
 protected:
  Scheduling() : world(random) {
    BuyPlane(world.airlines[0], 0, 0);  // B 717-200
    BuyPlane(world.airlines[0], 1, 0);
  }
  Gate& GateAt(int airport, int number) { return world.AirportById(airport).gates[static_cast<std::size_t>(number)]; }
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
  for (Gate& gate : world.AirportById(kAtlanta).gates) gate.owner = 2;
  Plane& plane = world.airlines[0].planes[0];
  plane.currentLeg = 1;
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, kCharlotte), 1);  // no departure gate
  EXPECT_EQ(Leg(0, 0).scheduled, 0);
  EXPECT_EQ(plane.currentLeg, 1);  // nothing further happened
  EXPECT_EQ(world.AirportById(kCharlotte).legsInto[0], 1);  // but the leg was counted before the search

  for (Gate& gate : world.AirportById(kChicago).gates) {
    gate.owner = 0;
    for (int slot = 40; slot < 60; ++slot) gate.reserved[static_cast<std::size_t>(slot)] = 1;  // busy all morning
  }
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kCharlotte, kChicago), 6);  // own arrival gates busy
  EXPECT_EQ(Leg(0, 0).scheduled, 1);
  EXPECT_EQ(Leg(0, 0).arrivalGate, 0);  // none found: the field is cleared, it names no gate of another search
  EXPECT_EQ(plane.currentLeg, 0);
  GateAt(kChicago, 19).owner = 3;
  EXPECT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kCharlotte, kChicago), 7);  // the last arrival gate is another airline's
}

TEST_F(Scheduling, ReschedulingFreesExactlyTheSlotsTheLegReservedAndNoOtherAirlines) {
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, kCharlotte), kScheduled);
  // Another airline holds gate 0 at Chicago with reservations of its own.
  GateAt(kChicago, 0).owner = 1;
  GateAt(kChicago, 0).reserved[30] = 1;
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 70, kChicago, kAtlanta), kScheduled);
  for (int slot : {38, 39, 40}) EXPECT_EQ(GateAt(kAtlanta, 0).reserved[static_cast<std::size_t>(slot)], 0);
  for (int slot : {41, 42}) EXPECT_EQ(GateAt(kCharlotte, 0).reserved[static_cast<std::size_t>(slot)], 0);
  EXPECT_NE(GateAt(kChicago, 0).reserved[30], 0);
  EXPECT_EQ(Leg(0, 0).departureGate, 1);  // gate 0 belongs to airline 1
}

TEST_F(Scheduling, ALegKeepsOffSlotsThatAnotherLegReservedAfterItsGateWasSoldAndBoughtAgain) {
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 40, kAtlanta, kCharlotte), kScheduled);
  SellGate(GateAt(kAtlanta, 0), world.airlines[0]);  // the reservations stay on the sold gate
  BuyPlane(world.airlines[1], 0, 0);
  ASSERT_EQ(ScheduleLeg(world, 1, 0, 0, 40, kAtlanta, kCharlotte), kScheduled);
  EXPECT_EQ(GateAt(kAtlanta, 0).owner, 1);
  ASSERT_EQ(ScheduleLeg(world, 0, 0, 0, 70, kCharlotte, kAtlanta), kScheduled);
  for (int slot : {38, 39, 40}) EXPECT_NE(GateAt(kAtlanta, 0).reserved[static_cast<std::size_t>(slot)], 0);
}

}  // namespace
}  // namespace jetvale
