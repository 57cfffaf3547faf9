// Plane sprites: position along the trip, the shorter way round the map, heading and sprite cell.
#include "ui/plane_sprites.h"

#include <cmath>

#include "sim/flight_state.h"

namespace jetvale {
namespace {

constexpr int kAnimatedPlaneSlots = 20;  // planes in higher slots fly but are never drawn
constexpr int kFramesPerQuarterHourAtFast = 3;
constexpr int kSpriteHalf = 8;
constexpr int kSpriteHeight = 16;
constexpr double kDegreesPerRadian = 57.29577951308232;

struct Columns {
  int left;
  int right;
};
// Indexed by Heading.
constexpr Columns kHeadingColumns[] = {{0, 16},   {18, 34},  {35, 51},   {54, 70},
                                       {70, 86},  {88, 104}, {104, 120}, {120, 133}};

// The sprite row of an airline's colour; an airline without an identity flies red.
int SpriteRowTop(int identity) {
  switch (identity) {
    case kAtlanticAir: return 0;
    case kWesternAirlines: return 34;
    case kSoutheastAir: return 51;
    default: return 17;
  }
}

void MovePlane(CGapiSurface& screen, const CGapiSurface& sprites, const Airline& airline, Plane& plane,
               const Flight& leg, const MapView& view, int gameSpeed) {
  const double fromX = plane.originX;
  const double fromY = plane.originY;
  const double toY = plane.destinationY;
  const double targetX = WayTargetX(fromX, plane.destinationX);
  const bool overTheEdge = targetX != plane.destinationX;

  const int tripFrames = (leg.arrival - leg.departure) * gameSpeed * kFramesPerQuarterHourAtFast;
  plane.frame += 1;
  const int step = plane.frame - 1;
  if (tripFrames != 0) {
    double x = fromX + step * (targetX - fromX) / tripFrames;
    double y = fromY + step * (toY - fromY) / tripFrames;
    if (overTheEdge) {
      y = std::trunc(y);
      if (x < 0) x += kMapPeriod;
      if (x > kMapWidth) x -= kMapPeriod;
    }
    plane.locationX = x;
    plane.locationY = y;
  }
  if (plane.frame > tripFrames) return;  // the trip's time is over but the leg has not moved on yet

  const double screenX = plane.locationX - view.viewX + kViewportX;
  const double screenY = plane.locationY - view.viewY + kViewportY;
  if (!(screenX - kSpriteHalf > kViewportX && screenX + kSpriteHalf < 320 && screenY - kSpriteHalf > 0 &&
        screenY + kSpriteHalf < kViewportHeight)) {
    return;
  }
  const Columns columns = kHeadingColumns[static_cast<int>(HeadingOf(targetX - fromX, toY - fromY))];
  const int top = SpriteRowTop(airline.identity);
  const GapiRect cell{columns.left, top, columns.right, top + kSpriteHeight};
  screen.BltFast(static_cast<int>(screenX - kSpriteHalf), static_cast<int>(screenY - kSpriteHalf), sprites, &cell,
                 kBltColorKey);
}

}  // namespace

Heading HeadingOf(double dx, double dy) {
  if (dx == 0) return dy > 0 ? Heading::South : Heading::North;
  const double degrees = std::atan(dy / dx) * kDegreesPerRadian;
  const bool east = dx > 0;
  if (degrees > 60) return east ? Heading::South : Heading::North;
  if (degrees >= 30) return east ? Heading::SouthEast : Heading::NorthWest;
  if (degrees > -30) return east ? Heading::East : Heading::West;
  if (degrees > -60) return east ? Heading::NorthEast : Heading::SouthWest;
  return east ? Heading::North : Heading::South;
}

double WayTargetX(double fromX, double toX) {
  const int distance = std::abs(static_cast<int>(fromX - toX));
  if (kMapPeriod - distance >= distance) return toX;
  return fromX < toX ? toX - kMapPeriod : toX + kMapPeriod;
}

void MoveAndDrawPlanes(CGapiSurface& screen, const CGapiSurface& sprites, World& world, const MapView& view,
                       int gameSpeed) {
  for (Airline& airline : world.airlines) {
    for (int slot = 0; slot < kAnimatedPlaneSlots; ++slot) {
      Plane& plane = airline.planes[static_cast<std::size_t>(slot)];
      if (plane.inUse != 1) continue;  // a sold plane leaves the sky at once
      for (int legIndex = 0; legIndex < kLegSlots; ++legIndex) {
        const Flight& leg = plane.legs[static_cast<std::size_t>(legIndex)];
        if (leg.state == kBoardingOpen) {
          const AirportInfo& origin = *world.AirportById(leg.origin).info;
          const AirportInfo& destination = *world.AirportById(leg.destination).info;
          plane.originX = origin.mapX;
          plane.originY = origin.mapY;
          plane.destinationX = destination.mapX;
          plane.destinationY = destination.mapY;
          plane.frame = 0;
        } else if (leg.state == kInTheAir || (leg.state == kApproaching && legIndex == plane.currentLeg)) {
          MovePlane(screen, sprites, airline, plane, leg, view, gameSpeed);
        }
      }
    }
  }
}

}  // namespace jetvale
