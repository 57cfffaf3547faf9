// The airport and aircraft-type tables, every field of every row, against the published figures.
#include <gtest/gtest.h>

#include "world/aircraft_types.h"
#include "world/airport_table.h"

namespace jetvale {
namespace {

// clang-format off
const AirportInfo kPublishedAirports[kAirportCount] = {
    {1, "ATL", "Atlanta, US", 33.65, -84.42, 68205769, 328, 170},
    {2, "BKK", "Bangkok, TH", 13.73, 100.50, 25124843, 949, 247},
    {3, "BCN", "Barcelona, SP", 41.38, 2.18, 15065724, 618, 145},
    {4, "PEK", "Beijing, CH", 39.92, 116.43, 16907954, 1002, 153},
    {5, "BOM", "Bombay, IA", 18.93, 74.58, 11067588, 856, 231},
    {6, "BOS", "Boston, US", 42.37, -71.03, 25567888, 369, 142},
    {7, "BSB", "Brasilia, BR", -15.78, -47.92, 4374884, 450, 348},
    {8, "CPT", "Capetown, AF", -35.92, 18.37, 3998316, 674, 415},
    {9, "CCS", "Caracas, VE", 10.50, -66.93, 5750099, 383, 258},
    {10, "CLT", "Charlotte, US", 35.22, -80.93, 22798490, 338, 170},
    {11, "ORD", "Chicago, US", 41.98, -87.90, 70385073, 309, 144},
    {12, "CVG", "Cinncinati, US", 39.04, -84.66, 20366500, 323, 155},
    {13, "CPH", "Copenhagen, DN", 55.61, 12.65, 16837715, 642, 80},
    {14, "DFW", "Dallas, US", 32.90, -97.03, 60488713, 275, 177},
    {15, "DEN", "Denver, US", 39.75, -104.87, 34969021, 246, 152},
    {16, "DTW", "Detroit, US", 42.23, -83.33, 31541650, 326, 140},
    {17, "DUS", "Dusseldorf, DE", 51.28, 6.76, 15532056, 641, 95},
    {18, "FRA", "Frankfurt, DE", 50.02, 8.54, 40262691, 646, 100},
    {19, "HKG", "Hong Kong, HK", 22.25, 114.17, 29006565, 1002, 216},
    {20, "HNL", "Honolulu, US", 21.30, -157.85, 23880346, 74, 221},
    {21, "IAH", "Houston, US", 29.97, -95.35, 28705213, 281, 195},
    {22, "CGK", "Jakarta, IN", -6.13, 106.75, 13924217, 973, 317},
    {23, "KUL", "Kuala Lumpur, MA", 3.13, 101.70, 15819768, 955, 279},
    {24, "LAS", "Las Vegas, US", 36.08, -115.17, 30305822, 221, 168},
    {25, "LHR", "London, UK", 51.50, -0.17, 58142836, 608, 102},
    {26, "LAX", "Los Angeles, US", 33.93, -118.40, 60142588, 209, 179},
    {27, "MAD", "Madrid, SP", 40.40, -3.68, 23601727, 596, 148},
    {28, "MEL", "Melbourne, AU", -37.83, 145.00, 13875248, 1100, 431},
    {29, "MEX", "Mexico City, MX", 19.43, -99.07, 17833094, 274, 228},
    {30, "MIA", "Miami,\tUS", 25.82, -80.28, 34533268, 335, 203},
    {31, "MSP", "Minneapolis, US", 44.88, -93.22, 30208256, 290, 135},
    {32, "SVO", "Moscow, RU", 55.75, 37.70, 9384052, 739, 79},
    {33, "JFK", "New York, US", 40.65, -73.78, 31355268, 358, 150},
    {34, "MCO", "Orlando, US", 28.43, -81.32, 27305149, 332, 194},
    {35, "CDG", "Paris, FR", 48.83, 2.33, 35293378, 611, 113},
    {36, "PHL", "Philadelphia, US", 39.88, -75.25, 22444030, 353, 154},
    {37, "PHX", "Phoenix, US", 33.43, -112.02, 30659143, 230, 176},
    {38, "FCO", "Rome, IT", 41.48, 12.60, 25001038, 652, 146},
    {39, "SLC", "Salt Lake City, US", 40.78, -111.97, 21068314, 244, 135},
    {40, "SAN", "San Diego, US", 32.73, -117.17, 14349109, 214, 185},
    {41, "SFO", "San Francisco, US", 37.62, -122.38, 60488713, 189, 155},
    {42, "SEA", "Seattle, US", 47.45, -122.30, 24730113, 198, 118},
    {43, "SEL", "Seoul, KR", 37.50, 127.00, 36757716, 1040, 160},
    {44, "SIN", "Singapore, SI", 1.30, 103.83, 25174344, 962, 292},
    {45, "STL", "St Louis, US", 38.75, -90.37, 27661144, 307, 160},
    {46, "SYD", "Sydney, AU", -33.95, 151.18, 20621776, 1123, 413},
    {47, "TPE", "Taipei, TW", 25.08, 121.53, 15990293, 1020, 207},
    {48, "HND", "Tokyo, JP", 35.67, 139.75, 49302268, 1086, 160},
    {49, "YYZ", "Toronto, CA", 43.65, -79.38, 26094527, 342, 132},
    {50, "YVR", "Vancouver, CA", 49.27, -123.12, 15039592, 189, 107},
    {51, "IAD", "Washington, DC", 38.95, -77.46, 13604339, 349, 159},
    {52, "ZRH", "Zurich, SW", 47.46, 8.54, 18268522, 643, 125},
};

struct PublishedType { int index; const char* name; float price; int attendants, passengers, speed, range, fuel; };
const PublishedType kPublishedTypes[kAircraftTypeCount] = {
    {0, "B 717-200", 39500000.0f, 2, 106, 438, 1430, 2949},
    {1, "B 737-600", 44750000.0f, 4, 132, 460, 3050, 6875},
    {2, "B 747-400", 197500000.0f, 17, 524, 490, 7325, 57285},
    {3, "B 757-200", 76500000.0f, 6, 239, 515, 3927, 11276},
    {4, "B 767-200", 86500000.0f, 10, 255, 493, 6616, 23980},
    {5, "B 777-300", 190250000.0f, 16, 550, 541, 10370, 45220},
    {6, "Fokker 100", 30000000.0f, 4, 109, 456, 1323, 2814},
    {7, "Fokker 70", 20500000.0f, 2, 79, 496, 1085, 1603},
    {8, "A319", 43500000.0f, 3, 142, 487, 1831, 7069},
    {9, "A320", 47500000.0f, 6, 179, 454, 2650, 6303},
    {10, "A340-300", 177950000.0f, 9, 440, 475, 6400, 36750},
    {11, "A380", 251250000.0f, 18, 555, 547, 8000, 81900},
    {12, "ERJ145", 14500000.0f, 1, 50, 450, 1320, 1102},
};
// clang-format on

TEST(Tables, EveryAirportRowMatchesThePublishedTable) {
  for (int row = 0; row < kAirportCount; ++row) {
    const AirportInfo& game = kAirportTable[static_cast<std::size_t>(row)];
    const AirportInfo& published = kPublishedAirports[row];
    SCOPED_TRACE(published.code);
    EXPECT_EQ(game.id, published.id);
    EXPECT_EQ(game.code, published.code);
    EXPECT_EQ(game.name, published.name);
    EXPECT_EQ(game.latitude, published.latitude);
    EXPECT_EQ(game.longitude, published.longitude);
    EXPECT_EQ(game.annualPassengers, published.annualPassengers);
    EXPECT_EQ(game.mapX, published.mapX);
    EXPECT_EQ(game.mapY, published.mapY);
  }
}

TEST(Tables, EveryAircraftTypeRowMatchesThePublishedTable) {
  for (int row = 0; row < kAircraftTypeCount; ++row) {
    const AircraftType& game = kAircraftTypes[static_cast<std::size_t>(row)];
    const PublishedType& published = kPublishedTypes[row];
    SCOPED_TRACE(published.name);
    EXPECT_EQ(game.index, published.index);
    EXPECT_EQ(game.name, published.name);
    EXPECT_EQ(game.price, published.price);
    EXPECT_EQ(game.pilots, 2);
    EXPECT_EQ(game.attendants, published.attendants);
    EXPECT_EQ(game.passengers, published.passengers);
    EXPECT_EQ(game.speed, published.speed);
    EXPECT_EQ(game.range, published.range);
    EXPECT_EQ(game.fuelCapacity, published.fuel);
  }
}

}  // namespace
}  // namespace jetvale
