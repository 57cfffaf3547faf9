// The 52 airports of the world, as constants: codes, names, positions, yearly traffic and map pixels.
#pragma once

#include <array>
#include <string_view>

namespace jetvale {

struct AirportInfo {
  int id;
  std::string_view code;
  std::string_view name;
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
  int annualPassengers;
  int mapX;  // pixel on the 1220 x 514 world map
  int mapY;
};

constexpr int kAirportCount = 52;  // ids 1..52; there is no airport 0

// Row i holds airport id i + 1; ids are alphabetical by city.
extern const std::array<AirportInfo, kAirportCount> kAirportTable;

constexpr bool IsValidAirportId(int id) { return id >= 1 && id <= kAirportCount; }

}  // namespace jetvale
