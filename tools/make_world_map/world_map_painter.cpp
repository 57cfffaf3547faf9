// Paints the world map: land where most of a pixel's samples fall on land, land under the airports, small lakes
// filled, coast, graticule.
#include "world_map_painter.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "world_map_palette.h"

namespace make_world_map {
namespace {

using jetvale::kWorldMapHeight;
using jetvale::kWorldMapPeriod;
using jetvale::kWorldMapWidth;
using jetvale::MapPoint;

constexpr int kSamplesPerSide = 3;  // a majority of 3 x 3 samples keeps specks under half a pixel off the map
constexpr double kGraticuleDegrees = 30;
// Lakes of fewer pixels would only speckle the land with single water pixels ringed by coast.
constexpr std::size_t kSmallestLakePixels = 12;
// Land put under an airport at sea: a disc of this radius on its pixel, joined to the nearest land by a strip as
// wide, so a coastal city a few pixels off the drawn coast sits on a small cape rather than an island.
constexpr double kLandPatchRadius = 1.5;
constexpr int kLandSearchRadius = 40;  // pixels; the fit leaves no airport anywhere near this far from land

std::size_t IndexOf(int x, int y) {
  const int wrappedX = (x % kWorldMapPeriod + kWorldMapPeriod) % kWorldMapPeriod;
  return static_cast<std::size_t>(y) * kWorldMapPeriod + wrappedX;
}

std::vector<bool> ClassifyLand(const jetvale::WorldMapProjection& projection, const LandGrid& land) {
  std::vector<bool> isLand(static_cast<std::size_t>(kWorldMapPeriod) * kWorldMapHeight);
  for (int y = 0; y < kWorldMapHeight; ++y) {
    for (int x = 0; x < kWorldMapPeriod; ++x) {
      int landSamples = 0;
      for (int sy = 0; sy < kSamplesPerSide; ++sy) {
        for (int sx = 0; sx < kSamplesPerSide; ++sx) {
          const MapPoint sample{x + (sx + 0.5) / kSamplesPerSide, y + (sy + 0.5) / kSamplesPerSide};
          if (IsLand(land, GeoOfMapPixel(projection, sample))) ++landSamples;
        }
      }
      isLand[static_cast<std::size_t>(y) * kWorldMapPeriod + x] = 2 * landSamples > kSamplesPerSide * kSamplesPerSide;
    }
  }
  return isLand;
}

// Turns every patch of water smaller than kSmallestLakePixels into land; patches join through edges, and
// across the wrap.
void FillSmallLakes(std::vector<bool>& isLand) {
  std::vector<bool> seen(isLand.size());
  std::vector<std::size_t> patch;
  for (std::size_t start = 0; start < isLand.size(); ++start) {
    if (isLand[start] || seen[start]) continue;
    patch.assign(1, start);
    seen[start] = true;
    for (std::size_t next = 0; next < patch.size(); ++next) {
      const int x = static_cast<int>(patch[next] % kWorldMapPeriod);
      const int y = static_cast<int>(patch[next] / kWorldMapPeriod);
      const int neighbours[4][2] = {{(x + 1) % kWorldMapPeriod, y},
                                    {(x + kWorldMapPeriod - 1) % kWorldMapPeriod, y},
                                    {x, y - 1},
                                    {x, y + 1}};
      for (const auto& [nx, ny] : neighbours) {
        if (ny < 0 || ny >= kWorldMapHeight) continue;
        const std::size_t index = static_cast<std::size_t>(ny) * kWorldMapPeriod + nx;
        if (isLand[index] || seen[index]) continue;
        seen[index] = true;
        patch.push_back(index);
      }
    }
    if (patch.size() < kSmallestLakePixels) {
      for (const std::size_t index : patch) isLand[index] = true;
    }
  }
}

// The centre of the land pixel nearest to `from`, taken the short way round the wrap; `from` itself if none is
// within kLandSearchRadius.
MapPoint NearestLand(const std::vector<bool>& isLand, MapPoint from) {
  MapPoint nearest = from;
  double best = kLandSearchRadius;
  const int fromX = static_cast<int>(std::floor(from.x));
  const int fromY = static_cast<int>(std::floor(from.y));
  for (int y = std::max(0, fromY - kLandSearchRadius); y <= std::min(kWorldMapHeight - 1, fromY + kLandSearchRadius);
       ++y) {
    for (int x = fromX - kLandSearchRadius; x <= fromX + kLandSearchRadius; ++x) {
      if (!isLand[IndexOf(x, y)]) continue;
      const MapPoint centre{x + 0.5, y + 0.5};
      const double distance = std::hypot(centre.x - from.x, centre.y - from.y);
      if (distance < best) {
        best = distance;
        nearest = centre;
      }
    }
  }
  return nearest;
}

// Makes land of every pixel whose centre lies within kLandPatchRadius of the segment from a to b.
void PaintLandStrip(std::vector<bool>& isLand, MapPoint a, MapPoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  const int reach = static_cast<int>(std::ceil(kLandPatchRadius)) + 1;
  for (int y = static_cast<int>(std::min(a.y, b.y)) - reach; y <= static_cast<int>(std::max(a.y, b.y)) + reach; ++y) {
    if (y < 0 || y >= kWorldMapHeight) continue;
    for (int x = static_cast<int>(std::min(a.x, b.x)) - reach; x <= static_cast<int>(std::max(a.x, b.x)) + reach;
         ++x) {
      const MapPoint p{x + 0.5, y + 0.5};
      const double t =
          lengthSquared > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0) : 0;
      if (std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)) <= kLandPatchRadius) isLand[IndexOf(x, y)] = true;
    }
  }
}

// Puts land under every airport pixel that is at sea and says how far the nearest land was.
std::vector<double> LandUnderAirports(std::vector<bool>& isLand, std::span<const jetvale::MapControlPoint> airports) {
  std::vector<double> reaches;
  for (const jetvale::MapControlPoint& airport : airports) {
    const MapPoint pixel = airport.map;
    if (isLand[IndexOf(static_cast<int>(std::floor(pixel.x)), static_cast<int>(std::floor(pixel.y)))]) {
      reaches.push_back(0);
      continue;
    }
    const MapPoint land = NearestLand(isLand, pixel);
    // No land in reach makes the patch an island; its report is then the search radius, as a lower bound.
    const double reach = std::hypot(land.x - pixel.x, land.y - pixel.y);
    reaches.push_back(reach > 0 ? reach : kLandSearchRadius);
    PaintLandStrip(isLand, pixel, land);
  }
  return reaches;
}

bool CrossesLine(double a, double b) {
  return std::floor(a / kGraticuleDegrees) != std::floor(b / kGraticuleDegrees);
}

// Whether a meridian or parallel at a multiple of kGraticuleDegrees passes through the pixel. The lines come from
// the cylindrical projection alone, so they run straight across the map; the warp moves the land by a few
// pixels at most against them.
bool OnGraticule(const jetvale::CylindricalFit& base, int x, int y) {
  const double west = UnprojectCylindrical(base, {x + 0.0, y + 0.5}).longitude;
  const double east = UnprojectCylindrical(base, {x + 1.0, y + 0.5}).longitude;
  const double north = UnprojectCylindrical(base, {x + 0.5, y + 0.0}).latitude;
  const double south = UnprojectCylindrical(base, {x + 0.5, y + 1.0}).latitude;
  return CrossesLine(west, east) || CrossesLine(north, south);
}

}  // namespace

WorldMapPicture PaintWorldMap(const jetvale::WorldMapProjection& projection, const LandGrid& land,
                              std::span<const jetvale::MapControlPoint> airports) {
  std::vector<bool> isLand = ClassifyLand(projection, land);
  std::vector<double> reaches = LandUnderAirports(isLand, airports);
  FillSmallLakes(isLand);
  const auto landAt = [&](int x, int y) {
    const int wrappedX = (x + kWorldMapPeriod) % kWorldMapPeriod;
    const int clampedY = std::clamp(y, 0, kWorldMapHeight - 1);
    return isLand[static_cast<std::size_t>(clampedY) * kWorldMapPeriod + wrappedX];
  };
  jetvale::BmpImage image{kWorldMapWidth, kWorldMapHeight, {}};
  image.pixels.resize(static_cast<std::size_t>(kWorldMapWidth) * kWorldMapHeight);
  for (int y = 0; y < kWorldMapHeight; ++y) {
    for (int x = 0; x < kWorldMapPeriod; ++x) {
      jetvale::Color color = jetvale::kMapOcean;
      if (landAt(x, y)) {
        const bool shore = !landAt(x - 1, y) || !landAt(x + 1, y) || !landAt(x, y - 1) || !landAt(x, y + 1);
        color = shore ? jetvale::kMapCoast : jetvale::kMapLand;
      } else if (OnGraticule(projection.base, x, y)) {
        color = jetvale::kMapGraticule;
      }
      image.pixels[static_cast<std::size_t>(y) * kWorldMapWidth + x] = color;
    }
    for (int x = kWorldMapPeriod; x < kWorldMapWidth; ++x) {
      image.pixels[static_cast<std::size_t>(y) * kWorldMapWidth + x] =
          image.pixels[static_cast<std::size_t>(y) * kWorldMapWidth + x - kWorldMapPeriod];
    }
  }
  return {std::move(image), std::move(reaches)};
}

}  // namespace make_world_map
