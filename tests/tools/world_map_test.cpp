// Checks the world map's projection fit and that the committed map puts every airport on land or its coast.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "airport_control_points.h"
#include "gfx/bmp_file.h"
#include "map_projection.h"
#include "world_map_palette.h"

namespace jetvale {
namespace {

TEST(CylindricalFitTest, RecoversTheProjectionThatPlacedThePoints) {
  for (const CylindricalFamily& family : kCylindricalFamilies) {
    const CylindricalFit truth{&family, 17.5, -190, 300};
    std::vector<MapControlPoint> points;
    // Longitudes on both sides of the map's seam, which this offset puts at 5.25 degrees west.
    for (const double longitude : {-170.0, -100.0, -20.0, -6.0, -4.0, 45.0, 120.0, 179.0}) {
      for (const double latitude : {-50.0, -10.0, 20.0, 40.0, 65.0}) {
        points.push_back({{longitude, latitude}, ProjectCylindrical(truth, {longitude, latitude})});
      }
    }
    const CylindricalFit fit = FitCylindrical(family, points);
    EXPECT_NEAR(WrappedDx(fit.xOffset, truth.xOffset), 0, 1e-9) << family.name;
    EXPECT_NEAR(fit.yScale, truth.yScale, 1e-6) << family.name;
    EXPECT_NEAR(fit.yOffset, truth.yOffset, 1e-6) << family.name;
    EXPECT_LT(MeasureCylindricalError(fit, points).max, 1e-6) << family.name;
  }
}

TEST(CylindricalFitTest, UnprojectUndoesProject) {
  for (const CylindricalFamily& family : kCylindricalFamilies) {
    const CylindricalFit fit{&family, 608, -200, 290};
    for (double longitude = -180; longitude < 180; longitude += 35) {
      for (double latitude = -80; latitude <= 80; latitude += 20) {
        const GeoPoint back = UnprojectCylindrical(fit, ProjectCylindrical(fit, {longitude, latitude}));
        EXPECT_NEAR(back.longitude, longitude, 1e-9) << family.name;
        EXPECT_NEAR(back.latitude, latitude, 1e-9) << family.name;
      }
    }
  }
}

TEST(MapWrapTest, MeasuresTheShortWayAcrossTheSeam) {
  EXPECT_DOUBLE_EQ(WrappedDx(0.5, 1199.5), 1);
  EXPECT_DOUBLE_EQ(WrappedDx(1199.5, 0.5), -1);
  EXPECT_DOUBLE_EQ(WrappedDistance({1208, 100}, {5, 104}), 5);
  EXPECT_DOUBLE_EQ(WrappedDistance({300, 100}, {900, 100}), 600);
}

class AirportProjectionTest : public ::testing::Test {
 protected:
  const std::vector<MapControlPoint> airports = AirportControlPoints();
  const WorldMapProjection projection = FitWorldMapProjection(airports, kWorldMapWarpRadius);
};

TEST_F(AirportProjectionTest, CylindricalFitLeavesTheWarpLittleToDo) {
  // The hand-placed pixels leave the best families some 15 px off at worst. A lone anchor's warp stretches at most
  // 2 * residual / radius, so residuals under a third of the radius keep it well short of folding the map;
  // a wrong family or formula lands far beyond (the equal-area fit is 27 px off).
  EXPECT_LT(MeasureCylindricalError(projection.base, airports).max, kWorldMapWarpRadius / 3);
}

TEST_F(AirportProjectionTest, WarpPinsEveryAirportToItsPixelCentre) {
  // The warp interpolates exactly, so all that may remain is rounding, far below a visible 0.01 px.
  const FitError error = MeasureWorldMapError(projection, airports);
  EXPECT_LT(error.max, 0.01) << kAirportTable[error.worst].code;
}

TEST_F(AirportProjectionTest, WarpNeverFoldsTheMap) { EXPECT_GT(SmallestAreaRatio(projection.warp, 1), 0); }

TEST_F(AirportProjectionTest, WarpLeavesTheMapAloneFarFromAirports) {
  int farPoints = 0;
  for (double y = 0.5; y < kWorldMapHeight; y += 16) {
    for (double x = 0.5; x < kWorldMapPeriod; x += 16) {
      bool far = true;
      for (const MapControlPoint& airport : airports) {
        far = far && WrappedDistance({x, y}, airport.map) >= kWorldMapWarpRadius;
      }
      if (!far) continue;
      ++farPoints;
      const MapPoint displacement = WarpDisplacement(projection.warp, {x, y});
      EXPECT_EQ(displacement.x, 0) << x << "," << y;
      EXPECT_EQ(displacement.y, 0) << x << "," << y;
    }
  }
  EXPECT_GT(farPoints, 1000);
}

TEST_F(AirportProjectionTest, MapPixelOfGeoUndoesGeoOfMapPixel) {
  for (double y = 10.5; y < kWorldMapHeight - 10; y += 7) {
    for (double x = 0.5; x < kWorldMapPeriod; x += 7) {
      const MapPoint back = MapPixelOfGeo(projection, GeoOfMapPixel(projection, {x, y}));
      EXPECT_LT(WrappedDistance(back, {x, y}), 1e-6) << x << "," << y;
    }
  }
}

TEST_F(AirportProjectionTest, ContinuesAcrossTheWrap) {
  // The game draws x and x + period alike. Honolulu's warp reaches x = 60, so must reach x = 1260 too.
  for (double y = 150.5; y < 450; y += 10) {
    for (const double x : {0.5, 10.5, 19.5, 60.5, 1150.5, 1199.5}) {
      const GeoPoint a = GeoOfMapPixel(projection, {x, y});
      const GeoPoint b = GeoOfMapPixel(projection, {x + kWorldMapPeriod, y});
      EXPECT_NEAR(a.longitude, b.longitude, 1e-9) << x << "," << y;
      EXPECT_NEAR(a.latitude, b.latitude, 1e-9) << x << "," << y;
    }
  }
}

class WorldMapAssetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ReadBmpFile(std::string(JETVALE_ASSET_DIR) + "/world_map.bmp", map, error)) << error;
    ASSERT_EQ(map.width, kWorldMapWidth);
    ASSERT_EQ(map.height, kWorldMapHeight);
  }
  Color At(int x, int y) const { return map.pixels[static_cast<std::size_t>(y) * map.width + x]; }

  BmpImage map;
};

TEST_F(WorldMapAssetTest, RepeatsItsFirstColumnsPastTheWrap) {
  for (int y = 0; y < kWorldMapHeight; ++y) {
    for (int x = kWorldMapPeriod; x < kWorldMapWidth; ++x) {
      ASSERT_EQ(At(x, y), At(x - kWorldMapPeriod, y)) << x << "," << y;
    }
  }
}

TEST_F(WorldMapAssetTest, IsPaintedInThePaletteWithARealShareOfLand) {
  int land = 0;
  for (const Color color : map.pixels) {
    ASSERT_TRUE(color == kMapOcean || color == kMapGraticule || IsLandOrCoast(color)) << std::hex << color;
    if (IsLandOrCoast(color)) ++land;
  }
  // About 30% of the Earth is land; the map leaves out Antarctica and stretches the northern continents.
  const double landShare = static_cast<double>(land) / static_cast<double>(map.pixels.size());
  EXPECT_GT(landShare, 0.2);
  EXPECT_LT(landShare, 0.45);
}

TEST_F(WorldMapAssetTest, EveryAirportSitsOnLandOrCoast) {
  // The airport's own pixel or one of its eight neighbours, the slack a coastal city needs at 30 km a pixel.
  for (const AirportInfo& airport : kAirportTable) {
    bool onLand = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) onLand = onLand || IsLandOrCoast(At(airport.mapX + dx, airport.mapY + dy));
    }
    EXPECT_TRUE(onLand) << airport.code;
  }
}

}  // namespace
}  // namespace jetvale
