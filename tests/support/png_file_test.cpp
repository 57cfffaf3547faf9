// The golden pictures' PNG coder: what it writes, it reads back exactly, long runs and short ones alike.
#include <gtest/gtest.h>

#include "support/png_file.h"

namespace jetvale {
namespace {

TEST(PngFile, APictureComesBackPixelForPixel) {
  std::vector<Color> pixels;
  for (int i = 0; i < 70 * 50; ++i) pixels.push_back(i < 1000 ? kBlue : MakeColor(i % 7 * 30, i % 251, i / 50));
  const std::vector<unsigned char> png = EncodePng(70, 50, pixels);
  EXPECT_EQ(png[1], 'P');
  std::vector<Color> back;
  ASSERT_TRUE(DecodePng(png, 70, 50, back));
  EXPECT_EQ(back, pixels);
  EXPECT_FALSE(DecodePng(png, 71, 50, back));  // not the size asked for
  std::vector<unsigned char> cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2));
  EXPECT_FALSE(DecodePng(cut, 70, 50, back));
}

}  // namespace
}  // namespace jetvale
