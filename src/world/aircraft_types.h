// The 13 aircraft types that can be bought, as constants.
#pragma once

#include <array>
#include <string_view>

#include "world/at_index.h"

namespace jetvale {

struct AircraftType {
  int index;
  std::string_view name;
  float price;  // single precision, as the purchase arithmetic uses it
  int pilots;
  int attendants;
  int passengers;  // seats of an all-economy cabin
  int speed;       // miles per hour
  int range;       // miles; the longest leg the type may fly
  int fuelCapacity;
  // Worked out with the table, so a trip's fuel takes one division instead of two in a row.
  double milesPerFuelUnit = static_cast<double>(range) / fuelCapacity;
};

constexpr int kAircraftTypeCount = 13;
constexpr int kPilotsPerPlane = 2;

extern const std::array<AircraftType, kAircraftTypeCount> kAircraftTypes;

constexpr bool IsValidAircraftType(int index) { return index >= 0 && index < kAircraftTypeCount; }
// The type of a plane. An index outside 0..12 reads as type 0 instead of outside the table; whoever takes an
// index from outside the game (a saved game, a command line) refuses it first with IsValidAircraftType.
inline const AircraftType& AircraftTypeAt(int index) {
  return At(kAircraftTypes, IsValidAircraftType(index) ? index : 0);
}

}  // namespace jetvale
