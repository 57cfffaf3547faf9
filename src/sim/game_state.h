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

  Random random;
  GameClock clock;
  World world;
};

}  // namespace jetvale
