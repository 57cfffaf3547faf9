// Which named airline each airline index plays: the player chooses one, the program-run airlines take the rest.
#pragma once

#include <array>
#include <string_view>

#include "world/world.h"

namespace jetvale {

struct AirlineIdentity {
  int code;
  std::string_view name;
};

constexpr std::array<AirlineIdentity, kAirlineCount> kAirlineIdentities = {{
    {kWesternAirlines, "Western Airlines"},
    {kSoutheastAir, "Southeast Air"},
    {kOceanAirways, "Ocean Airways"},
    {kAtlanticAir, "Atlantic Air"},
}};

// The player (airline 0) takes `playerIdentity`; airline k takes 1000 + k, except the one whose identity the
// player took, which becomes "Western Airlines".
void AssignIdentities(World& world, int playerIdentity);

}  // namespace jetvale
