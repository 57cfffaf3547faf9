// Renders the game's world map from GSHHG coastlines, in a projection fitted to the airports' map pixels.
//
// Regenerate from the repo root, with the tools built in build/test/ and Debian's gmt-gshhg-low installed:
//   build/test/tools/make_world_map/make_world_map /usr/share/gmt-gshhg/binned_GSHHS_i.nc assets/world_map.bmp
//
// Prints each cylindrical family's fit, the one chosen, the largest airport error before and after the warp, how
// much the warp stretches the land, and the airports that needed a patch of land under their pixel.
#include <cstdio>
#include <exception>
#include <string>

#include "airport_control_points.h"
#include "gfx/bmp_file.h"
#include "gshhs_coastline.h"
#include "land_grid.h"
#include "map_projection.h"
#include "world_map_painter.h"

namespace make_world_map {
namespace {

constexpr int kLandCellsPerDegree = 20;  // a sixth of a map pixel, fine enough for 3 x 3 samples per pixel

void PrintFit(const char* label, const jetvale::CylindricalFit& fit, const jetvale::FitError& error) {
  std::printf("%-20s x = %7.2f + %.4f * lon   y = %7.2f + %8.2f * northing   RMS %5.2f px   max %5.2f px (%s)\n",
              label, fit.xOffset, jetvale::kWorldMapPeriod / 360.0, fit.yOffset, fit.yScale, error.rms, error.max,
              std::string(jetvale::kAirportTable[error.worst].code).c_str());
}

int Run(const std::string& coastlinePath, const std::string& outputPath) {
  const std::vector<jetvale::MapControlPoint> airports = jetvale::AirportControlPoints();
  for (const jetvale::CylindricalFamily& family : jetvale::kCylindricalFamilies) {
    const jetvale::CylindricalFit fit = jetvale::FitCylindrical(family, airports);
    PrintFit(std::string(family.name).c_str(), fit, jetvale::MeasureCylindricalError(fit, airports));
  }
  const jetvale::WorldMapProjection projection =
      jetvale::FitWorldMapProjection(airports, jetvale::kWorldMapWarpRadius, jetvale::kWorldMapWarpSmoothing);
  const jetvale::FitError before = jetvale::MeasureCylindricalError(projection.base, airports);
  const jetvale::FitError after = jetvale::MeasureWorldMapError(projection, airports);
  const double areaRatio = jetvale::SmallestAreaRatio(projection.warp, 0.5);
  std::printf("chosen: %s\n", std::string(projection.base.family->name).c_str());
  std::printf("warp radius %.0f px, smoothing %.2f: largest airport error %.2f px (%s) before, %.2f px (%s) after, "
              "RMS %.2f px\n",
              jetvale::kWorldMapWarpRadius, jetvale::kWorldMapWarpSmoothing, before.max,
              std::string(jetvale::kAirportTable[before.worst].code).c_str(), after.max,
              std::string(jetvale::kAirportTable[after.worst].code).c_str(), after.rms);
  std::printf("smallest area ratio %.3f, largest stretch %.3f\n", areaRatio,
              jetvale::LargestStretch(projection.warp, 0.5));
  if (areaRatio <= 0) {
    std::fprintf(stderr, "make_world_map: the warp folds the map; use a larger radius or more smoothing\n");
    return 1;
  }

  const LandGrid land = FillLand(ReadBinnedCoastline(coastlinePath), kLandCellsPerDegree);
  const WorldMapPicture picture = PaintWorldMap(projection, land, airports);
  for (std::size_t i = 0; i < picture.landPatchReach.size(); ++i) {
    if (picture.landPatchReach[i] == 0) continue;
    std::printf("land patch under %s, %.1f px from the drawn land\n",
                std::string(jetvale::kAirportTable[i].code).c_str(), picture.landPatchReach[i]);
  }
  if (!jetvale::WriteBmpFile(outputPath, picture.image)) {
    std::fprintf(stderr, "make_world_map: cannot write %s\n", outputPath.c_str());
    return 1;
  }
  std::printf("wrote %s\n", outputPath.c_str());
  return 0;
}

}  // namespace
}  // namespace make_world_map

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_world_map BINNED_GSHHS.nc OUTPUT.bmp\n");
    return 2;
  }
  try {
    return make_world_map::Run(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_world_map: %s\n", error.what());
    return 1;
  }
}
