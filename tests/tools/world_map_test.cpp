// What a regenerated world map must keep: airports on land, the wrap's repeated columns, the palette; and the
// fitted projection's two ways between map pixels and the globe undo each other.
#include <gtest/gtest.h>

#include <string>

#include "airport_control_points.h"
#include "gfx/bmp_file.h"
#include "map_projection.h"
#include "world_map_palette.h"

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

TEST(WorldMapAsset, AirportsStandOnLandThePaletteHoldsAndTheColumnsPastTheWrapRepeatTheFirst) {
  BmpImage map;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(std::string(JETVALE_ASSET_DIR) + "/world_map.bmp", map, error)) << error;
  ASSERT_EQ(map.width, kWorldMapWidth);
  ASSERT_EQ(map.height, kWorldMapHeight);
  const auto at = [&map](int x, int y) { return map.pixels[static_cast<std::size_t>(y) * map.width + x]; };
  for (const AirportInfo& airport : kAirportTable) {
    EXPECT_TRUE(IsLandOrCoast(at(airport.mapX, airport.mapY))) << airport.code;
  }
  for (int y = 0; y < kWorldMapHeight; ++y) {
    for (int x = kWorldMapPeriod; x < kWorldMapWidth; ++x) ASSERT_EQ(at(x, y), at(x - kWorldMapPeriod, y)) << x << "," << y;
  }
  std::size_t land = 0;
  for (const Color color : map.pixels) {
    ASSERT_TRUE(color == kMapOcean || color == kMapGraticule || IsLandOrCoast(color)) << std::hex << color;
    land += IsLandOrCoast(color) ? 1 : 0;
  }
  // About 30% of the Earth is land; the map leaves out Antarctica and stretches the northern continents.
  EXPECT_GT(land, map.pixels.size() / 5);
  EXPECT_LT(land, map.pixels.size() * 45 / 100);
}

}  // namespace
}  // namespace jetvale
