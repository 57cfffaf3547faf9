// The random generator, trade (what a reused slot keeps, the balance at the ends of its range), and the tables read
// by an index from outside.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "world/aircraft_types.h"
#include "world/booking.h"
#include "world/trade.h"
#include "world/world.h"

namespace jetvale {
namespace {

TEST(Random, FollowsTheHandheldRuntimeSequence) {
  Random random(1);
  for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(random.Next(), expected);
  random.Seed(1);
  EXPECT_EQ(random.Below(52), 0);       // trunc(41 x 52 / 32768)
  EXPECT_EQ(random.Below(52), 29);      // trunc(18467 x 52 / 32768)
}

TEST(Trade, BuyingIntoAFreedSlotKeepsTheOldPlanesFigures) {
  Airline airline;
  BuyPlane(airline, 0, 7);
  airline.planes[0].age = 40;
  airline.planes[0].revenue = 1234;
  airline.planes[0].value = 20000000;
  airline.planes[0].legCount = 2;
  SellPlane(airline, 0);
  EXPECT_EQ(airline.currentYear[LedgerEntry::IncomeSoldPlanes], 20000000.0);
  EXPECT_EQ(airline.planes[0].legCount, 0);
  EXPECT_EQ(airline.planeCount, 0);
  EXPECT_EQ(airline.balance, 500000000 - 20500000 + 20000000);

  BuyPlane(airline, 0, 6);
  EXPECT_EQ(airline.planes[0].age, 40);
  EXPECT_EQ(airline.planes[0].revenue, 1234);
  EXPECT_EQ(airline.planes[0].type, 6);
}

TEST(Money, ABalanceDrivenPastTheInt32RangeStopsAtItsEndAndTellsWhatItTook) {
  Airline airline;
  airline.balance = 2147000000;
  EXPECT_EQ(AddToBalance(airline, 5e9), 483647);  // what the balance took
  EXPECT_EQ(airline.balance, 2147483647);
  AddToBalance(airline, -1e12);
  EXPECT_EQ(airline.balance, -2147483647 - 1);
  EXPECT_EQ(AddToBalance(airline, 10.9), 10.9);
  EXPECT_EQ(airline.balance, -2147483637);  // -2147483637.1, truncated toward zero
  EXPECT_EQ(TruncateToInt(-2.9), -2);
  EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

// Indices from outside (a saved game's type, a drawn personality) read a row of their table, never past it.
TEST(Tables, ATypeOutsideTheTableReadsTheFirstAndPersonalitiesFallIntoThreeClasses) {
  for (const auto& [index, read] : {std::pair{-1, 0}, {0, 0}, {12, 12}, {13, 0}}) {
    EXPECT_EQ(AircraftTypeAt(index).index, read) << index;
  }
  std::vector<int> classes;
  for (int personality = 0; personality <= 9; ++personality) classes.push_back(AirlineStrategy{personality}.Class());
  EXPECT_EQ(classes, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 2, 2, 2}));
}

}  // namespace
}  // namespace jetvale
