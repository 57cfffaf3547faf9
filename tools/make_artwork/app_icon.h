// The program's icon in the sizes a desktop and a web page ask for: the window icon's plane, drawn for each size.
#pragma once

#include <vector>

#include "gfx/bmp_file.h"

namespace jetvale::artwork {

// The sizes make_artwork writes: the desktop's from 16 to 256 pixels and the web page's 192 and 512.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 192, 256, 512};

struct AppIcon {
  BmpImage picture;
  std::vector<unsigned char> alpha;  // one byte a pixel, 255 opaque
};

// The blue airline's plane heading east. At 16 pixels it is the sprite itself, pixel for pixel; larger sizes are
// drawn from the shapes at that size, edges smoothed, so no size is a small one scaled up.
AppIcon DrawAppIcon(int size);

}  // namespace jetvale::artwork
