// The map: scrolling with the pad, and planes crossing it the shorter way round, wrapping over the edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <tuple>
#include <utility>
#include <vector>

#include "gfx/color.h"
#include "ui/map_view.h"
#include "ui/plane_sprites.h"

namespace jetvale {
namespace {

// A pad tap scrolls twenty frames of one pixel, or eighty of two in fast mode; a step that would pass an edge is
// not taken, yet uses up its frame. The view is 291 x 222 over the 1200 x 514 map.
TEST(MapView, APadTapScrollsTwentyPixelsOrEightyStepsOfTwoInFastModeAndStopsAtTheEdge) {
  for (const auto& [fast, x, y, direction, steps, endX, endY, framesLeft] : {
           std::tuple{0, 180, 100, kScrollRight, 25, 200, 100, 0},
           {1, 180, 100, kScrollDown, 100, 180, 260, 0},  // 100 + 160
           {1, 180, 291, kScrollDown, 1, 180, 291, 79},   // 514 - 222 = 292 is the lowest view
           {0, 908, 100, kScrollRight, 2, 909, 100, 18},  // 1200 - 291 is the last view
           {0, 1, 100, kScrollLeft, 2, 0, 100, 18},       // the left edge is reached, not passed
           {0, 180, 1, kScrollUp, 2, 180, 0, 18}, {0, 0, 0, kScrollLeft, 1, 0, 0, 19},
       }) {
    MapView view;
    view.fast = fast;
    view.viewX = x;
    view.viewY = y;
    view.StartScroll(direction);
    for (int i = 0; i < steps; ++i) view.ScrollStep();
    // The direction is kept after the scroll ends.
    EXPECT_EQ(std::tuple(view.viewX, view.viewY, view.framesLeft, view.direction),
              std::tuple(endX, endY, framesLeft, direction)) << x << "," << y << " dir " << direction;
  }
}

TEST(PlaneSprites, TheShorterWayRoundIsTakenOnlyWhenStrictlyShorterAndTheHeadingFollowsTheAngle) {
  EXPECT_EQ(WayTargetX(189, 1002), 1002 - 1200);  // SFO to PEK: 813 apart, 387 the other way
  EXPECT_EQ(WayTargetX(1002, 189), 189 + 1200);
  EXPECT_EQ(WayTargetX(300, 900), 900);  // exactly half the period: the direct way
  EXPECT_EQ(WayTargetX(300, 901.5), 901.5 - 1200);
  // y grows downwards; 45 degrees is diagonal, 63 (dy twice dx) is steep.
  const struct {
    double dx, dy;
    Heading heading;
  } headings[] = {{0, 63, Heading::South},       {0, -48, Heading::North},     {10, 1, Heading::East},
                  {-10, 1, Heading::West},       {10, 10, Heading::SouthEast}, {-10, -10, Heading::NorthWest},
                  {10, -10, Heading::NorthEast}, {-10, 10, Heading::SouthWest}, {10, 20, Heading::South},
                  {-10, 20, Heading::South},     {10, -20, Heading::North},    {-10, -20, Heading::North}};
  for (const auto& h : headings) EXPECT_EQ(HeadingOf(h.dx, h.dy), h.heading) << h.dx << "," << h.dy;
}

// Plane `slot` of the first airline at `step` of a 10-quarter-hour leg in the air (30 frames at speed 1), moved
// one frame: the sky it leaves.
Sky FlyOneFrame(double fromX, double fromY, double toX, double toY, int step, int slot = 3, bool inUse = true) {
  Random random;
  World world(random);
  Plane& plane = world.airlines[0].planes[static_cast<std::size_t>(slot)];
  plane.inUse = inUse;
  plane.legs[0].state = 3;
  plane.legs[0].departure = 40;
  plane.legs[0].arrival = 50;
  plane.originX = fromX;
  plane.originY = fromY;
  plane.destinationX = toX;
  plane.destinationY = toY;
  plane.frame = step;
  Sky sky;
  AdvancePlanes(world, 1, sky);
  return sky;
}

TEST(PlaneSprites, OverTheEdgeAPlaneWrapsAsSoonAsItPassesTheMapsEndsWithItsHeightInWholePixels) {
  for (const auto& [fromX, fromY, toX, toY, step, x, y] : {
           std::tuple{100.0, 150.0, 1000.0, 161.0, 15, 1150.0, 155.0},  // 100 + 15 x (-200 - 100) / 30 = -50; y 155.5
           {100.0, 150.0, 1000.0, 161.0, 10, 0.0, 153.0},               // at zero itself: not yet
           {100.0, 150.0, 1000.0, 161.0, 11, 1190.0, 154.0},
           {1100.0, 150.0, 100.0, 150.0, 18, 1220.0, 150.0},  // eastwards to 1300: the map's last column is kept
           {1100.0, 150.0, 100.0, 150.0, 27, 80.0, 150.0},    // 1280
           {300.0, 100.0, 900.0, 111.0, 15, 600.0, 105.5},    // the direct way keeps its fraction
       }) {
    const Sky sky = FlyOneFrame(fromX, fromY, toX, toY, step);
    ASSERT_EQ(sky.count, 1);
    EXPECT_EQ(std::pair(sky.planes[0].x, sky.planes[0].y), std::pair(x, y)) << fromX << " step " << step;  // exact
  }
  // Step 29 is the trip's last; a plane past it, sold, or in slot 20 or above is not in the sky.
  for (const auto& [step, slot, inUse, count] :
       {std::tuple{29, 3, 1, 1}, {30, 3, 1, 0}, {0, 3, 0, 0}, {0, 19, 1, 1}, {0, 20, 1, 0}}) {
    EXPECT_EQ(FlyOneFrame(500, 100, 500, 100, step, slot, inUse).count, count) << step << " " << slot << " " << inUse;
  }
}

// Each airline's planes wear its colour from the sprite sheet; a plane of no airline's identity flies red.
TEST(PlaneSprites, EveryAirlineFliesInItsOwnColour) {
  CGapiSurface sprites;
  std::string error;
  ASSERT_EQ(sprites.CreateSurface(std::string(JETVALE_ASSET_DIR) + "/sprites.bmp", &error), kGapiOk) << error;
  sprites.SetColorKey(kMagenta);
  const Color orange = MakeColor(255, 150, 0), red = MakeColor(220, 30, 30);
  std::vector<bool> shape;
  for (const auto& [identity, colour] : {std::pair{kWesternAirlines, MakeColor(40, 90, 255)},
                                         {kSoutheastAir, MakeColor(255, 230, 0)}, {kOceanAirways, red},
                                         {kAtlanticAir, orange}, {0, red}}) {
    CGapiSurface screen;
    screen.CreateSurface(320, 240);
    const MapView view;
    Sky sky;
    sky.planes[0] = {view.viewX + 150.0, view.viewY + 100.0, Heading::East, identity};
    sky.count = 1;
    DrawPlanes(screen, sprites, sky, view);
    EXPECT_GT(std::count(screen.Pixels().begin(), screen.Pixels().end(), colour), 20) << identity;
    // The rows draw the same aircraft: every airline's covers the same pixels.
    std::vector<bool> covered;
    for (const Color pixel : screen.Pixels()) covered.push_back(pixel != 0);
    if (shape.empty()) shape = covered;
    EXPECT_TRUE(covered == shape) << identity;
  }
}

}  // namespace
}  // namespace jetvale
