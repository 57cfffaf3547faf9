// The spherical law of cosines on an earth of 3437.7467708831973 miles per radian.
#include "sim/great_circle.h"

#include <algorithm>
#include <cmath>

#include "world/money.h"

namespace jetvale {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519444445;
constexpr double kMilesPerRadian = 3437.7467708831973;

}  // namespace

double GreatCircleMiles(const World& world, int fromAirport, int toAirport) {
  if (!IsValidAirportId(fromAirport) || !IsValidAirportId(toAirport)) return 0;
  const AirportInfo& a = *world.AirportById(fromAirport).info;
  const AirportInfo& b = *world.AirportById(toAirport).info;
  const double latA = a.latitude * kRadiansPerDegree;
  const double latB = b.latitude * kRadiansPerDegree;
  const double cosine = std::sin(latA) * std::sin(latB) +
                        std::cos(latA) * std::cos(latB) * std::cos(a.longitude * kRadiansPerDegree -
                                                                     b.longitude * kRadiansPerDegree);
  // Rounding can push the cosine of a zero distance a hair above 1, where acos has no value.
  return std::acos(std::clamp(cosine, -1.0, 1.0)) * kMilesPerRadian;
}

int LegMiles(const World& world, int fromAirport, int toAirport) {
  return TruncateToInt(GreatCircleMiles(world, fromAirport, toAirport));
}

}  // namespace jetvale
