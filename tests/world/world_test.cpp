// The world as built at start: airports, aircraft types, registrations and the airlines' empty slots.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

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

TEST(Airports, TableRowsAndTheFiguresDerivedFromThem) {
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

  const Airport& atlanta = world.AirportById(1);
  EXPECT_EQ(atlanta.info->code, "ATL");
  EXPECT_EQ(atlanta.dailyPassengers, 191589);  // 68205769 / 356
  EXPECT_EQ(atlanta.trafficWeight, 0.048038431);
  EXPECT_EQ(world.AirportById(8).dailyPassengers, 11231);  // Capetown: 3998316 / 356
  EXPECT_EQ(world.AirportById(30).info->name, "Miami,\tUS");
  EXPECT_EQ(world.AirportById(52).info->code, "ZRH");
  EXPECT_EQ(world.AirportById(52).info->mapX, 643);
  // San Francisco and Dallas carry the same traffic.
  EXPECT_EQ(world.AirportById(41).dailyPassengers, world.AirportById(14).dailyPassengers);
  EXPECT_EQ(world.AirportById(41).trafficWeight, world.AirportById(14).trafficWeight);
}

TEST(AircraftTypes, TableRowsAndFuelEconomy) {
  EXPECT_EQ(kAircraftTypes[0].name, "B 717-200");
  EXPECT_EQ(kAircraftTypes[0].speed, 438);
  EXPECT_EQ(kAircraftTypes[11].price, 251250000.0f);
  EXPECT_EQ(kAircraftTypes[7].range, 1085);
  int best = 0;
  int worst = 0;
  for (const AircraftType& type : kAircraftTypes) {
    EXPECT_EQ(type.pilots, 2);
    if (type.MilesPerFuelUnit() > kAircraftTypes[static_cast<std::size_t>(best)].MilesPerFuelUnit()) best = type.index;
    if (type.MilesPerFuelUnit() < kAircraftTypes[static_cast<std::size_t>(worst)].MilesPerFuelUnit()) worst = type.index;
  }
  EXPECT_EQ(kAircraftTypes[static_cast<std::size_t>(best)].name, "ERJ145");
  EXPECT_EQ(kAircraftTypes[static_cast<std::size_t>(worst)].name, "A380");
  EXPECT_NEAR(kAircraftTypes[12].MilesPerFuelUnit(), 1.1978, 1e-4);
}

TEST(Registrations, EveryPlaneSlotTakesALetterFiveDigitsAndALetterInPoolOrder) {
  Random random(99);
  const World world(random);
  std::set<std::string> distinct;
  int slot = 0;
  for (const Airline& airline : world.airlines) {
    for (const Plane& plane : airline.planes) {
      ASSERT_EQ(plane.tag.size(), 7u);
      EXPECT_NE(std::string("ANBCDEFGHI").find(plane.tag[0]), std::string::npos);
      for (int i = 1; i <= 5; ++i) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(plane.tag[i])));
      EXPECT_NE(std::string("KRXSTYZQJV").find(plane.tag[6]), std::string::npos);
      EXPECT_EQ(plane.tag, world.registrations[slot++].Text());
      distinct.insert(plane.tag);
    }
  }
  EXPECT_GT(distinct.size(), 390u);
  for (int i = 396; i < kRegistrationCount; ++i) EXPECT_FALSE(world.registrations[i].used);

  Random again(99);
  EXPECT_EQ(World(again).airlines[3].planes[98].tag, world.airlines[3].planes[98].tag);
}

TEST(World, AFreshWorldHasRichEmptyAirlinesAndUnownedGates) {
  Random random(3);
  const World world(random);
  for (int index = 0; index < kAirlineCount; ++index) {
    const Airline& airline = world.airlines[static_cast<std::size_t>(index)];
    EXPECT_EQ(airline.index, index);
    EXPECT_EQ(airline.balance, 500000000);
    EXPECT_EQ(airline.planeCount, 0);
    EXPECT_EQ(airline.loanCount, 0);
    EXPECT_EQ(airline.planes[5].seats.economyPercent, 85);
    EXPECT_EQ(airline.planes[5].originX, 45);
  }
  EXPECT_EQ(world.airlines[0].strategy.personality, 0);  // the player draws no strategy
  for (int entry : world.decisions[2]) EXPECT_TRUE(entry == 7 || entry == 10 || entry == 11 || entry == 13);
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
