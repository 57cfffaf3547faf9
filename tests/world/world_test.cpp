// The world as built at start (the generator, the tables' published totals), and trade: what a reused slot
// keeps, and the balance at the ends of its range.
#include <gtest/gtest.h>

#include <map>
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

// Column by column, the published tables add up to these totals; a changed figure anywhere changes one.
TEST(Tables, EveryColumnAddsUpToThePublishedTotals) {
  double latitudes = 0, longitudes = 0;
  long long passengers = 0, mapX = 0, mapY = 0;
  std::string codes;
  for (int id = 1; id <= kAirportCount; ++id) {
    const AirportInfo& info = kAirportTable[static_cast<std::size_t>(id - 1)];
    EXPECT_EQ(info.id, id);
    latitudes += info.latitude, longitudes += info.longitude, passengers += info.annualPassengers;
    mapX += info.mapX, mapY += info.mapY, codes += info.code;
  }
  EXPECT_NEAR(latitudes, 1552.25, 1e-9);
  EXPECT_NEAR(longitudes, -1246.64, 1e-9);
  EXPECT_EQ(passengers, 1419816750);
  EXPECT_EQ(mapX * 100000 + mapY, 27474'09664);
  EXPECT_EQ(codes, "ATLBKKBCNPEKBOMBOSBSBCPTCCSCLTORDCVGCPHDFWDENDTWDUSFRAHKGHNLIAHCGKKULLASLHRLAXMADMELMEXMIAMSPSVOJFKMCOCDG"
                   "PHLPHXFCOSLCSANSFOSEASELSINSTLSYDTPEHNDYYZYVRIADZRH");
  double prices = 0;
  int columns[6] = {};
  for (int index = 0; index < kAircraftTypeCount; ++index) {
    const AircraftType& type = kAircraftTypes[static_cast<std::size_t>(index)];
    EXPECT_EQ(type.index, index);
    prices += type.price;
    columns[0] += type.pilots, columns[1] += type.attendants, columns[2] += type.passengers;
    columns[3] += type.speed, columns[4] += type.range, columns[5] += type.fuelCapacity;
  }
  EXPECT_EQ(prices, 1220200000.0);
  EXPECT_EQ(std::vector<int>(columns, columns + 6), (std::vector<int>{26, 98, 3360, 6302, 55327, 285126}));
  EXPECT_EQ(AircraftTypeAt(12).name, "ERJ145");
  EXPECT_EQ(AircraftTypeAt(13).name, "B 717-200");  // never a read outside the table
  EXPECT_NEAR(AircraftTypeAt(12).MilesPerFuelUnit(), 1.1978, 1e-4);  // 1320 / 1102
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

}  // namespace
}  // namespace jetvale
