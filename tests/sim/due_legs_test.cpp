// The index of due planes: which planes are never due, and how planes are filed and taken.
#include <gtest/gtest.h>

#include <functional>

#include "sim/due_legs.h"
#include "sim/flight_cycle.h"
#include "sim/flight_state.h"
#include "sim/schedule.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1;
constexpr int kCharlotte = 10;

class DuePlanes : public ::testing::Test {
 protected:
  DuePlanes() {
    for (int slot : {0, 64}) {
      BuyPlane(Player(), slot, 0);  // B 717-200; Atlanta to Charlotte is 196 miles, two quarter hours
      ScheduleLeg(game.world, 0, slot, 0, 40, kAtlanta, kCharlotte);
      Plane(slot).legCount = 1;
    }
  }
  Airline& Player() { return game.world.airlines[0]; }
  jetvale::Plane& Plane(int slot) { return Player().planes[static_cast<std::size_t>(slot)]; }
  Flight& Leg0() { return Plane(0).legs[0]; }

  GameState game{3};
};

TEST_F(DuePlanes, APlaneThatCannotStepIsNeverDue) {
  const std::function<void(jetvale::Plane&)> stuck[] = {
      [](jetvale::Plane& p) { p.legs[0].state = 5; },  // not a state of the leg step
      [](jetvale::Plane& p) { p.legs[0].active = 0; },
      [](jetvale::Plane& p) { p.currentLeg = 1; },  // past its single leg
      [](jetvale::Plane& p) { p.currentLeg = -1; },
      [](jetvale::Plane& p) { p.legCount = 0; },
      [](jetvale::Plane& p) { p.inUse = 0; },
  };
  for (const auto& damage : stuck) {
    jetvale::Plane plane = Plane(0);
    plane.legs[0].state = kBoarded;
    EXPECT_EQ(NextTimeTest(plane), 40);
    damage(plane);
    EXPECT_EQ(NextTimeTest(plane), kNeverDue) << &damage - stuck;
  }
}

TEST_F(DuePlanes, PlanesAreFiledInSlotOrderOnceAndTakenOut) {
  DueLegs due;
  due.Rebuild(game.world);
  const std::vector<PlaneKey> both = {{0, 0}, {0, 64}};
  const std::vector<PlaneKey> firstOnly = {{0, 0}};
  const std::vector<PlaneKey> secondOnly = {{0, 64}};
  EXPECT_EQ(due.At(38), both);
  EXPECT_TRUE(due.At(40).empty());
  due.File(game.world, {0, 64});  // already there: not twice
  due.File(game.world, {0, 0});
  EXPECT_EQ(due.At(38), both);
  EXPECT_EQ(due.Take(38), both);
  EXPECT_TRUE(due.At(38).empty());
  EXPECT_TRUE(due.Take(96).empty());
  EXPECT_TRUE(due.Take(-1).empty());
  Plane(64).legs[0].state = kBoarded;
  due.File(game.world, {0, 64});
  due.File(game.world, {0, 0});  // filed after a plane with a higher slot, listed before it
  EXPECT_EQ(due.At(40), secondOnly);
  EXPECT_EQ(due.At(38), firstOnly);
  SellPlane(Player(), 0);
  Plane(64).legs[0].state = kWaitingForBoarding;
  ScheduleLeg(game.world, 0, 64, 0, 2, kAtlanta, kCharlotte);  // leaves at 00:30, boards at midnight
  due.Rebuild(game.world);
  EXPECT_TRUE(due.At(38).empty());
  EXPECT_TRUE(due.At(40).empty());
  EXPECT_EQ(due.At(0), secondOnly);
  EXPECT_TRUE(due.At(-1).empty());
  EXPECT_TRUE(due.At(96).empty());
  BuyPlane(game.world.airlines[3], 98, 0);  // the last plane slot of the world
  ScheduleLeg(game.world, 3, 98, 0, 2, kAtlanta, kCharlotte);
  game.world.airlines[3].planes[98].legCount = 1;
  due.Rebuild(game.world);
  const std::vector<PlaneKey> withTheLast = {{0, 64}, {3, 98}};
  EXPECT_EQ(due.At(0), withTheLast);
}

}  // namespace
}  // namespace jetvale
