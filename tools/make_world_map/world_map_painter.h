// Paints the world map bitmap from a land raster through the fitted, warped projection.
#pragma once

#include <span>
#include <vector>

#include "gfx/bmp_file.h"
#include "land_grid.h"
#include "map_projection.h"

namespace make_world_map {

struct WorldMapPicture {
  jetvale::BmpImage image;
  // Per airport, how far (in pixels) its pixel lay from the drawn land before a small patch of land was put under
  // it; 0 for airports that were on land already.
  std::vector<double> landPatchReach;
};

// Water, land with a one-pixel coast, and a faint 30-degree graticule on the water, drawn straight from the
// cylindrical projection. Every airport pixel is land. The columns past kWorldMapPeriod repeat the first ones, so
// the map runs on seamlessly where the game wraps it.
WorldMapPicture PaintWorldMap(const jetvale::WorldMapProjection& projection, const LandGrid& land,
                              std::span<const jetvale::MapControlPoint> airports);

}  // namespace make_world_map
