// The one aircraft silhouette (top view, nose along +x, centred on the origin) used by the sprites and the toolbar.
#pragma once

#include "raster.h"

namespace jetvale::artwork {

struct AircraftColors {
  Color wings;
  Color fuselage;
};

// About 12 px nose to tail at scale 1; the outline added later makes it 14.
Layer AircraftSilhouette(const AircraftColors& colors);

}  // namespace jetvale::artwork
