// Everything a game is made of: the random generator, the clock and the world, built in that order.
#pragma once

#include <cstdint>

#include "sim/game_clock.h"
#include "world/random.h"
#include "world/world.h"

namespace jetvale {

struct GameState {
  // The seed stands for the machine's tick count at start-up; a fixed seed replays a game exactly.
  explicit GameState(std::uint32_t seed) : random(seed), world(random) {}

  // A fresh clock at its start date, and the generator reseeded, as before every load.
  void ResetClock(std::uint32_t seed) {
    clock = GameClock{};
    random.Seed(seed);
  }

  Random random;
  GameClock clock;
  World world;
  bool rivalsPlay = true;  // false leaves airlines 1..3 idle, for runs that study the player's fleet alone
};

}  // namespace jetvale
