// The map step of every frame: scroll, picture, fast-mode mark, airports.
#include "ui/map_view.h"

#include <array>

namespace jetvale {
namespace {

constexpr int kSlowScrollFrames = 20;
constexpr int kFastScrollFrames = 80;
constexpr Color kAirportDot = kYellow;

struct MarkPixel {
  int x;
  int y;
  Color color;
};
constexpr std::array<MarkPixel, 12> kFastMark = {{
    {13, 212, 255}, {14, 212, 255}, {13, 213, 255}, {14, 213, 255}, {13, 214, 255}, {14, 214, 255},
    {12, 213, 65}, {12, 214, 65}, {13, 215, 65}, {14, 215, 65}, {15, 213, 150}, {15, 214, 150},
}};

}  // namespace

void MapView::StartScroll(int newDirection) {
  direction = newDirection;
  framesLeft = fast ? kFastScrollFrames : kSlowScrollFrames;
}

void MapView::ScrollStep() {
  if (direction < kScrollUp || direction > kScrollDown || framesLeft <= 0) return;
  const int step = fast ? 2 : 1;
  switch (direction) {
    case kScrollUp:
      if (viewY - step >= minY) viewY -= step;
      break;
    case kScrollLeft:
      if (viewX - step >= minX) viewX -= step;
      break;
    case kScrollRight:
      if (viewX + step <= maxX - kViewportWidth) viewX += step;
      break;
    default:
      if (viewY + step <= maxY - kViewportHeight) viewY += step;
      break;
  }
  framesLeft -= 1;
}

GapiResult MapView::DrawMap(CGapiSurface& screen, const CGapiSurface& map) const {
  const GapiRect source{viewX, viewY, viewX + kViewportWidth, viewY + kViewportHeight};
  return screen.BltFast(kViewportX, kViewportY, map, &source, kBltOpaque);
}

void MapView::DrawFastMark(CGapiSurface& screen) const {
  if (!fast) return;
  for (const MarkPixel& pixel : kFastMark) screen.SetPixel(pixel.x, pixel.y, pixel.color);
}

void MapView::DrawAirports(CGapiSurface& screen, const World& world) const {
  for (int id = 1; id <= kAirportCount; ++id) {
    const AirportInfo& info = *world.AirportById(id).info;
    if (info.mapX <= viewX || info.mapX >= viewX + kViewportWidth) continue;
    if (info.mapY <= viewY || info.mapY >= viewY + kViewportHeight) continue;
    const int x = info.mapX - viewX + kViewportX;
    const int y = info.mapY - viewY + kViewportY;
    screen.SetPixel(x, y, kAirportDot);
    // The code needs room to its lower right.
    if (x + 17 < 320 && y + 6 < kViewportHeight) screen.DrawTextW(x + 2, y + 2, info.code, kWhite, kTextOutline);
  }
}

}  // namespace jetvale
