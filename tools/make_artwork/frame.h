// The 320 x 240 screen frame: title and status strips, black map area and the toolbar the game draws over.
#pragma once

#include "gfx/bmp_file.h"

namespace jetvale::artwork {

BmpImage DrawFrame();

}  // namespace jetvale::artwork
