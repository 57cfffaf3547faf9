// Icon drawing: the 16-pixel icon is the sprite's own drawing; larger icons sample every pixel on a grid and
// measure each sample's distance from the silhouette's edges, so the outline keeps its share of the size.
#include "app_icon.h"

#include <algorithm>
#include <cmath>

#include "aircraft.h"
#include "raster.h"

namespace jetvale::artwork {
namespace {

constexpr Color kBlueAirline = MakeColor(40, 90, 255);
constexpr Color kOutline = MakeColor(12, 12, 18);
constexpr int kSpriteSize = 16;
constexpr int kSamples = 4;           // samples a pixel across, for smooth edges
constexpr double kOutlineShare = 1.0 / 24;  // of the icon's size
constexpr double kUnitsPerSize = 1.0 / 15;  // the plane's scale for each pixel of size: nose to tail about 85 %

bool InsidePolygon(const Polygon& polygon, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point& a = polygon[i];
    const Point& b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
  }
  return inside;
}

double DistanceToEdges(const Polygon& polygon, double x, double y) {
  double nearest = 1e9;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point& a = polygon[j];
    const Point& b = polygon[i];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    nearest = std::min(nearest, std::hypot(x - a.x - t * dx, y - a.y - t * dy));
  }
  return nearest;
}

Layer IconPlane(double scale, double centre) {
  return Transformed(AircraftSilhouette({kBlueAirline, Mix(kBlueAirline, kWhite, 0.45)}), 0, scale, {centre, centre});
}

AppIcon SpriteIcon() {
  AppIcon icon{OutlinedSprite(IconPlane(1, kSpriteSize / 2.0 + 0.5), kSpriteSize, kSpriteSize, kOutline), {}};
  for (const Color c : icon.picture.pixels) icon.alpha.push_back(c == kMagenta ? 0 : 255);
  return icon;
}

}  // namespace

AppIcon DrawAppIcon(int size) {
  if (size <= kSpriteSize) return SpriteIcon();
  const Layer plane = IconPlane(size * kUnitsPerSize, size / 2.0);
  const double outline = size * kOutlineShare;
  AppIcon icon{BlankImage(size, size, kMagenta), std::vector<unsigned char>(static_cast<std::size_t>(size * size))};
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double red = 0, green = 0, blue = 0;
      int covered = 0;
      for (int s = 0; s < kSamples * kSamples; ++s) {
        const double x = px + (s % kSamples + 0.5) / kSamples;
        const double y = py + (s / kSamples + 0.5) / kSamples;
        const Shape* top = nullptr;
        double nearest = 1e9;
        for (const Shape& shape : plane) {
          if (InsidePolygon(shape.polygon, x, y)) top = &shape;  // later shapes lie on top
          nearest = std::min(nearest, DistanceToEdges(shape.polygon, x, y));
        }
        if (top == nullptr && nearest > outline) continue;
        const Color c = top != nullptr ? top->color : kOutline;
        red += RedOf(c);
        green += GreenOf(c);
        blue += BlueOf(c);
        covered += 1;
      }
      if (covered == 0) continue;
      const auto at = static_cast<std::size_t>(py * size + px);
      icon.picture.pixels[at] = MakeColor(static_cast<int>(std::lround(red / covered)),
                                          static_cast<int>(std::lround(green / covered)),
                                          static_cast<int>(std::lround(blue / covered)));
      icon.alpha[at] = static_cast<unsigned char>(std::lround(255.0 * covered / (kSamples * kSamples)));
    }
  }
  return icon;
}

}  // namespace jetvale::artwork
