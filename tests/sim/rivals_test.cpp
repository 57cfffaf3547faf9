// The program-run airlines' daily step at the edges of its strategy.
#include <gtest/gtest.h>

#include <tuple>

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
  EXPECT_EQ(std::tuple(rival.loans[0].amount, rival.loans[0].rate, rival.loans[0].totalMonths),
            std::tuple(76500000, 0.0583, 150));
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

}  // namespace
}  // namespace jetvale
