// The program-run airlines: their daily strategy step, its edge cases, and a seeded game of 60 days.
#include <gtest/gtest.h>

#include "finance/loans.h"
#include "sim/fleet_operations.h"
#include "sim/flight_cycle.h"
#include "sim/rivals.h"

namespace jetvale {
namespace {

constexpr int kFokker100 = 6;
constexpr int kB757 = 3;
constexpr int kB777 = 5;
constexpr int kDenver = 15;
constexpr int kSeattle = 42;

class Rivals : public ::testing::Test {
 protected:
  Airline& Rival(int index) { return world.airlines[static_cast<std::size_t>(index)]; }
  // A rival with a new plane of `type` in slot 0, about to route it.
  void ReadyToRoute(int index, int type) {
    BuyPlaneIntoSlot(Rival(index), 0, type);
    Rival(index).strategy.state = kRouteNewPlane;
    Rival(index).strategy.plane = 0;
  }
  Random worldRandom{4};
  World world{worldRandom};
};

TEST_F(Rivals, AStrategyChoosesItsTypeByClassThenBuysItIntoTheSlotOfItsPlaneCount) {
  Random random(1);
  for (const auto& [personality, buyState, type] : {std::tuple{3, kBuyFokker100, kFokker100},
                                                    std::tuple{4, kBuyB757, kB757}, std::tuple{7, kBuyB777, kB777}}) {
    Airline& rival = Rival(1);
    rival = Airline{};
    rival.index = 1;
    rival.strategy.personality = personality;
    rival.strategy.state = kChooseType;
    RivalDailyStep(world, random, 1);
    EXPECT_EQ(rival.strategy.state, buyState);
    RivalDailyStep(world, random, 1);
    EXPECT_EQ(rival.strategy.state, kRouteNewPlane);
    EXPECT_EQ(rival.planes[0].type, type);
    EXPECT_EQ(rival.planeCount, 1);
  }
  Rival(2).planeCount = 7;  // as if slots 0..6 were in use
  Rival(2).strategy.state = kBuyB757;
  RivalDailyStep(world, random, 2);
  EXPECT_EQ(Rival(2).planes[7].inUse, 1);
  EXPECT_EQ(Rival(2).strategy.plane, 7);
}

TEST_F(Rivals, ARivalShortOfCashBorrowsThePriceAndBuysTheNextDay) {
  Random random(1);
  Airline& rival = Rival(3);
  rival.balance = 10000000;
  rival.strategy.state = kBuyB757;
  RivalDailyStep(world, random, 3);
  EXPECT_EQ(rival.strategy.state, kBuyB757);
  EXPECT_EQ(rival.planeCount, 0);
  ASSERT_EQ(rival.loanCount, 1);
  EXPECT_EQ(rival.loans[0].amount, 76500000);
  EXPECT_EQ(rival.loans[0].rate, 0.0583);
  EXPECT_EQ(rival.loans[0].totalMonths, 150);
  EXPECT_EQ(rival.balance, 86500000);
  RivalDailyStep(world, random, 3);
  EXPECT_EQ(rival.planeCount, 1);
  EXPECT_EQ(rival.balance, 10000000);
  EXPECT_EQ(rival.strategy.state, kRouteNewPlane);
}

TEST_F(Rivals, NinetyNinePlanesOrFiveLoansWithoutCashSendARivalToItsNextDraw) {
  Random random(1);
  Airline& rival = Rival(1);
  rival.planeCount = 99;
  rival.strategy.state = kBuyFokker100;
  rival.strategy.cursor = kDecisionCount;  // the draw wraps to the start of the sequence
  RivalDailyStep(world, random, 1);
  EXPECT_EQ(rival.strategy.state, kDrawNextState);
  RivalDailyStep(world, random, 1);
  EXPECT_EQ(rival.strategy.cursor, 1);
  EXPECT_EQ(rival.strategy.state, world.decisions[1][0]);

  Airline& poor = Rival(2);
  for (int i = 0; i < kMaxLoans; ++i) TakeLoan(poor, i, 0.0583, 150, 1000);
  poor.balance = 1000;
  poor.strategy.state = kBuyB777;
  RivalDailyStep(world, random, 2);
  EXPECT_EQ(poor.strategy.state, kDrawNextState);
  EXPECT_EQ(poor.loanCount, 5);
  EXPECT_EQ(poor.balance, 1000);
  EXPECT_EQ(poor.planeCount, 0);
}

TEST_F(Rivals, AFailedUpwardScanWaitsForNewDrawsTomorrowAndReturnLegsLeaveByAirline) {
  // Seed 380 first draws Bangkok with Saint Louis (id 45) as candidate: Bangkok's airports within a Fokker 100's
  // 1323 miles are Hong Kong, Jakarta, Kuala Lumpur and Singapore, ids 19..44, all below the candidate.
  // The next day draws Seattle and id 6, and the scan climbs to Denver, 884 miles away.
  for (const int index : {1, 2}) {
    Random random(380);
    ReadyToRoute(index, kFokker100);
    RivalDailyStep(world, random, index);
    EXPECT_EQ(Rival(index).strategy.state, kRouteNewPlane);
    EXPECT_EQ(Rival(index).planes[0].legCount, 0);
    RivalDailyStep(world, random, index);
    const Plane& plane = Rival(index).planes[0];
    ASSERT_EQ(plane.legCount, 2);
    EXPECT_EQ(plane.legs[0].origin, kSeattle);
    EXPECT_EQ(plane.legs[0].destination, kDenver);
    EXPECT_EQ(plane.legs[0].miles, 884);
    EXPECT_EQ(plane.legs[0].departure, 15);
    // 884 / (456 x 0.77) = 2.518 hours: 8 + 2 quarter hours; back at 10 + index + 23.
    EXPECT_EQ(plane.legs[1].origin, kDenver);
    EXPECT_EQ(plane.legs[1].destination, kSeattle);
    EXPECT_EQ(plane.legs[1].departure, 33 + index);
    EXPECT_NEAR(plane.legs[1].economyFare, 172.8392, 1e-9);  // 0.1538 x 884 + 36.88
    EXPECT_NEAR(plane.legs[0].businessFare, 295.20248, 1e-9);
    EXPECT_NEAR(plane.legs[1].firstFare, 478.7474, 1e-9);
    EXPECT_EQ(Rival(index).strategy.cursor, 1);
  }
}

TEST_F(Rivals, IdleRivalsAndAGameWithoutRivalsDoNothing) {
  Random random(1);
  Rival(1).strategy.state = kIdle;
  Rival(2).strategy.state = kIdleToo;
  RivalDailyStep(world, random, 1);
  RivalDailyStep(world, random, 2);
  EXPECT_EQ(Rival(1).strategy.state, kIdle);
  EXPECT_EQ(Rival(2).strategy.state, kIdleToo);

  GameState game(7);
  game.rivalsPlay = false;
  game.clock.Start();
  for (int tick = 0; tick < 3 * kTicksPerDay; ++tick) SimulateTick(game);
  for (const Airline& airline : game.world.airlines) EXPECT_EQ(airline.planeCount, 0);
}

}  // namespace
}  // namespace jetvale
