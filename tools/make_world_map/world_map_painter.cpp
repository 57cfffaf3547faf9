// Paints the world map: land where most of a pixel's samples fall on land, small lakes filled, coast, graticule.
#include "world_map_painter.h"

#include <algorithm>
#include <cmath>
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

bool CrossesLine(double a, double b) {
  return std::floor(a / kGraticuleDegrees) != std::floor(b / kGraticuleDegrees);
}

// Whether a meridian or parallel at a multiple of kGraticuleDegrees passes through the pixel.
bool OnGraticule(const jetvale::WorldMapProjection& projection, int x, int y) {
  const double west = GeoOfMapPixel(projection, {x + 0.0, y + 0.5}).longitude;
  const double east = GeoOfMapPixel(projection, {x + 1.0, y + 0.5}).longitude;
  const double north = GeoOfMapPixel(projection, {x + 0.5, y + 0.0}).latitude;
  const double south = GeoOfMapPixel(projection, {x + 0.5, y + 1.0}).latitude;
  return CrossesLine(west, east) || CrossesLine(north, south);
}

}  // namespace

jetvale::BmpImage PaintWorldMap(const jetvale::WorldMapProjection& projection, const LandGrid& land) {
  std::vector<bool> isLand = ClassifyLand(projection, land);
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
      } else if (OnGraticule(projection, x, y)) {
        color = jetvale::kMapGraticule;
      }
      image.pixels[static_cast<std::size_t>(y) * kWorldMapWidth + x] = color;
    }
    for (int x = kWorldMapPeriod; x < kWorldMapWidth; ++x) {
      image.pixels[static_cast<std::size_t>(y) * kWorldMapWidth + x] =
          image.pixels[static_cast<std::size_t>(y) * kWorldMapWidth + x - kWorldMapPeriod];
    }
  }
  return image;
}

}  // namespace make_world_map
