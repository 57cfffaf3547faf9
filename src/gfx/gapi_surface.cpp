// The software surface: every drawing operation of the game ends up in one of these loops.
#include "gfx/gapi_surface.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/bmp_file.h"
#include "gfx/font.h"

namespace jetvale {
namespace {

// One colour laid over many pixels at one opacity: each channel becomes (over x opacity + under x (255 - opacity))
// / 255, truncated. Red and blue share one multiply (each product fits 16 bits), and x / 255 for x up to 255 x 255
// is (x + 1 + (x >> 8)) >> 8, so a window's blended fills cost a few operations a pixel.
class Blender {
 public:
  Blender(Color over, int opacity)
      : overRedBlue_((over & 0xFF00FFu) * static_cast<std::uint32_t>(opacity)),
        overGreen_(((over >> 8) & 0xFFu) * static_cast<std::uint32_t>(opacity)),
        keep_(static_cast<std::uint32_t>(255 - opacity)) {}
  Color Over(Color under) const {
    std::uint32_t redBlue = overRedBlue_ + (under & 0xFF00FFu) * keep_;
    std::uint32_t green = overGreen_ + ((under >> 8) & 0xFFu) * keep_;
    redBlue = ((redBlue + 0x00010001u + ((redBlue >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    green = ((green + 1 + (green >> 8)) >> 8) & 0xFFu;
    return redBlue | (green << 8);
  }

 private:
  std::uint32_t overRedBlue_;
  std::uint32_t overGreen_;
  std::uint32_t keep_;
};

// Calls visit(x, y) for every ink pixel of `text` set in the 5 x 8 font with its top left at (left, top).
template <typename Visit>
void ForEachInkPixel(int left, int top, std::string_view text, Visit visit) {
  int penX = left;
  for (const char c : text) {
    int y = top;
    for (const std::uint8_t bits : GlyphFor(c).rows) {
      for (int column = 0; column < kGlyphWidth; ++column) {
        if ((bits & (0x80 >> column)) != 0) visit(penX + column, y);
      }
      ++y;
    }
    penX += kGlyphWidth;
  }
}

}  // namespace

GapiResult CGapiSurface::CreateSurface(int width, int height) {
  if (width <= 0 || height <= 0) return kGapiInvalidParams;
  width_ = width;
  height_ = height;
  pixels_.assign(PixelCount(width, height), kBlack);
  return kGapiOk;
}

GapiResult CGapiSurface::CreateSurface(const std::string& bmpPath, std::string* error) {
  BmpImage image;
  std::string why;
  if (!ReadBmpFile(bmpPath, image, why)) {
    if (error != nullptr) *error = why;
    return kGapiFail;
  }
  width_ = image.width;
  height_ = image.height;
  pixels_ = std::move(image.pixels);
  return kGapiOk;
}

GapiResult CGapiSurface::SetColorKey(Color key) {
  colorKey_ = key;
  return kGapiOk;
}

GapiResult CGapiSurface::BltFast(int x, int y, const CGapiSurface& source, const GapiRect* sourceRect,
                                 std::uint32_t flags) {
  if (!IsInitialized() || !source.IsInitialized()) return kGapiNotInitialized;
  if (&source == this) return kGapiInPrimary;
  if (flags != kBltOpaque && flags != kBltColorKey) return kGapiInvalidParams;
  const GapiRect whole{0, 0, source.width_, source.height_};
  const GapiRect src = sourceRect != nullptr ? *sourceRect : whole;
  if (src.left < 0 || src.top < 0 || src.right > source.width_ || src.bottom > source.height_ ||
      src.left >= src.right || src.top >= src.bottom) {
    return kGapiInvalidRect;
  }
  // Clip the destination; the source window shrinks with it.
  const int skipLeft = std::max(0, -x);
  const int skipTop = std::max(0, -y);
  const int columns = std::min(src.Width(), width_ - x) - skipLeft;
  const int rows = std::min(src.Height(), height_ - y) - skipTop;
  if (columns <= 0 || rows <= 0) return kGapiOk;
  const bool keyed = flags == kBltColorKey && source.colorKey_.has_value();
  for (int row = 0; row < rows; ++row) {
    const Color* from = &source.pixels_[PixelIndex(src.left + skipLeft, src.top + skipTop + row, source.width_)];
    Color* to = &pixels_[PixelIndex(x + skipLeft, y + skipTop + row, width_)];
    if (!keyed) {
      std::copy(from, from + columns, to);
      continue;
    }
    for (int column = 0; column < columns; ++column) {
      if (from[column] != *source.colorKey_) to[column] = from[column];
    }
  }
  return kGapiOk;
}

GapiResult CGapiSurface::FillRect(const GapiRect& rect, Color color, std::uint32_t flags, const FillEffect* effect) {
  if (!IsInitialized()) return kGapiNotInitialized;
  if (flags != kFillSolid && flags != kFillBlend) return kGapiInvalidParams;
  if (flags == kFillBlend && effect == nullptr) return kGapiInvalidParams;
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, width_);
  const int bottom = std::min(rect.bottom, height_);
  if (left >= right || top >= bottom) return kGapiOk;  // clipped to nothing, or turned inside out
  const int opacity = flags == kFillBlend ? std::clamp(effect->opacity, 0, 255) : 255;
  const Blender blender(color, opacity);
  for (int y = top; y < bottom; ++y) {
    Color* row = &pixels_[PixelIndex(0, y, width_)];
    if (opacity == 255) {
      std::fill(row + left, row + right, color);
    } else {
      for (int x = left; x < right; ++x) row[x] = blender.Over(row[x]);
    }
  }
  return kGapiOk;
}

GapiResult CGapiSurface::DrawTextW(int x, int y, std::string_view text, Color color, std::uint32_t flags) {
  if (!IsInitialized()) return kGapiNotInitialized;
  if (flags != kTextPlain && flags != kTextOutline && flags != kTextShadow) return kGapiInvalidParams;
  // The dark pass covers the whole line before any ink, so no letter's outline eats into its neighbour's ink.
  if (flags == kTextOutline) {
    ForEachInkPixel(x, y, text, [this](int inkX, int inkY) {
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) PutPixel(inkX + dx, inkY + dy, kBlack);
      }
    });
  } else if (flags == kTextShadow) {
    ForEachInkPixel(x, y, text, [this](int inkX, int inkY) { PutPixel(inkX + 1, inkY + 1, kBlack); });
  }
  ForEachInkPixel(x, y, text, [this, color](int inkX, int inkY) { PutPixel(inkX, inkY, color); });
  return kGapiOk;
}

GapiResult CGapiSurface::DrawLine(int x1, int y1, int x2, int y2, Color color, std::uint32_t flags) {
  if (!IsInitialized()) return kGapiNotInitialized;
  if (flags != 0) return kGapiInvalidParams;
  // Bresenham, both end points included.
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int stepX = x1 < x2 ? 1 : -1;
  const int stepY = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    PutPixel(x1, y1, color);
    if (x1 == x2 && y1 == y2) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x1 += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y1 += stepY;
    }
  }
  return kGapiOk;
}

GapiResult CGapiSurface::SetPixel(int x, int y, Color color) {
  if (!IsInitialized()) return kGapiNotInitialized;
  PutPixel(x, y, color);
  return kGapiOk;
}

Color CGapiSurface::GetPixel(int x, int y) const {
  return Contains(x, y) ? pixels_[PixelIndex(x, y, width_)] : kBlack;
}

GapiResult CGapiSurface::SaveSurface(const std::string& bmpPath) const {
  if (!IsInitialized()) return kGapiNotInitialized;
  if (bmpPath.empty()) return kGapiInvalidParams;
  return WriteBmpFile(bmpPath, BmpImage{width_, height_, pixels_}) ? kGapiOk : kGapiFail;
}

}  // namespace jetvale
