// Whole frames drawn headless: what the screen shows before and after a game starts, and the map's errors.
#include <gtest/gtest.h>

#include "headless_game.h"

namespace jetvale {
namespace {

class Frame : public ::testing::Test {
 protected:
  bool AnyPixelIs(int left, int top, int right, int bottom, Color color) const {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if (h.Pixel(x, y) == color) return true;
      }
    }
    return false;
  }
  // Frames until the clock text next changes; 0 when it has not changed after the slowest speed's 12 frames.
  int FramesToNextTick() {
    const std::string before = h.game.TimeText();
    for (int frames = 1; frames <= kSpeedSlow; ++frames) {
      h.RunFrames(1);
      if (h.game.TimeText() != before) return frames;
    }
    return 0;
  }
  HeadlessGame h{MakeTestAssets("jetvale_frame_test")};
};

TEST_F(Frame, TheClockTicksOnceEveryGameSpeedFrames) {
  h.game.Game().clock.Start();
  EXPECT_EQ(FramesToNextTick(), 1);
  EXPECT_EQ(FramesToNextTick(), 1);  // FAST: every frame
  for (const int speed : {kSpeedSlow, kSpeedMedium, kSpeedFast}) {
    h.ui().gameSpeed = speed;
    FramesToNextTick();  // the first tick after a change may come sooner
    EXPECT_EQ(FramesToNextTick(), speed);
    EXPECT_EQ(FramesToNextTick(), speed);
  }
}

TEST_F(Frame, AMapThatCannotBeCopiedIsReportedOnTheStatusLineAndTheFrameGoesOn) {
  h.ui().map.viewX = 1000;  // 1000 + 291 lies beyond the 1220-pixel map
  h.RunFrames(1);
  EXPECT_EQ(h.ui().status.text, "INVALIDRECT");
  EXPECT_EQ(h.ui().status.countdown, 254);
  EXPECT_TRUE(AnyPixelIs(2, 233, 60, 240, kWhite));  // drawn at full white in its first frame
  EXPECT_EQ(h.Pixel(29, 120), kWhite);
  EXPECT_EQ(h.sink.PresentedFrames(), 1);
}

}  // namespace
}  // namespace jetvale
