// jetvale-screen: the real-window play test's eyes and hand.
//   jetvale-screen read FILE.bmp   the white and grey texts of a screenshot (items and titles, the status line),
//                                  read back with the game's own font, one run a line as "x y text" (the run's
//                                  top left in the 320 x 240 picture)
//   jetvale-screen item W I        the middle of item I of window W (I < 0 counts from the last item), "x y":
//                                  where a player aims at a button whose text is not unique on the screen
#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "gfx/bmp_file.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "ui/window_layouts.h"

namespace jetvale {
namespace {

constexpr char kFirstChar = '!';
constexpr char kLastChar = '~';
constexpr int kMostBlankCells = 2;  // blank cells inside a run are spaces; more end the run

constexpr int kDarkestInk = 64;  // darker greys are outlines and shadows

// Off the picture's bottom counts as no ink: the status line's cells reach one row below the screen.
bool IsInk(const BmpImage& image, int x, int y, Color ink) {
  return y < image.height && image.pixels[static_cast<std::size_t>(y * image.width + x)] == ink;
}

bool IsTextColor(Color c) {
  const std::uint32_t red = c & 0xFF;
  return red >= kDarkestInk && ((c >> 8) & 0xFF) == red && ((c >> 16) & 0xFF) == red;
}

bool InkAt(const FontGlyph& glyph, int column, int row) {
  return (glyph.rows[static_cast<std::size_t>(row)] >> (7 - column) & 1) != 0;
}

// A glyph is there when its ink is all of one white or grey and no other pixel of its cell has that colour; the
// cell's outline or shadow and the neighbours' cells do not matter.
bool GlyphAt(const BmpImage& image, const FontGlyph& glyph, int x, int y) {
  Color ink = 0;
  for (int row = 0; row < kGlyphHeight && ink == 0; ++row) {
    for (int column = 0; column < kGlyphWidth && ink == 0; ++column) {
      if (!InkAt(glyph, column, row)) continue;
      if (y + row >= image.height) return false;
      ink = image.pixels[static_cast<std::size_t>((y + row) * image.width + x + column)];
    }
  }
  if (!IsTextColor(ink)) return false;
  for (int row = 0; row < kGlyphHeight; ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      if (IsInk(image, x + column, y + row, ink) != InkAt(glyph, column, row)) return false;
    }
  }
  return true;
}

// No text colour in the cell: a space between words.
bool BlankCell(const BmpImage& image, int x, int y) {
  for (int row = 0; row < kGlyphHeight && y + row < image.height; ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      if (IsTextColor(image.pixels[static_cast<std::size_t>((y + row) * image.width + x + column)])) return false;
    }
  }
  return true;
}

// The character drawn at (x, y), or 0.
char CharAt(const BmpImage& image, int x, int y) {
  if (x < 0 || y < 0 || x + kGlyphWidth > image.width || y >= image.height) return 0;
  for (char c = kFirstChar; c <= kLastChar; ++c) {
    if (GlyphAt(image, GlyphFor(c), x, y)) return c;
  }
  return 0;
}

// Runs of two or more characters side by side, one cell apart; a lone character is too easily a stray mark.
void PrintRuns(const BmpImage& image) {
  std::set<std::pair<int, int>> used;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x + kGlyphWidth <= image.width; ++x) {
      if (used.count({x, y}) != 0 || CharAt(image, x, y) == 0) continue;
      std::string text;
      int blanks = 0;
      for (int cell = x; cell + kGlyphWidth <= image.width; cell += kGlyphWidth) {
        const char c = CharAt(image, cell, y);
        if (c != 0) {
          text.append(static_cast<std::size_t>(blanks), ' ').push_back(c);
          blanks = 0;
          used.insert({cell, y});
        } else if (BlankCell(image, cell, y) && ++blanks <= kMostBlankCells) {
          continue;
        } else {
          break;
        }
      }
      if (text.size() >= 2) std::printf("%d %d %s\n", x, y, text.c_str());
    }
  }
}

int Read(const char* path) {
  BmpImage image;
  std::string error;
  if (!ReadBmpFile(path, image, error)) {
    std::fprintf(stderr, "jetvale-screen: %s\n", error.c_str());
    return 1;
  }
  PrintRuns(image);
  return 0;
}

int PrintItem(const std::string& windowText, const std::string& itemText) {
  WindowTable windows;
  BuildWindows(windows);
  const int windowIndex = std::stoi(windowText);
  if (windowIndex < 0 || windowIndex >= kBuiltWindowCount) return 2;
  const GameWindow& window = windows[windowIndex];
  const int item = std::stoi(itemText) < 0 ? window.itemCount + std::stoi(itemText) : std::stoi(itemText);
  if (item < 0 || item >= window.itemCount) return 2;
  const WindowItem& i = window.Item(item);
  std::printf("%d %d\n", window.x + i.x + i.width / 2, window.y + i.y + i.height / 2);
  return 0;
}

}  // namespace
}  // namespace jetvale

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "read" && argc == 3) return jetvale::Read(argv[2]);
  if (command == "item" && argc == 4) return jetvale::PrintItem(argv[2], argv[3]);
  std::fputs("usage: jetvale-screen read FILE.bmp | jetvale-screen item WINDOW ITEM\n", stderr);
  return 2;
}
