// The benchmarks' game: four airlines flying 20 planes each on 2- and 3-leg trips.
#pragma once

#include <string>

#include "cli/scripted_fleet.h"
#include "sim/great_circle.h"
#include "world/aircraft_types.h"
#include "world/identities.h"

namespace jetvale {

constexpr int kPlanesPerAirline = 20;
constexpr int kB757 = 3;                           // range 3927 miles: most pairs of a continent

// The next airport after `from`, in id order, that a B 757-200 reaches from `origin`.
inline int NextInRange(const World& world, int origin, int from) {
  for (int step = 1; step < kAirportCount; ++step) {
    const int id = (from + step - 1) % kAirportCount + 1;
    if (id != origin && GreatCircleMiles(world, origin, id) <= kAircraftTypes[kB757].range) return id;
  }
  return origin;
}

// Every airline gets its own spread of round trips, two legs for even planes and three for odd ones.
inline GameState BusyGame() {
  GameState game(1);
  AssignIdentities(game.world, kWesternAirlines);
  game.clock.Start();
  for (int airline = 0; airline < kAirlineCount; ++airline) {
    for (int plane = 0; plane < kPlanesPerAirline; ++plane) {
      ScriptedPlanes planes;
      planes.type = kB757;
      const int origin = (plane * 7 + airline * 13) % kAirportCount + 1;
      const int second = NextInRange(game.world, origin, origin + plane % 5);
      planes.stops = {{origin, 24 + plane}, {second, 56 + airline}};
      if (plane % 2 == 1) planes.stops.push_back({NextInRange(game.world, second, second + 3), 80});
      std::string error;
      if (AddScriptedPlanes(game, airline, planes, kPlanesPerAirline, error)) continue;
      planes.stops.pop_back();  // the third stop was out of range of the first: fly there and back
      AddScriptedPlanes(game, airline, planes, kPlanesPerAirline, error);
    }
  }
  return game;
}

}  // namespace jetvale
