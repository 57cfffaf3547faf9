// Distances between airports along the great circle, in miles.
#pragma once

#include "world/world.h"

namespace jetvale {

double GreatCircleMiles(const World& world, int fromAirport, int toAirport);

}  // namespace jetvale
