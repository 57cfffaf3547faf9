// Scanline polygon fill sampling pixel centres; a centre right on an edge counts as inside, so mirrors stay exact.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace jetvale::artwork {
namespace {

constexpr int kEllipseCorners = 48;

Color& PixelAt(BmpImage& image, int x, int y) {
  return image.pixels[static_cast<std::size_t>(y * image.width + x)];
}

bool Inside(const BmpImage& image, int x, int y) { return x >= 0 && y >= 0 && x < image.width && y < image.height; }

}  // namespace

Polygon Rectangle(double left, double top, double width, double height) {
  return {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}};
}

Polygon Ellipse(double centreX, double centreY, double radiusX, double radiusY) {
  Polygon polygon;
  for (int i = 0; i < kEllipseCorners; ++i) {
    const double angle = 2 * std::numbers::pi * i / kEllipseCorners;
    polygon.push_back({centreX + radiusX * std::cos(angle), centreY + radiusY * std::sin(angle)});
  }
  return polygon;
}

Layer Transformed(const Layer& layer, double degrees, double scale, Point offset) {
  const double radians = degrees * std::numbers::pi / 180;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  Layer result = layer;
  for (Shape& shape : result) {
    for (Point& p : shape.polygon) {
      const Point scaled{p.x * scale, p.y * scale};
      // Screen y grows downwards, so a counter-clockwise turn subtracts the sine from y.
      p = {offset.x + scaled.x * c + scaled.y * s, offset.y - scaled.x * s + scaled.y * c};
    }
  }
  return result;
}

Color Mix(Color from, Color to, double amount) {
  const auto blend = [amount](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * amount)); };
  return MakeColor(blend(RedOf(from), RedOf(to)), blend(GreenOf(from), GreenOf(to)), blend(BlueOf(from), BlueOf(to)));
}

BmpImage BlankImage(int width, int height, Color fill) {
  return {width, height, std::vector<Color>(static_cast<std::size_t>(width * height), fill)};
}

void FillPolygon(BmpImage& image, const Polygon& polygon, Color color) {
  if (polygon.size() < 3) return;
  const auto [low, high] = std::minmax_element(polygon.begin(), polygon.end(),
                                               [](const Point& a, const Point& b) { return a.y < b.y; });
  const int firstRow = std::max(0, static_cast<int>(std::floor(low->y)));
  const int lastRow = std::min(image.height - 1, static_cast<int>(std::ceil(high->y)));
  std::vector<double> crossings;
  for (int y = firstRow; y <= lastRow; ++y) {
    const double centreY = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const Point& a = polygon[i];
      const Point& b = polygon[(i + 1) % polygon.size()];
      if ((a.y <= centreY) != (b.y <= centreY)) crossings.push_back(a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int from = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
      const int to = std::min(image.width - 1, static_cast<int>(std::floor(crossings[i + 1] - 0.5)));
      for (int x = from; x <= to; ++x) PixelAt(image, x, y) = color;
    }
  }
}

void Paint(BmpImage& image, const Layer& layer) {
  for (const Shape& shape : layer) FillPolygon(image, shape.polygon, shape.color);
}

void AddOutline(BmpImage& image, Color outline) {
  const BmpImage before = image;
  const auto filled = [&before](int x, int y) {
    return Inside(before, x, y) && before.pixels[static_cast<std::size_t>(y * before.width + x)] != kMagenta;
  };
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!filled(x, y) && (filled(x - 1, y) || filled(x + 1, y) || filled(x, y - 1) || filled(x, y + 1))) {
        PixelAt(image, x, y) = outline;
      }
    }
  }
}

void Stamp(BmpImage& target, const BmpImage& sprite, int left, int top) {
  for (int y = 0; y < sprite.height; ++y) {
    for (int x = 0; x < sprite.width; ++x) {
      const Color c = sprite.pixels[static_cast<std::size_t>(y * sprite.width + x)];
      if (c != kMagenta && Inside(target, left + x, top + y)) PixelAt(target, left + x, top + y) = c;
    }
  }
}

BmpImage OutlinedSprite(const Layer& layer, int width, int height, Color outline) {
  BmpImage sprite = BlankImage(width, height, kMagenta);
  Paint(sprite, layer);
  AddOutline(sprite, outline);
  return sprite;
}

}  // namespace jetvale::artwork
