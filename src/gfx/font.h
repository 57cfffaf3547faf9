// The game's single bitmap font: 5 x 8 cells converted from the public-domain X11 "misc-fixed" 5x8 font, with the
// glyphs that reached the bottom row redrawn by hand.
#pragma once

#include <array>
#include <cstdint>

namespace jetvale {

constexpr int kGlyphWidth = 5;   // every character advances the pen by this many pixels
constexpr int kGlyphHeight = 8;  // fits the game's 9-pixel text rows

struct FontGlyph {
  char32_t code;
  std::array<std::uint8_t, kGlyphHeight> rows;  // top row first; bit 7 is the leftmost pixel
};

// The glyph drawn for a character: printable ASCII as itself, a tab as a blank cell,
// anything else the font lacks as '?'.
const FontGlyph& GlyphFor(char c);

}  // namespace jetvale
