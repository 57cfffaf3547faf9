// The whole simulated world, built once: airports with gates, registrations, four airlines with all their slots.
#pragma once

#include <array>

#include "world/airline_strategy.h"
#include "world/random.h"
#include "world/records.h"
#include "world/registrations.h"

namespace jetvale {

struct World {
  // Builds the airports, the registration pool and the airlines in that order, drawing from `random`.
  explicit World(Random& random);

  Airport& AirportById(int id) { return airports[static_cast<std::size_t>(id)]; }
  const Airport& AirportById(int id) const { return airports[static_cast<std::size_t>(id)]; }
  Airline& Player() { return airlines[0]; }

  std::array<Airport, kAirportCount + 1> airports;  // indexed by id; slot 0 stays empty
  RegistrationPool registrations;
  std::array<Airline, kAirlineCount> airlines;
  std::array<DecisionSequence, kAirlineCount> decisions{};  // rows of the program-run airlines
};

}  // namespace jetvale
