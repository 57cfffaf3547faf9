// The software surface: every drawing operation of the game ends up in one of these loops.
#include "gfx/gapi_surface.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/bmp_file.h"
#include "gfx/font.h"

namespace jetvale {
namespace {

Color Blend(Color over, Color under, int opacity) {
  const int keep = 255 - opacity;
  return MakeColor((RedOf(over) * opacity + RedOf(under) * keep) / 255,
                   (GreenOf(over) * opacity + GreenOf(under) * keep) / 255,
                   (BlueOf(over) * opacity + BlueOf(under) * keep) / 255);
}

}  // namespace

GapiResult CGapiSurface::CreateSurface(int width, int height) {
  if (width <= 0 || height <= 0) return kGapiInvalidParams;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlack);
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
    const Color* from = &source.pixels_[static_cast<std::size_t>((src.top + skipTop + row) * source.width_ +
                                                                 src.left + skipLeft)];
    Color* to = &pixels_[static_cast<std::size_t>((y + skipTop + row) * width_ + x + skipLeft)];
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
  const int opacity = flags == kFillBlend ? std::clamp(effect->opacity, 0, 255) : 255;
  for (int y = top; y < bottom; ++y) {
    Color* row = &pixels_[static_cast<std::size_t>(y * width_)];
    for (int x = left; x < right; ++x) row[x] = opacity == 255 ? color : Blend(color, row[x], opacity);
  }
  return kGapiOk;
}

GapiResult CGapiSurface::DrawTextW(int x, int y, std::string_view text, Color color, std::uint32_t flags) {
  if (!IsInitialized()) return kGapiNotInitialized;
  const bool shadow = (flags & kTextShadow) != 0;
  int penX = x;
  for (const char c : text) {
    const FontGlyph& glyph = GlyphFor(c);
    for (int row = 0; row < kGlyphHeight; ++row) {
      const std::uint8_t bits = glyph.rows[static_cast<std::size_t>(row)];
      for (int column = 0; column < kGlyphWidth; ++column) {
        if ((bits & (0x80 >> column)) == 0) continue;
        if (shadow) PutPixel(penX + column + 1, y + row + 1, kBlack);
        PutPixel(penX + column, y + row, color);
      }
    }
    penX += kGlyphWidth;
  }
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
  return Contains(x, y) ? pixels_[static_cast<std::size_t>(y * width_ + x)] : kBlack;
}

GapiResult CGapiSurface::SaveSurface(const std::string& bmpPath) const {
  if (!IsInitialized()) return kGapiNotInitialized;
  if (bmpPath.empty()) return kGapiInvalidParams;
  return WriteBmpFile(bmpPath, BmpImage{width_, height_, pixels_}) ? kGapiOk : kGapiFail;
}

}  // namespace jetvale
