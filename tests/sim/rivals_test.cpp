// The program-run airlines' daily step at the edges of its strategy.
#include <gtest/gtest.h>

#include "finance/loans.h"
#include "sim/fleet_operations.h"
#include "sim/rivals.h"

namespace jetvale {
namespace {

class Rivals : public ::testing::Test {
 protected:
  Airline& Rival(int index) { return world.airlines[static_cast<std::size_t>(index)]; }
  Random random{1};
  World world{random};
};

TEST_F(Rivals, ARivalShortOfCashBorrowsThePriceAndBuysTheNextDayUnlessItHasFiveLoans) {
  Airline& rival = Rival(3);
  rival.balance = 10000000;
  rival.planeCount = 7;  // as if slots 0..6 were in use
  rival.strategy.state = kBuyB757;
  RivalDailyStep(world, random, 3);
  EXPECT_EQ(rival.strategy.state, kBuyB757);
  EXPECT_EQ(rival.loans[0].amount, 76500000);
  EXPECT_EQ(rival.loans[0].rate, 0.0583);
  EXPECT_EQ(rival.loans[0].totalMonths, 150);
  RivalDailyStep(world, random, 3);
  EXPECT_EQ(rival.planes[7].type, 3);
  EXPECT_EQ(rival.strategy.plane, 7);
  EXPECT_EQ(rival.balance, 10000000);
  EXPECT_EQ(rival.strategy.state, kRouteNewPlane);

  rival.balance = 30000000;  // just the price of a Fokker 100
  rival.strategy.state = kBuyFokker100;
  RivalDailyStep(world, random, 3);
  EXPECT_EQ(rival.balance, 0);

  Airline& poor = Rival(2);
  for (int i = 0; i < kMaxLoans; ++i) TakeLoan(poor, i, 0.0583, 150, 1000);
  poor.balance = 1000;
  poor.strategy.state = kBuyB777;
  RivalDailyStep(world, random, 2);
  EXPECT_EQ(poor.strategy.state, kDrawNextState);
  EXPECT_EQ(poor.balance, 1000);
}

TEST_F(Rivals, NinetyNinePlanesEndTheBuyingAndTheDrawWrapsAroundTheSequence) {
  Airline& rival = Rival(1);
  rival.planeCount = 99;
  rival.strategy.state = kBuyFokker100;
  rival.strategy.cursor = kDecisionCount;
  RivalDailyStep(world, random, 1);
  EXPECT_EQ(rival.strategy.state, kDrawNextState);
  RivalDailyStep(world, random, 1);
  EXPECT_EQ(rival.strategy.cursor, 1);
}

TEST_F(Rivals, AFailedUpwardScanWaitsForNewDrawsTomorrowAndReturnLegsLeaveByAirline) {
  // Seed 380 first draws Bangkok with Saint Louis (id 45): Bangkok's airports within a Fokker 100's 1323 miles,
  // Hong Kong, Jakarta, Kuala Lumpur and Singapore, have ids 19..44. The next day draws Seattle (42) and id 6;
  // the scan climbs to Denver (15), 884 miles: 884 / (456 x 0.77) = 2.518 hours, 8 + 2 quarter hours.
  for (const int index : {1, 2}) {
    Random draws(380);
    BuyPlaneIntoSlot(Rival(index), 0, 6);
    Rival(index).strategy.state = kRouteNewPlane;
    RivalDailyStep(world, draws, index);
    EXPECT_EQ(Rival(index).planes[0].legCount, 0);
    RivalDailyStep(world, draws, index);
    const Plane& plane = Rival(index).planes[0];
    ASSERT_EQ(plane.legCount, 2);
    EXPECT_EQ(plane.legs[0].origin, 42);
    EXPECT_EQ(plane.legs[0].destination, 15);
    EXPECT_EQ(plane.legs[0].departure, 15);
    EXPECT_EQ(plane.legs[1].departure, 10 + index + 23);
    EXPECT_NEAR(plane.legs[1].economyFare, 172.8392, 1e-9);  // 0.1538 x 884 + 36.88
  }
  // Seed 1 first draws 0, which stands for Atlanta; a B 757-200 then reaches Mexico City (29), 1157 miles.
  Random draws(1);
  BuyPlaneIntoSlot(Rival(3), 0, 3);
  Rival(3).strategy.state = kRouteNewPlane;
  RivalDailyStep(world, draws, 3);
  EXPECT_EQ(Rival(3).planes[0].legs[0].origin, 1);
  EXPECT_EQ(Rival(3).planes[0].legs[0].destination, 29);
}

}  // namespace
}  // namespace jetvale
