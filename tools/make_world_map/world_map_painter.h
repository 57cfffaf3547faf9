// Paints the world map bitmap from a land raster through the fitted, warped projection.
#pragma once

#include "gfx/bmp_file.h"
#include "land_grid.h"
#include "map_projection.h"

namespace make_world_map {

// Water, land with a one-pixel coast, and a faint 30-degree graticule on the water. The columns past
// kWorldMapPeriod repeat the first ones, so the map runs on seamlessly where the game wraps it.
jetvale::BmpImage PaintWorldMap(const jetvale::WorldMapProjection& projection, const LandGrid& land);

}  // namespace make_world_map
