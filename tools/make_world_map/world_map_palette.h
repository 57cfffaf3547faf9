// The world map's colours, shared by the tool that paints it and the test that checks where airports fall.
#pragma once

#include "gfx/color.h"

namespace jetvale {

// Calm and dark so the game's white text and yellow airport dots stand out.
constexpr Color kMapOcean = MakeColor(20, 40, 90);
constexpr Color kMapGraticule = MakeColor(30, 54, 108);  // every 30 degrees, over water only
constexpr Color kMapLand = MakeColor(76, 108, 62);
constexpr Color kMapCoast = MakeColor(122, 150, 98);  // the outermost land pixels

constexpr bool IsLandOrCoast(Color color) { return color == kMapLand || color == kMapCoast; }

}  // namespace jetvale
