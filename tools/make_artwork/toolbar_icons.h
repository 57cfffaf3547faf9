// The four toolbar button pictures, drawn in button-local coordinates (29 x 30, the last column is the border line).
#pragma once

#include <vector>

#include "raster.h"

namespace jetvale::artwork {

// Layers are outlined one by one, so a front layer keeps its outline where it overlaps a back one.
struct IconLayer {
  Layer shapes;
  Color outline;
};
using Icon = std::vector<IconLayer>;

Icon PlanesIcon();
Icon FinanceIcon();
Icon PassengersIcon();
Icon ToolsIcon();

}  // namespace jetvale::artwork
