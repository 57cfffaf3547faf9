// Finding an airline's identity, and handing out the four at the start of a game.
#include "world/identities.h"

#include "world/at_index.h"

namespace jetvale {

int IdentityIndex(int code) {
  for (std::size_t i = 0; i < kAirlineIdentities.size(); ++i) {
    if (kAirlineIdentities[i].code == code) return static_cast<int>(i);
  }
  return -1;
}

void AssignIdentities(World& world, int playerIdentity) {
  for (int k = 1; k < kAirlineCount; ++k) {
    const int own = kWesternAirlines + k;
    At(world.airlines, k).identity = own == playerIdentity ? kWesternAirlines : own;
  }
  world.airlines[0].identity = playerIdentity;
}

}  // namespace jetvale
