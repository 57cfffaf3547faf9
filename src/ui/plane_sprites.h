// Flying planes on the map: each airborne leg moves its plane's sprite along the straight map line every frame.
#pragma once

#include "gfx/gapi_surface.h"
#include "ui/map_view.h"
#include "world/world.h"

namespace jetvale {

// Sprite sheet headings, in the order of the sheet's columns.
enum class Heading { East, NorthEast, North, NorthWest, West, SouthWest, South, SouthEast };

// The heading of a trip that travels (dx, dy) on the map, y growing downwards.
Heading HeadingOf(double dx, double dy);

// The target x of a trip from map x `fromX` to `toX`: over the map's left or right edge when that way is shorter.
double WayTargetX(double fromX, double toX);

// Moves and draws the planes of slots 0..19 of every airline; later sprites cover earlier ones. A trip lasts
// (arrival - departure) x 3 x `gameSpeed` frames.
void MoveAndDrawPlanes(CGapiSurface& screen, const CGapiSurface& sprites, World& world, const MapView& view,
                       int gameSpeed);

}  // namespace jetvale
