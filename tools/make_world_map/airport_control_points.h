// The airports as control points for the map projection: true position and the centre of the hand-placed pixel.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "map_projection.h"
#include "world/airport_table.h"

namespace jetvale {

struct AirportPositionFix {
  std::string_view code;
  GeoPoint geo;
};

// Positions in the airport table that lie out at sea, and where the city really is. Fitting the map to a point
// at sea would pin open water to the airport's dot. Cape Town's latitude in the table is two degrees too far
// south, 170 km off the Cape; its hand-placed pixel matches the real city.
inline constexpr std::array<AirportPositionFix, 1> kAirportPositionFixes = {{
    {"CPT", {18.37, -33.92}},
}};

inline std::vector<MapControlPoint> AirportControlPoints() {
  std::vector<MapControlPoint> points;
  for (const AirportInfo& airport : kAirportTable) {
    GeoPoint geo{airport.longitude, airport.latitude};
    for (const AirportPositionFix& fix : kAirportPositionFixes) {
      if (fix.code == airport.code) geo = fix.geo;
    }
    points.push_back({geo, {airport.mapX + 0.5, airport.mapY + 0.5}});
  }
  return points;
}

}  // namespace jetvale
