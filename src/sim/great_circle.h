// Distances between airports along the great circle, in miles.
#pragma once

#include "world/world.h"

namespace jetvale {

// Miles between two airports; 0 when either id lies outside 1..52.
double GreatCircleMiles(const World& world, int fromAirport, int toAirport);

// A leg's miles: the great-circle miles in whole miles, the fraction dropped.
int LegMiles(const World& world, int fromAirport, int toAirport);

}  // namespace jetvale
