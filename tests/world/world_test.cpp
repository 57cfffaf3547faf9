// The world as built at start: airports, aircraft types, registrations and the airlines' empty slots.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "world/aircraft_types.h"
#include "world/world.h"

namespace jetvale {
namespace {

TEST(Random, FollowsTheHandheldRuntimeSequenceAndStaysInRange) {
  Random random(1);
  for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(random.Next(), expected);
  random.Seed(12345);
  for (int i = 0; i < 100000; ++i) {
    const int value = random.Below(52);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, 52);
  }
}

TEST(Airports, DailyPassengersAndTrafficWeightsComeFromTheYearlyFigures) {
  Random random(7);
  const World world(random);
  long long annualSum = 0;
  for (int id = 1; id <= kAirportCount; ++id) {
    const Airport& airport = world.AirportById(id);
    ASSERT_NE(airport.info, nullptr);
    EXPECT_EQ(airport.info->id, id);
    annualSum += airport.info->annualPassengers;
  }
  EXPECT_EQ(annualSum, 1419816750);
  EXPECT_EQ(world.AirportById(0).info, nullptr);
  // Ids from outside the game: only 1..52 are airports; anything else reads the empty slot 0.
  EXPECT_FALSE(IsValidAirportId(0));
  EXPECT_TRUE(IsValidAirportId(1));
  EXPECT_TRUE(IsValidAirportId(52));
  EXPECT_FALSE(IsValidAirportId(53));
  EXPECT_EQ(world.AirportById(53).info, nullptr);
  EXPECT_EQ(world.AirportById(-1).info, nullptr);
  EXPECT_EQ(world.AirportById(1).dailyPassengers, 191589);  // Atlanta: 68205769 / 356
  EXPECT_EQ(world.AirportById(1).trafficWeight, 0.048038431);
  EXPECT_EQ(world.AirportById(8).dailyPassengers, 11231);  // Capetown: 3998316 / 356
  EXPECT_EQ(world.AirportById(8).trafficWeight, 0.002816079);  // 0.00281607890..
  // San Francisco and Dallas carry the same traffic.
  EXPECT_EQ(world.AirportById(41).dailyPassengers, world.AirportById(14).dailyPassengers);
  EXPECT_EQ(world.AirportById(41).trafficWeight, world.AirportById(14).trafficWeight);
}

TEST(AircraftTypes, TheRegionalJetGoesFurthestOnAFuelUnitAndTheA380Least) {
  EXPECT_NEAR(kAircraftTypes[12].MilesPerFuelUnit(), 1.1978, 1e-4);  // 1320 / 1102
  EXPECT_NEAR(kAircraftTypes[11].MilesPerFuelUnit(), 0.0977, 1e-4);  // 8000 / 81900
  EXPECT_TRUE(IsValidAircraftType(0));
  EXPECT_TRUE(IsValidAircraftType(12));
  EXPECT_FALSE(IsValidAircraftType(13));
  EXPECT_FALSE(IsValidAircraftType(-1));
  EXPECT_EQ(AircraftTypeAt(12).name, "ERJ145");
  EXPECT_EQ(AircraftTypeAt(13).name, "B 717-200");  // never a read outside the table
  for (const AircraftType& type : kAircraftTypes) {
    EXPECT_LE(type.MilesPerFuelUnit(), kAircraftTypes[12].MilesPerFuelUnit());
    EXPECT_GE(type.MilesPerFuelUnit(), kAircraftTypes[11].MilesPerFuelUnit());
  }
}

// Seed 3 worked by hand through the generator: state = state x 214013 + 2531011, rand = bits 16..30.
// The pool takes 399 x 7 draws, each modulo 10; then airlines 1, 2 and 3 each draw a personality and their
// 1000 decisions, each as trunc(rand x 10 / 32768).
TEST(NewGame, SeedThreeDrawsTheseTagsPersonalitiesAndDecisions) {
  Random random(3);
  const World world(random);
  EXPECT_EQ(world.airlines[0].planes[0].tag, "H64117X");
  EXPECT_EQ(world.airlines[0].planes[1].tag, "C78933X");
  EXPECT_EQ(world.airlines[0].planes[3].tag, "H42811V");
  EXPECT_EQ(world.airlines[0].planes[98].tag, "B14266S");
  EXPECT_EQ(world.airlines[1].planes[0].tag, "C72371K");  // pool tag 99
  EXPECT_EQ(world.airlines[3].planes[98].tag, "N39710K");  // pool tag 395
  for (int i = 396; i < kRegistrationCount; ++i) EXPECT_FALSE(world.registrations[i].used);
  EXPECT_EQ(world.registrations[398].Text(), "F20652S");

  EXPECT_EQ(world.airlines[0].strategy.personality, 0);  // the player draws nothing
  EXPECT_EQ(world.airlines[1].strategy.personality, 3);  // class 0
  EXPECT_EQ(world.airlines[2].strategy.personality, 9);  // class 2
  EXPECT_EQ(world.airlines[3].strategy.personality, 4);  // class 1
  const std::vector<int> first1 = {11, 7, 13, 11, 13, 13, 13, 7, 13, 13, 13, 11};
  const std::vector<int> first2 = {11, 7, 13, 13, 10, 13, 13, 7, 7, 11, 10, 13};
  const std::vector<int> first3 = {13, 13, 13, 13, 7, 13, 10, 13, 7, 10, 13, 10};
  EXPECT_EQ(std::vector<int>(world.decisions[1].begin(), world.decisions[1].begin() + 12), first1);
  EXPECT_EQ(std::vector<int>(world.decisions[2].begin(), world.decisions[2].begin() + 12), first2);
  EXPECT_EQ(std::vector<int>(world.decisions[3].begin(), world.decisions[3].begin() + 12), first3);
  EXPECT_EQ(world.decisions[1][999], 7);
  EXPECT_EQ(world.decisions[2][999], 11);
  EXPECT_EQ(world.decisions[3][999], 7);
  // How often each state comes up in the 1000 draws: the rows of the three classes in their proportions.
  auto count = [&world](int airline) {
    std::map<int, int> counts;
    for (const int entry : world.decisions[static_cast<std::size_t>(airline)]) ++counts[entry];
    return counts;
  };
  EXPECT_EQ(count(1), (std::map<int, int>{{7, 207}, {11, 103}, {13, 690}}));
  EXPECT_EQ(count(2), (std::map<int, int>{{7, 380}, {10, 107}, {11, 117}, {13, 396}}));
  EXPECT_EQ(count(3), (std::map<int, int>{{7, 319}, {10, 104}, {11, 89}, {13, 488}}));
}

TEST(World, AFreshWorldHasRichEmptyAirlinesAndUnownedGates) {
  Random random(3);
  World world(random);
  EXPECT_EQ(&world.Player(), &world.airlines[0]);  // the player runs airline 0
  for (int index = 0; index < kAirlineCount; ++index) {
    const Airline& airline = world.airlines[static_cast<std::size_t>(index)];
    EXPECT_EQ(airline.index, index);
    EXPECT_EQ(airline.balance, 500000000);
    EXPECT_EQ(airline.planeCount, 0);
    EXPECT_EQ(airline.loanCount, 0);
    EXPECT_EQ(airline.planes[5].seats.economyPercent, 85);
    EXPECT_EQ(airline.planes[5].originX, 45);
    const Flight& leg = airline.planes[5].legs[3];  // a leg slot not yet flown: no fares, active, waiting
    EXPECT_EQ(leg.firstFare + leg.businessFare + leg.economyFare, 0);
    EXPECT_EQ(leg.active, 1);
    EXPECT_EQ(leg.state, 0);
  }
  for (int id = 1; id <= kAirportCount; ++id) {
    const Airport& airport = world.AirportById(id);
    for (int number = 0; number < kGatesPerAirport; ++number) {
      EXPECT_EQ(airport.gates[static_cast<std::size_t>(number)].owner, kNoGateOwner);
      EXPECT_EQ(airport.gates[static_cast<std::size_t>(number)].number, number);
    }
    for (int destination = 1; destination <= kAirportCount; ++destination) {
      for (int refresh : airport.dailyRefresh[static_cast<std::size_t>(destination)]) EXPECT_EQ(refresh, 1);
    }
  }
}

}  // namespace
}  // namespace jetvale
