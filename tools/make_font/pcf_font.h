// Reads X11 PCF bitmap fonts (the format of Debian's /usr/share/fonts/X11/misc) into plain glyph bitmaps.
#pragma once

#include <cstddef>
#include <map>
#include <vector>

namespace make_font {

// One glyph as X11 places it: an ink box measured from the pen position on the baseline.
struct PcfGlyph {
  int left = 0;     // first ink column, right of the pen
  int right = 0;    // one past the last ink column
  int advance = 0;  // how far the pen moves after the glyph
  int ascent = 0;   // ink rows above the baseline
  int descent = 0;  // ink rows below the baseline
  std::vector<bool> ink;  // Width() x Height(), top row first

  int Width() const { return right - left; }
  int Height() const { return ascent + descent; }
  bool Ink(int x, int y) const { return ink[static_cast<std::size_t>(y * Width() + x)]; }
};

struct PcfFont {
  int ascent = 0;   // rows the font reserves above the baseline
  int descent = 0;  // and below it
  std::map<char32_t, PcfGlyph> glyphs;  // by encoding: Unicode for ISO10646-1 fonts
};

// Parses the bytes of an uncompressed PCF file; throws std::runtime_error saying what is wrong with them.
PcfFont ParsePcf(const std::vector<unsigned char>& bytes);

}  // namespace make_font
