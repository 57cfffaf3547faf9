// The window onto the world map: which map pixel the viewport shows, and the scroll pad's state.
#pragma once

#include "gfx/gapi_surface.h"

namespace jetvale {

// The viewport on screen.
constexpr int kViewportX = 29;
constexpr int kViewportY = 9;
constexpr int kViewportWidth = 291;
constexpr int kViewportHeight = 222;

// The world map bitmap; planes wrap around it with a period 20 pixels shorter than the bitmap.
constexpr int kMapHeight = 514;
constexpr int kMapPeriod = 1200;

struct MapView {
  int viewX = 180;  // map pixel at the viewport's top left
  int viewY = 100;
  int fast = 0;        // scroll-pad mode: 0 slow, 1 fast
  int framesLeft = 0;  // scroll steps still to do
  int direction = 0;   // 1 up, 2 left, 3 right, 4 down; 0 none
  int minX = 0;
  int minY = 0;
  int maxX = kMapPeriod;
  int maxY = kMapHeight;

  // Copies the visible part of the map into the viewport.
  GapiResult DrawMap(CGapiSurface& screen, const CGapiSurface& map) const;
};

}  // namespace jetvale
