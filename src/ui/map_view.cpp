// The map picture under the viewport.
#include "ui/map_view.h"

namespace jetvale {

GapiResult MapView::DrawMap(CGapiSurface& screen, const CGapiSurface& map) const {
  const GapiRect source{viewX, viewY, viewX + kViewportWidth, viewY + kViewportHeight};
  return screen.BltFast(kViewportX, kViewportY, map, &source, kBltOpaque);
}

}  // namespace jetvale
