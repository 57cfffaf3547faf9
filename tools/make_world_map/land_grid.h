// A fine longitude/latitude raster of land and water, filled from shoreline pieces.
#pragma once

#include <cstdint>
#include <vector>

#include "gshhs_coastline.h"
#include "map_projection.h"

namespace make_world_map {

// Cell (column, row) spans longitudes [column, column + 1) / cellsPerDegree from 0 east and latitudes
// downwards from the north pole likewise.
struct LandGrid {
  int cellsPerDegree = 0;
  int columns = 0;
  int rows = 0;
  std::vector<std::uint8_t> land;  // row by row, 1 for land
};

LandGrid FillLand(const std::vector<CoastPiece>& pieces, int cellsPerDegree);
bool IsLand(const LandGrid& grid, jetvale::GeoPoint geo);

}  // namespace make_world_map
