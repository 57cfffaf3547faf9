// The window onto the world map: which map pixel the viewport shows, the scroll pad, and the airports on it.
#pragma once

#include "gfx/gapi_surface.h"
#include "world/world.h"
#include "world/world_map.h"

namespace jetvale {

// The viewport on screen.
constexpr int kViewportX = 29;
constexpr int kViewportY = 9;
constexpr int kViewportWidth = 291;
constexpr int kViewportHeight = 222;

// Scroll directions, as the pad's four arrows give them.
constexpr int kScrollNone = 0;
constexpr int kScrollUp = 1;
constexpr int kScrollLeft = 2;
constexpr int kScrollRight = 3;
constexpr int kScrollDown = 4;

struct MapView {
  int viewX = 180;  // map pixel at the viewport's top left
  int viewY = 100;
  bool fast = false;   // the scroll pad's fast mode
  int framesLeft = 0;  // scroll steps still to do
  int direction = kScrollNone;
  int minX = 0;
  int minY = 0;
  int maxX = kMapPeriod;
  int maxY = kMapHeight;

  // A tap on one of the pad's arrows: 20 steps of one pixel, or 80 of two in fast mode.
  void StartScroll(int newDirection);
  // One frame's step of a running scroll; a step that would leave the map is not taken but still counts.
  void ScrollStep();
  // Copies the visible part of the map into the viewport.
  GapiResult DrawMap(CGapiSurface& screen, const CGapiSurface& map) const;
  // The red mark on the pad's centre while fast mode is on.
  void DrawFastMark(CGapiSurface& screen) const;
  // Yellow dots for the airports in view, each with its code where there is room.
  void DrawAirports(CGapiSurface& screen, const World& world) const;
};

}  // namespace jetvale
