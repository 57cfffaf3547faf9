// The planes on their way, drawn on the map from the sprite sheet: one row an airline, one column a heading.
#pragma once

#include "gfx/gapi_surface.h"
#include "sim/plane_motion.h"
#include "ui/map_view.h"

namespace jetvale {

// Draws the planes of `sky` that lie wholly inside the viewport, in their order.
void DrawPlanes(CGapiSurface& screen, const CGapiSurface& sprites, const Sky& sky, const MapView& view);

}  // namespace jetvale
