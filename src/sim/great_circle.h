// Distances between airports along the great circle, in miles.
#pragma once

#include "world/world.h"

namespace jetvale {

// Miles between two airports; 0 when either id lies outside 1..52.
double GreatCircleMiles(const World& world, int fromAirport, int toAirport);

}  // namespace jetvale
