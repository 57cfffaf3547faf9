// 24-bit colours as the game writes them: red in the low byte, green in the middle, blue in the high byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jetvale {

using Color = std::uint32_t;

// A picture is its rows of colours one after another, top row first; its sizes and coordinates are ints, as the
// drawing's are. The colours of a width x height picture, and where pixel (x, y) of one `width` wide stands.
constexpr std::size_t PixelCount(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}
constexpr std::size_t PixelIndex(int x, int y, int width) { return static_cast<std::size_t>(y * width + x); }

constexpr Color MakeColor(int red, int green, int blue) {
  return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color kBlack = 0;
constexpr Color kWhite = 16777215;
constexpr Color kRed = 255;
constexpr Color kGreen = 65280;
constexpr Color kBlue = 16711680;
constexpr Color kYellow = 65535;
constexpr Color kOrange = 44791;  // buttons and menu markers; Atlantic Air's statement name
constexpr Color kLightOrange = 49134;
constexpr Color kPaleOrange = 45055;
constexpr Color kMagenta = 0xFF00FF;  // the sprite sheet's transparent colour

}  // namespace jetvale
