// Everything a game is made of: the random generator, the clock and the world, built in that order.
#pragma once

#include <cstdint>

#include "sim/due_legs.h"
#include "sim/game_clock.h"
#include "world/random.h"
#include "world/world.h"

namespace jetvale {

struct GameState {
  // The seed stands for the machine's tick count at start-up; a fixed seed replays a game exactly.
  explicit GameState(std::uint32_t startSeed) : seed(startSeed), random(startSeed), world(random) {}

  // A fresh world from a new seed, clock stopped, as at start-up: the seed draws the registrations and plans.
  void Restart(std::uint32_t newSeed) {
    seed = newSeed;
    random.Seed(seed);
    clock = GameClock{};
    world = World(random);
  }

  std::uint32_t seed;
  Random random;
  GameClock clock;
  World world;
  DueLegs dueLegs;  // rebuilt from the world whenever world.schedulesChanged is set
  bool rivalsPlay = true;  // false leaves airlines 1..3 idle, for runs that study the player's fleet alone
};

}  // namespace jetvale
