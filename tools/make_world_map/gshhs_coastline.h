// Reads a binned GSHHG coastline file, as GMT ships it (netCDF), into polylines of longitude/latitude points.
#pragma once

#include <string>
#include <vector>

#include "map_projection.h"

namespace make_world_map {

// One piece of a shoreline, cut at the edges of its bin. Longitudes run 0..360. All pieces together form the
// closed shorelines of land, lakes, islands in lakes and ponds on those, so an even-odd fill of them gives land.
using CoastPiece = std::vector<jetvale::GeoPoint>;

// Keeps Antarctica's ice front and skips its grounding line. Throws std::runtime_error if the file is unreadable.
std::vector<CoastPiece> ReadBinnedCoastline(const std::string& path);

}  // namespace make_world_map
