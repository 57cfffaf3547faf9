// The 13 aircraft types that can be bought, as constants.
#pragma once

#include <array>
#include <string_view>

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
  double MilesPerFuelUnit() const { return static_cast<double>(range) / fuelCapacity; }
};

constexpr int kAircraftTypeCount = 13;
constexpr int kPilotsPerPlane = 2;

extern const std::array<AircraftType, kAircraftTypeCount> kAircraftTypes;

}  // namespace jetvale
