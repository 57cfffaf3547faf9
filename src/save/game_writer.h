// The saved game's text: every changing record of the world and the clock as key and value lines.
#pragma once

#include <string>

#include "sim/game_clock.h"
#include "world/world.h"

namespace jetvale {

// Airports, clock, then each airline with its loans, ledgers, planes and legs. Only the plane and loan slots in
// use are listed, each under its own slot number, so a sale below the highest slot loses nothing.
std::string WriteSavedGame(const World& world, const GameClock& clock);

}  // namespace jetvale
