// Which named airline each airline index plays: the player chooses one, the program-run airlines take the rest.
#pragma once

#include <array>
#include <string_view>

#include "gfx/color.h"
#include "world/world.h"

namespace jetvale {

// How each airline is shown: its name, its colours in the New Game Menu, the overview's share rows and the
// statement, and the top of its row in the sprite sheet. The table's order is the order of the New Game Menu's
// choices and of the overview's share rows.
struct AirlineIdentity {
  int code;
  std::string_view name;
  std::string_view shortName;  // where a column is narrow: the chart's legend, the saved games' list
  Color menuColor;
  Color shareColor;
  Color statementColor;
  int spriteRowTop;
};

constexpr std::array<AirlineIdentity, kAirlineCount> kAirlineIdentities = {{
    {kWesternAirlines, "Western Airlines", "Western", kBlue, kBlue, kBlue, 34},
    {kSoutheastAir, "Southeast Air", "Southeast", kYellow, kYellow, kYellow, 51},
    {kOceanAirways, "Ocean Airways", "Ocean", kRed, kRed, kRed, 17},
    {kAtlanticAir, "Atlantic Air", "Atlantic", kLightOrange, kPaleOrange, kOrange, 0},
}};

// The place of `code` in the table above; -1 for an airline without an identity.
int IdentityIndex(int code);

// The player (airline 0) takes `playerIdentity`; airline k takes 1000 + k, except the one whose identity the
// player took, which becomes "Western Airlines".
void AssignIdentities(World& world, int playerIdentity);

}  // namespace jetvale
