// Writes pictures as PNG files for golden-image tests: our own small encoder, so the tests need no image library.
#pragma once

#include <string>
#include <vector>

#include "gfx/color.h"

namespace jetvale {

// The PNG bytes of a 24-bit picture, top row first. The same pixels always give the same bytes.
std::vector<unsigned char> EncodePng(int width, int height, const std::vector<Color>& pixels);
bool WritePngFile(const std::string& path, int width, int height, const std::vector<Color>& pixels);
// Reads back a picture this encoder wrote (fixed-Huffman or stored blocks, no row filters); false for anything else.
bool DecodePng(const std::vector<unsigned char>& png, int width, int height, std::vector<Color>& pixels);

}  // namespace jetvale
