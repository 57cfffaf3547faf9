// Icon shapes as tables of rectangles, ellipses and polygons; bold and outlined so they read at 1x.
#include "toolbar_icons.h"

#include "aircraft.h"

namespace jetvale::artwork {
namespace {

constexpr Color kInk = MakeColor(18, 24, 48);
constexpr Color kGold = MakeColor(250, 200, 50);
constexpr Color kDarkGold = MakeColor(200, 140, 20);
constexpr Color kBrown = MakeColor(80, 50, 10);
constexpr Color kSteel = MakeColor(200, 206, 218);

// A "$" of 2-px strokes whose left edge is at x and top at y; 7 x 14.
Layer DollarSign(double x, double y) {
  const Polygon strokes[] = {Rectangle(x + 1, y + 2, 6, 2), Rectangle(x, y + 3, 2, 3),  Rectangle(x + 1, y + 6, 5, 2),
                             Rectangle(x + 5, y + 7, 2, 3), Rectangle(x, y + 10, 6, 2), Rectangle(x + 3, y, 1, 14)};
  Layer sign;
  for (const Polygon& stroke : strokes) sign.push_back({stroke, kBrown});
  return sign;
}

Layer Coin(double centreX, double centreY, double radius) {
  return {{Ellipse(centreX, centreY, radius, radius), kGold},
          {Ellipse(centreX, centreY, radius - 1.5, radius - 1.5), kDarkGold},
          {Ellipse(centreX, centreY, radius - 2.5, radius - 2.5), kGold}};
}

}  // namespace

Icon PlanesIcon() {
  const Layer plane = AircraftSilhouette({kSteel, kWhite});
  return {{Transformed(plane, 45, 1.75, {14.5, 15}), kInk}};
}

Icon FinanceIcon() {
  Layer front = Coin(16.5, 17.5, 9);
  const Layer sign = DollarSign(13, 10.5);
  front.insert(front.end(), sign.begin(), sign.end());
  return {{Coin(8.5, 9.5, 6), kBrown}, {front, kBrown}};
}

Icon PassengersIcon() {
  const Color back = MakeColor(70, 120, 200);
  const Color front = MakeColor(140, 195, 250);
  const Polygon backBody{{12, 24}, {12, 18}, {14, 15}, {17, 14}, {21, 14}, {24, 15}, {26, 18}, {26, 24}};
  const Polygon frontBody{{3, 27}, {3, 22}, {5, 19}, {8, 18}, {14, 18}, {17, 19}, {19, 22}, {19, 27}};
  return {{{{Ellipse(19, 8.5, 4, 4), back}, {backBody, back}}, kInk},
          {{{Ellipse(11, 12.5, 4.5, 4.5), front}, {frontBody, front}}, kInk}};
}

Icon ToolsIcon() {
  // Upright wrench centred on the origin, jaw at the top; turned so the jaw points up-left.
  const Layer wrench{{Ellipse(0, -7, 6.5, 6.5), kSteel},
                     {Rectangle(-2.2, -15, 4.4, 8), kMagenta},
                     {Rectangle(-2.2, -3, 4.4, 12), kSteel},
                     {Ellipse(0, 9, 3, 3), kSteel}};
  return {{Transformed(wrench, 45, 1, {14.5, 15.5}), kInk}};
}

}  // namespace jetvale::artwork
