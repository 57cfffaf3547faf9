// The 135 x 72 aircraft sheet: one row of eight headings per airline colour, magenta where nothing is drawn.
#pragma once

#include <string>

#include "gfx/bmp_file.h"

namespace jetvale::artwork {

// Draws the sheet; false, with the reason in `error`, when an aircraft would leave its cell or sit off its centre.
bool DrawSpriteSheet(BmpImage& sheet, std::string& error);

}  // namespace jetvale::artwork
