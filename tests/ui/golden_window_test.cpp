// Each of the 20 windows drawn over the start-up map, compared with its reviewed picture in tests/golden/.
// After a deliberate change, regenerate and look at every picture before committing:
//   JETVALE_UPDATE_GOLDEN=1 build/test/tests/jetvale_tests --gtest_filter='GoldenWindows.*'
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "ui/golden.h"

namespace jetvale {
namespace {

TEST(GoldenWindows, EveryWindowDrawsAsReviewed) {
  HeadlessGame h(JETVALE_ASSET_DIR);
  h.ui().command = kCommandNone;
  h.RunFrames(1);
  for (int window = 0; window < kBuiltWindowCount; ++window) {
    CGapiSurface picture = h.game.BackBuffer();
    DrawWindow(picture, h.ui().windows[window]);
    ExpectMatchesGolden(picture, "window_" + std::to_string(window));
  }
}

// What the update writes is what the comparison reads: each channel in its place, rows in order.
TEST(GoldenWindows, APictureWrittenReadsBackPixelForPixel) {
  const std::vector<Color> pixels = {kRed, kGreen, kBlue, MakeColor(1, 2, 3), kWhite, kBlack};
  const std::string path = ::testing::TempDir() + "three_by_two.png";
  ASSERT_TRUE(WritePng(path, 3, 2, pixels));
  int width = 0;
  int height = 0;
  std::vector<Color> back;
  ASSERT_TRUE(ReadPng(path, width, height, back));
  EXPECT_EQ(back, pixels);
  EXPECT_EQ(width, 3);
  EXPECT_EQ(height, 2);
  EXPECT_FALSE(ReadPng(path + ".none", width, height, back));
}

}  // namespace
}  // namespace jetvale
