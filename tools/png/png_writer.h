// Writes pictures as PNG files: our own small encoder, so neither the tools nor the tests need an image library.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "gfx/color.h"

namespace jetvale {

// The PNG bytes of a picture, top row first; with `alpha` (one byte a pixel, 255 opaque) the picture has an alpha
// channel. The same pixels always give the same bytes.
std::vector<unsigned char> EncodePng(int width, int height, const std::vector<Color>& pixels,
                                     const std::vector<unsigned char>* alpha = nullptr);
bool WritePngFile(const std::string& path, int width, int height, const std::vector<Color>& pixels,
                  const std::vector<unsigned char>* alpha = nullptr);

// Deflate's length and distance codes, which a reader needs too.
inline constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
inline constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
inline constexpr std::array<int, 30> kDistanceBase = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                               33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};


}  // namespace jetvale
