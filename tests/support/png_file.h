// Golden pictures as PNG files: the tools' encoder, and a decoder for what it writes.
#pragma once

#include <string>
#include <vector>

#include "gfx/color.h"
#include "png/png_writer.h"

namespace jetvale {

// Reads back a picture this encoder wrote (fixed-Huffman or stored blocks, no row filters); false for anything else.
bool DecodePng(const std::vector<unsigned char>& png, int width, int height, std::vector<Color>& pixels);

}  // namespace jetvale
