// The whole simulated world, built once: airports and their gates, registrations, four airlines with all their
// slots.
#pragma once

#include <array>

#include "world/airline_strategy.h"
#include "world/at_index.h"
#include "world/month_history.h"
#include "world/random.h"
#include "world/records.h"
#include "world/registrations.h"

namespace jetvale {

struct World {
  // Builds the airports, the registration pool and the airlines in that order, drawing from `random`.
  explicit World(Random& random);

  // An id outside 1..52 reads the empty slot 0 (no constants, info null) instead of outside the table.
  Airport& AirportById(int id) { return At(airports, IsValidAirportId(id) ? id : 0); }
  const Airport& AirportById(int id) const { return At(airports, IsValidAirportId(id) ? id : 0); }
  // The airport's gates, by the same ids.
  AirportGates& GatesAt(int id) { return At(gates, IsValidAirportId(id) ? id : 0); }
  const AirportGates& GatesAt(int id) const { return At(gates, IsValidAirportId(id) ? id : 0); }
  Airline& Player() { return airlines[0]; }

  std::array<Airport, kAirportCount + 1> airports;  // indexed by id; slot 0 stays empty
  std::array<AirportGates, kAirportCount + 1> gates;
  RegistrationPool registrations;
  std::array<Airline, kAirlineCount> airlines;
  std::array<DecisionSequence, kAirlineCount> decisions{};  // rows of the program-run airlines
  MonthHistory history;  // every month end's figures, for the history chart
  // Set when a leg's times change outside the flight cycle (scheduling) and by building a world; the flight
  // cycle then re-reads every plane before its next pass.
  bool schedulesChanged = true;
};

}  // namespace jetvale
