// What a regenerated toolbar frame and sprite sheet must keep: clear button edges, and aircraft of one size with
// an outline that stands out on sea and land.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gfx/bmp_file.h"

namespace jetvale {
namespace {

BmpImage Asset(const char* name, int width, int height) {
  BmpImage image;
  std::string error;
  EXPECT_TRUE(ReadBmpFile(std::string(JETVALE_ASSET_DIR) + "/" + name, image, error)) << error;
  EXPECT_EQ(image.width, width);
  EXPECT_EQ(image.height, height);
  image.pixels.resize(static_cast<std::size_t>(width * height));
  return image;
}

Color At(const BmpImage& image, int x, int y) { return image.pixels[static_cast<std::size_t>(y * image.width + x)]; }

TEST(FrameAsset, ToolbarPicturesKeepTwoPixelsClearOfTheButtonEdges) {
  const BmpImage frame = Asset("frame.bmp", 320, 240);
  // The four buttons are 29 x 30 from x 0 (the toolbar's border line covers the tap rectangle's last column), with
  // a one-pixel bevel; the face shades from top to bottom only, so a clear ring inside the bevel has one colour at
  // both ends of each row, and one colour all along its top and bottom rows.
  for (const int top : {20, 53, 87, 120}) {
    for (int y = top + 1; y <= top + 28; ++y) EXPECT_EQ(At(frame, 1, y), At(frame, 27, y)) << "y " << y;
    for (int x = 1; x <= 27; ++x) {
      EXPECT_EQ(At(frame, x, top + 1), At(frame, 1, top + 1)) << "x " << x << " below the top of " << top;
      EXPECT_EQ(At(frame, x, top + 28), At(frame, 1, top + 28)) << "x " << x << " above the bottom of " << top;
    }
  }
  // The scroll pad's left arrow (tap rectangle from x 0) leaves the two left columns to the pad's plain well.
  for (int y = 195; y < 230; ++y) EXPECT_TRUE(At(frame, 0, y) == At(frame, 0, 195) && At(frame, 1, y) == At(frame, 0, 195)) << y;
}

TEST(SpriteAsset, EveryAircraftHasTheSameSizeAndADarkOutline) {
  // The game's source rectangles, [left, right): eight headings across, four airlines down, 16 rows each.
  constexpr std::array<std::array<int, 2>, 8> kHeadingCells{
      {{0, 16}, {18, 34}, {35, 51}, {54, 70}, {70, 86}, {88, 104}, {104, 120}, {120, 133}}};
  const BmpImage sheet = Asset("sprites.bmp", 135, 72);
  const auto filled = [&](int x, int y) { return At(sheet, x, y) != kMagenta; };
  const auto dark = [&](int x, int y) {
    const Color c = At(sheet, x, y);
    return RedOf(c) + GreenOf(c) + BlueOf(c) < 90;
  };
  for (const int top : {0, 17, 34, 51}) {
    std::array<int, 8> area{}, body{};  // body: the airline's colours inside the outline
    for (std::size_t h = 0; h < kHeadingCells.size(); ++h) {
      for (int y = top; y < top + 16; ++y) {
        for (int x = kHeadingCells[h][0]; x < kHeadingCells[h][1]; ++x) {
          if (!filled(x, y)) continue;
          ++area[h];
          // A pixel at the shape's rim (next to magenta) is the outline and must be dark.
          const bool rim = !filled(x - 1, y) || !filled(x + 1, y) || !filled(x, y - 1) || !filled(x, y + 1);
          EXPECT_TRUE(!rim || dark(x, y)) << "heading " << h << " at " << x << "," << y;
          body[h] += dark(x, y) ? 0 : 1;
        }
      }
    }
    // Turning a shape on a pixel grid changes its area a little; an aircraft drawn at 85 % would lose a quarter.
    for (std::size_t h = 0; h < kHeadingCells.size(); ++h) {
      EXPECT_TRUE(area[h] > area[0] * 85 / 100 && area[h] < area[0] * 115 / 100) << "row " << top << " heading " << h;
      EXPECT_GT(body[h], area[h] / 3) << "row " << top << " heading " << h;
    }
  }
}

}  // namespace
}  // namespace jetvale
