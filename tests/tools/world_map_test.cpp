// The world map's fitted projection: its two ways between map pixels and the globe undo each other.
#include <gtest/gtest.h>

#include "airport_control_points.h"
#include "map_projection.h"

namespace jetvale {
namespace {

TEST(WorldMapProjection, MapPixelOfGeoUndoesGeoOfMapPixel) {
  const WorldMapProjection projection =
      FitWorldMapProjection(AirportControlPoints(), kWorldMapWarpRadius, kWorldMapWarpSmoothing);
  for (double y = 10.5; y < kWorldMapHeight - 10; y += 7) {
    for (double x = 0.5; x < kWorldMapPeriod; x += 7) {
      const MapPoint back = MapPixelOfGeo(projection, GeoOfMapPixel(projection, {x, y}));
      EXPECT_LT(WrappedDistance(back, {x, y}), 1e-6) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace jetvale
