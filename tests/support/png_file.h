// Golden pictures as PNG files, read and written through libpng.
#pragma once

#include <string>
#include <vector>

#include "gfx/color.h"

namespace jetvale {

// The pixels of a PNG file, top row first, whatever its colour type (alpha is dropped); false if unreadable.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<Color>& pixels);
bool WritePng(const std::string& path, int width, int height, const std::vector<Color>& pixels);

}  // namespace jetvale
