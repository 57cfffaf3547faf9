// A software surface of 24-bit pixels with the drawing operations the game uses: blits, fills, text, lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/color.h"
#include "gfx/gapi_result.h"

namespace jetvale {

// left, top, right, bottom; right and bottom are exclusive.
struct GapiRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// BltFast flags.
constexpr std::uint32_t kBltOpaque = 0;
constexpr std::uint32_t kBltColorKey = 1;  // source pixels of the colour key are skipped

// FillRect flags; a blended fill takes its opacity (0..255) from the effect record.
constexpr std::uint32_t kFillSolid = 0;
constexpr std::uint32_t kFillBlend = 1;
struct FillEffect {
  int opacity = 255;
};

// DrawTextW flags. Text is always drawn without a background. The outline rings every ink pixel with black
// (its eight neighbours), so codes that sit close together on the map stay apart; the shadow puts black one
// pixel down and right, which keeps item texts readable on coloured item backgrounds. Both go under the ink.
constexpr std::uint32_t kTextPlain = 0;
constexpr std::uint32_t kTextOutline = 256;
constexpr std::uint32_t kTextShadow = 257;

class CGapiSurface {
 public:
  CGapiSurface() = default;

  // A surface of the given size, filled with black.
  GapiResult CreateSurface(int width, int height);
  // A surface holding the pixels of a BMP file; on failure `error` says which file and what is wrong.
  GapiResult CreateSurface(const std::string& bmpPath, std::string* error);

  bool IsInitialized() const { return !pixels_.empty(); }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }

  // A surface has no colour key until one is set; a keyed copy from a surface without one copies every pixel.
  GapiResult SetColorKey(Color key);
  // Copies the source rectangle (all of `source` when null) to (x, y), clipped to this surface.
  GapiResult BltFast(int x, int y, const CGapiSurface& source, const GapiRect* sourceRect, std::uint32_t flags);
  GapiResult FillRect(const GapiRect& rect, Color color, std::uint32_t flags, const FillEffect* effect);
  // One line of text with its top left at (x, y), in the 5 x 8 font; flags are one of the kText values.
  GapiResult DrawTextW(int x, int y, std::string_view text, Color color, std::uint32_t flags);
  GapiResult DrawLine(int x1, int y1, int x2, int y2, Color color, std::uint32_t flags);
  GapiResult SetPixel(int x, int y, Color color);
  Color GetPixel(int x, int y) const;
  GapiResult SaveSurface(const std::string& bmpPath) const;

  const std::vector<Color>& Pixels() const { return pixels_; }

 private:
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  void PutPixel(int x, int y, Color color) {
    if (Contains(x, y)) pixels_[PixelIndex(x, y, width_)] = color;
  }

  int width_ = 0;
  int height_ = 0;
  std::optional<Color> colorKey_;
  std::vector<Color> pixels_;
};

}  // namespace jetvale
