// The map: scrolling with the pad, the airports in view, and planes crossing it in their colour and heading.
#include <gtest/gtest.h>

#include "ui/map_view.h"
#include "ui/plane_sprites.h"

namespace jetvale {
namespace {

// A pad tap scrolls twenty frames of one pixel, or eighty of two in fast mode; a step that would pass an edge is
// not taken, yet uses up its frame. The view is 291 x 222 over the 1200 x 514 map.
TEST(MapView, APadTapScrollsTwentyPixelsOrEightyStepsOfTwoInFastModeAndStopsAtTheEdge) {
  struct Case {
    int fast, x, y, direction, steps, endX, endY, framesLeft;
  };
  for (const Case& c : {
           Case{0, 180, 100, kScrollRight, 25, 200, 100, 0},
           Case{1, 180, 100, kScrollDown, 100, 180, 260, 0},  // 100 + 160
           Case{1, 180, 291, kScrollDown, 1, 180, 291, 79},   // 514 - 222 = 292 is the lowest view
           Case{0, 908, 100, kScrollRight, 2, 909, 100, 18},  // 1200 - 291 is the last view
           Case{0, 1, 100, kScrollLeft, 2, 0, 100, 18},       // the left edge is reached, not passed
           Case{0, 180, 1, kScrollUp, 2, 180, 0, 18},
           Case{0, 0, 0, kScrollLeft, 1, 0, 0, 19},
       }) {
    MapView view;
    view.fast = c.fast;
    view.viewX = c.x;
    view.viewY = c.y;
    view.StartScroll(c.direction);
    for (int i = 0; i < c.steps; ++i) view.ScrollStep();
    EXPECT_EQ(view.viewX, c.endX) << c.x << "," << c.y << " dir " << c.direction;
    EXPECT_EQ(view.viewY, c.endY) << c.x << "," << c.y << " dir " << c.direction;
    EXPECT_EQ(view.framesLeft, c.framesLeft) << c.x << "," << c.y << " dir " << c.direction;
    EXPECT_EQ(view.direction, c.direction);  // kept after the scroll ends
  }
}

TEST(PlaneSprites, TheShorterWayRoundTheMapIsTakenOnlyWhenItIsStrictlyShorter) {
  EXPECT_EQ(WayTargetX(189, 1002), 1002 - 1200);  // SFO to PEK: 813 apart, 387 the other way
  EXPECT_EQ(WayTargetX(1002, 189), 189 + 1200);
  EXPECT_EQ(WayTargetX(300, 900), 900);  // exactly half the period: the direct way
  EXPECT_EQ(WayTargetX(300, 901.5), 901.5 - 1200);
}

TEST(PlaneSprites, TheHeadingFollowsTheAngleOfTravel) {
  EXPECT_EQ(HeadingOf(0, 63), Heading::South);  // PEK above HKG on one map column
  EXPECT_EQ(HeadingOf(0, -48), Heading::North);  // SFO up to YVR
  EXPECT_EQ(HeadingOf(10, 1), Heading::East);
  EXPECT_EQ(HeadingOf(-10, 1), Heading::West);
  EXPECT_EQ(HeadingOf(10, 10), Heading::SouthEast);   // 45 degrees, y downwards
  EXPECT_EQ(HeadingOf(-10, -10), Heading::NorthWest);
  EXPECT_EQ(HeadingOf(10, -10), Heading::NorthEast);
  EXPECT_EQ(HeadingOf(-10, 10), Heading::SouthWest);
  EXPECT_EQ(HeadingOf(10, 20), Heading::South);       // 63 degrees
  EXPECT_EQ(HeadingOf(-10, 20), Heading::South);  // steeply down, westwards
  EXPECT_EQ(HeadingOf(10, -20), Heading::North);
  EXPECT_EQ(HeadingOf(-10, -20), Heading::North);
}

// A sprite sheet whose every cell is filled with one colour telling its row and column.
CGapiSurface CellSheet() {
  CGapiSurface sheet;
  sheet.CreateSurface(135, 72);
  sheet.FillRect({0, 0, 135, 72}, kMagenta, kFillSolid, nullptr);
  for (const int top : {0, 17, 34, 51}) {
    for (int left = 0; left < 135; left += 17) {
      sheet.FillRect({left + 4, top + 4, left + 12, top + 12}, MakeColor(top, left, 1), kFillSolid, nullptr);
    }
  }
  sheet.SetColorKey(kMagenta);
  return sheet;
}

struct SpriteScene {
  SpriteScene() : world(random) {
    screen.CreateSurface(320, 240);
    Airline& airline = world.airlines[0];
    airline.identity = kWesternAirlines;
    plane.inUse = 1;
    Flight& leg = plane.legs[0];
    leg.origin = 11;       // ORD at map (309, 144)
    leg.destination = 14;  // DFW at map (275, 177)
    leg.departure = 40;
    leg.arrival = 50;
  }
  void Frame() {
    AdvancePlanes(world, 1, sky);
    DrawPlanes(screen, sheet, sky, view);
  }
  Sky sky;
  Random random;
  World world;
  Plane& plane = world.airlines[0].planes[3];
  MapView view;
  CGapiSurface screen;
  CGapiSurface sheet = CellSheet();
};

TEST(PlaneSprites, AFlyingPlaneMovesAlongItsLineAndIsDrawnInItsAirlinesRowAndHeading) {
  SpriteScene s;
  Flight& leg = s.plane.legs[0];
  leg.state = 1;  // boarding opened: the trip's ends are taken from the airports
  s.Frame();
  EXPECT_EQ(s.plane.originX, 309);
  EXPECT_EQ(s.plane.destinationY, 177);
  EXPECT_EQ(s.plane.frame, 0);

  leg.state = 3;
  for (int i = 0; i < 11; ++i) s.Frame();  // 10 quarter hours x 3 frames = 30 frames for the trip
  // Step 10 of 30: x = 309 + 10 x (275 - 309) / 30, y = 144 + 10 x 33 / 30.
  EXPECT_DOUBLE_EQ(s.plane.locationX, 309 + 10 * -34.0 / 30);
  EXPECT_DOUBLE_EQ(s.plane.locationY, 144 + 10 * 33.0 / 30);
  // South-west (44 degrees, westwards) in the blue row 34: the cell's colour at the sprite's centre.
  const int sx = static_cast<int>(s.plane.locationX - 180 + 29);
  const int sy = static_cast<int>(s.plane.locationY - 100 + 9);
  EXPECT_EQ(s.screen.GetPixel(sx, sy), MakeColor(34, 85, 1));
  EXPECT_EQ(s.screen.GetPixel(sx - 8, sy - 8), kBlack);  // the cell's magenta border is not drawn
}

TEST(PlaneSprites, AnArrivedTripASoldPlaneAndAPlaneAboveSlotNineteenAreNotDrawn) {
  SpriteScene s;
  Flight& leg = s.plane.legs[0];
  leg.state = 3;
  s.plane.frame = 31;  // past the 30 frames of the trip
  s.Frame();
  for (const Color c : s.screen.Pixels()) ASSERT_EQ(c, kBlack);

  s.plane.frame = 0;
  s.plane.inUse = 0;
  s.Frame();
  EXPECT_EQ(s.plane.frame, 0);

  Plane& high = s.world.airlines[0].planes[20];
  high = s.plane;
  high.inUse = 1;
  s.Frame();
  EXPECT_EQ(high.frame, 0);
  for (const Color c : s.screen.Pixels()) ASSERT_EQ(c, kBlack);
}

TEST(PlaneSprites, OverTheEdgeAWestboundPlaneWrapsAsSoonAsItCrossesZero) {
  SpriteScene s;
  Flight& leg = s.plane.legs[0];
  leg.state = 3;
  s.plane.originX = 100;  // to map x 1000 the shorter way runs west over the edge
  s.plane.originY = 150;
  s.plane.destinationX = 1000;
  s.plane.destinationY = 160;
  s.plane.frame = 15;  // step 15 of 30: x = 100 + 15 x (-200 - 100) / 30 = -50
  s.Frame();
  EXPECT_DOUBLE_EQ(s.plane.locationX, 1150);
  EXPECT_DOUBLE_EQ(s.plane.locationY, 155);  // 150 + 15 x 10 / 30, truncated to a whole pixel
}

}  // namespace
}  // namespace jetvale
