// The economy of a trip: passengers boarding, what they pay, what the trip costs, and market shares.
#pragma once

#include "world/world.h"

namespace jetvale {

enum FareClass : int { kFirstClass = 0, kBusinessClass = 1, kEconomyClass = 2 };

// Fills the leg's passengers from the day's waiting passengers on its route.
void BoardPassengers(World& world, int airline, int planeSlot, int leg);
// Books one completed trip into the leg, the plane, the airline's ledgers and its balance.
void SettleArrival(World& world, int airline, int planeSlot, int leg);
// Recomputes the airport's four market shares from its yearly traffic statistics.
void MarketShareUpdate(Airport& airport);
// The starting fare of a class for a leg of `miles`.
double DefaultFare(int miles, FareClass fareClass);

}  // namespace jetvale
