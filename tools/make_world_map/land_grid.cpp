// Fills land by walking each column of cells south from the north pole, which is sea, and flipping between
// land and water wherever a shoreline crosses. Going north to south needs no closing edge along the south pole
// for Antarctica, whose shoreline runs all the way round the globe.
#include "land_grid.h"

#include <algorithm>
#include <cmath>

namespace make_world_map {

LandGrid FillLand(const std::vector<CoastPiece>& pieces, int cellsPerDegree) {
  LandGrid grid;
  grid.cellsPerDegree = cellsPerDegree;
  grid.columns = 360 * cellsPerDegree;
  grid.rows = 180 * cellsPerDegree;
  // flips[row][column] marks a shoreline crossing between the centres of that cell and the one above it.
  std::vector<std::uint8_t> flips(static_cast<std::size_t>(grid.columns) * grid.rows, 0);
  const double cell = 1.0 / cellsPerDegree;
  for (const CoastPiece& piece : pieces) {
    for (std::size_t i = 1; i < piece.size(); ++i) {
      const jetvale::GeoPoint a = piece[i - 1];
      const jetvale::GeoPoint b = piece[i];
      // Column centres c with a.longitude <= c < b.longitude or the other way round: each crossing counted once
      // even where two edges meet exactly on a centre.
      const double westmost = std::min(a.longitude, b.longitude);
      const double eastmost = std::max(a.longitude, b.longitude);
      const int first = static_cast<int>(std::ceil(westmost / cell - 0.5));
      for (int column = first; (column + 0.5) * cell < eastmost; ++column) {
        if (column < 0 || column >= grid.columns) continue;
        const double t = ((column + 0.5) * cell - a.longitude) / (b.longitude - a.longitude);
        const double latitude = a.latitude + t * (b.latitude - a.latitude);
        const int row = std::max(0, static_cast<int>(std::ceil((90 - latitude) / cell - 0.5)));
        if (row < grid.rows) flips[static_cast<std::size_t>(row) * grid.columns + column] ^= 1;
      }
    }
  }
  grid.land.assign(flips.size(), 0);
  for (int column = 0; column < grid.columns; ++column) {
    std::uint8_t land = 0;
    for (int row = 0; row < grid.rows; ++row) {
      const std::size_t index = static_cast<std::size_t>(row) * grid.columns + column;
      land ^= flips[index];
      grid.land[index] = land;
    }
  }
  return grid;
}

bool IsLand(const LandGrid& grid, jetvale::GeoPoint geo) {
  const double eastward = geo.longitude - 360 * std::floor(geo.longitude / 360);
  const int column = std::min(static_cast<int>(eastward * grid.cellsPerDegree), grid.columns - 1);
  const int row = std::clamp(static_cast<int>((90 - geo.latitude) * grid.cellsPerDegree), 0, grid.rows - 1);
  return grid.land[static_cast<std::size_t>(row) * grid.columns + column] != 0;
}

}  // namespace make_world_map
