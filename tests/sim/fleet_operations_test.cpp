// Buying into slots, and the schedule editor's checks in their order.
#include <gtest/gtest.h>

#include <array>

#include "sim/fleet_operations.h"
#include "sim/schedule.h"
#include "world/trade.h"

namespace jetvale {
namespace {

constexpr int kAtlanta = 1, kCaracas = 9, kCharlotte = 10, kChicago = 11, kJakarta = 22, kNewYork = 33,
              kPhiladelphia = 36, kSanFrancisco = 41, kFrankfurt = 18, kZurich = 52;
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
