// Plane motion: position along the trip, the shorter way round the map, and the heading.
#include "sim/plane_motion.h"

#include <cmath>
#include <cstdlib>

#include "sim/flight_state.h"
#include "world/at_index.h"
#include "world/world_map.h"

namespace jetvale {
namespace {

constexpr int kFramesPerQuarterHourAtFast = 3;
constexpr double kDegreesPerRadian = 57.29577951308232;

// One frame's step of the plane along `leg`; true while the trip is under way.
bool MovePlane(Plane& plane, const Flight& leg, int gameSpeed, Heading& heading) {
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
  heading = HeadingOf(targetX - fromX, toY - fromY);
  return plane.frame <= tripFrames;  // past it the trip's time is over but the leg has not moved on yet
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

void AdvancePlanes(World& world, int gameSpeed, Sky& sky) {
  sky.count = 0;
  for (Airline& airline : world.airlines) {
    for (int slot = 0; slot < kAnimatedPlaneSlots; ++slot) {
      Plane& plane = At(airline.planes, slot);
      if (!plane.inUse) continue;  // a sold plane leaves the sky at once
      for (int legIndex = 0; legIndex < kLegSlots; ++legIndex) {
        const Flight& leg = At(plane.legs, legIndex);
        if (leg.state == kBoardingOpen) {
          const AirportInfo& origin = *world.AirportById(leg.origin).info;
          const AirportInfo& destination = *world.AirportById(leg.destination).info;
          plane.originX = origin.mapX;
          plane.originY = origin.mapY;
          plane.destinationX = destination.mapX;
          plane.destinationY = destination.mapY;
          plane.frame = 0;
        } else if (leg.state == kInTheAir || (leg.state == kApproaching && legIndex == plane.currentLeg)) {
          Heading heading = Heading::East;
          if (MovePlane(plane, leg, gameSpeed, heading)) {
            At(sky.planes, sky.count++) = {plane.locationX, plane.locationY, heading, airline.identity};
          }
        }
      }
    }
  }
}

}  // namespace jetvale
