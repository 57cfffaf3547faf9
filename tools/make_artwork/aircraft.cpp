// Aircraft silhouette corners; coordinates avoid half-pixel values so rotated copies do not lose edge pixels to ties.
#include "aircraft.h"

namespace jetvale::artwork {

Layer AircraftSilhouette(const AircraftColors& colors) {
  const Polygon wings{{1.9, -0.9}, {-1.6, -6.3}, {-3.1, -6.3}, {-1.9, -0.9},
                      {-1.9, 0.9}, {-3.1, 6.3},  {-1.6, 6.3},  {1.9, 0.9}};
  const Polygon tailplane{{-4.1, -0.9}, {-5.6, -3.2}, {-6.4, -3.2}, {-6.1, -0.9},
                          {-6.1, 0.9},  {-6.4, 3.2},  {-5.6, 3.2},  {-4.1, 0.9}};
  const Polygon fuselage{{6.4, -0.3}, {5.2, -1.4}, {-5.4, -1.4}, {-6.4, -0.9},
                         {-6.4, 0.9}, {-5.4, 1.4}, {5.2, 1.4},   {6.4, 0.3}};
  return {{wings, colors.wings}, {tailplane, colors.wings}, {fuselage, colors.fuselage}};
}

}  // namespace jetvale::artwork
