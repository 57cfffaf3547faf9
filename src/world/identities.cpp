// Handing out the four airline identities at the start of a game.
#include "world/identities.h"

namespace jetvale {

void AssignIdentities(World& world, int playerIdentity) {
  for (int k = 1; k < kAirlineCount; ++k) {
    const int own = kWesternAirlines + k;
    world.airlines[static_cast<std::size_t>(k)].identity = own == playerIdentity ? kWesternAirlines : own;
  }
  world.airlines[0].identity = playerIdentity;
}

}  // namespace jetvale
