// Reading and writing uncompressed BMP files (24- and 32-bit) as rows of game colours.
#pragma once

#include <string>
#include <vector>

#include "gfx/color.h"

namespace jetvale {

struct BmpImage {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // top row first
};

// Reads a BMP; on failure returns false and `error` names the file and what is wrong with it.
bool ReadBmpFile(const std::string& path, BmpImage& image, std::string& error);
// Parses BMP bytes already in memory; `name` is used in the error text.
bool ParseBmp(const std::vector<unsigned char>& bytes, const std::string& name, BmpImage& image, std::string& error);
// Writes a 24-bit bottom-up BMP that every common viewer opens.
bool WriteBmpFile(const std::string& path, const BmpImage& image);

}  // namespace jetvale
