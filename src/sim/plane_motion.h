// Planes crossing the map: each airborne leg moves its plane along the straight map line, a step every frame.
#pragma once

#include <array>

#include "world/world.h"

namespace jetvale {

constexpr int kAnimatedPlaneSlots = 20;  // planes in higher slots fly their legs but never cross the map

// The eight headings, in the order of the sprite sheet's columns.
enum class Heading { East, NorthEast, North, NorthWest, West, SouthWest, South, SouthEast };

// The heading of a trip that travels (dx, dy) on the map, y growing downwards.
Heading HeadingOf(double dx, double dy);

// The target x of a trip from map x `fromX` to `toX`: over the map's left or right edge when that way is shorter.
double WayTargetX(double fromX, double toX);

// A plane on its way this frame: its map position, its heading and whose it is.
struct SkyPlane {
  double x = 0;
  double y = 0;
  Heading heading = Heading::East;
  int identity = 0;
};

// The planes on their way this frame, in the order they are drawn; later ones cover earlier ones.
struct Sky {
  std::array<SkyPlane, kAirlineCount * kAnimatedPlaneSlots * kLegSlots> planes{};
  int count = 0;
};

// One frame of the planes in slots 0..19 of every airline: a leg that opens boarding puts its plane at the
// origin, an airborne leg moves it a step; a trip lasts (arrival - departure) x 3 x `gameSpeed` frames. `sky`
// is refilled with the planes whose trip is under way.
void AdvancePlanes(World& world, int gameSpeed, Sky& sky);

}  // namespace jetvale
