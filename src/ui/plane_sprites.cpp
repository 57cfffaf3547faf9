// Plane sprites: the sprite cell of an airline and heading, placed at the plane's map position.
#include "ui/plane_sprites.h"

#include "world/identities.h"
#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr int kSpriteHalf = 8;
constexpr int kSpriteHeight = 16;

struct Columns {
  int left;
  int right;
};
// Indexed by Heading.
constexpr Columns kHeadingColumns[] = {{0, 16},   {18, 34},  {35, 51},   {54, 70},
                                       {70, 86},  {88, 104}, {104, 120}, {120, 133}};

// The sprite row of an airline's colour; an airline without an identity flies red.
int SpriteRowTop(int identity) {
  const int index = IdentityIndex(identity);
  return At(kAirlineIdentities, index < 0 ? IdentityIndex(kOceanAirways) : index).spriteRowTop;
}

}  // namespace

void DrawPlanes(CGapiSurface& screen, const CGapiSurface& sprites, const Sky& sky, const MapView& view) {
  for (int i = 0; i < sky.count; ++i) {
    const SkyPlane& plane = At(sky.planes, i);
    const double screenX = plane.x - view.viewX + kViewportX;
    const double screenY = plane.y - view.viewY + kViewportY;
    if (!(screenX - kSpriteHalf > kViewportX && screenX + kSpriteHalf < 320 && screenY - kSpriteHalf > 0 &&
          screenY + kSpriteHalf < kViewportHeight)) {
      continue;
    }
    const Columns columns = kHeadingColumns[static_cast<int>(plane.heading)];
    const int top = SpriteRowTop(plane.identity);
    const GapiRect cell{columns.left, top, columns.right, top + kSpriteHeight};
    screen.BltFast(static_cast<int>(screenX - kSpriteHalf), static_cast<int>(screenY - kSpriteHalf), sprites, &cell,
                   kBltColorKey);
  }
}

}  // namespace jetvale
