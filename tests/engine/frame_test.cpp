// Whole frames drawn headless: what the screen shows before and after a game starts, and the map's errors.
#include <gtest/gtest.h>

#include "headless_game.h"

namespace jetvale {
namespace {

bool AnyPixelIs(const HeadlessGame& h, int left, int top, int right, int bottom, Color color) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (h.Pixel(x, y) == color) return true;
    }
  }
  return false;
}

class Frame : public ::testing::Test {
 protected:
  HeadlessGame h{MakeTestAssets("jetvale_frame_test")};
};

TEST_F(Frame, AtStartTheToolsMenuIsCurrentOverTheMapAndNoClockIsShown) {
  h.RunFrames(3);
  EXPECT_EQ(h.ui().command, 400);
  EXPECT_EQ(h.ui().currentWindow, 1);
  EXPECT_EQ(h.sink.PresentedFrames(), 3);
  // The viewport shows the map from view (180, 100).
  EXPECT_EQ(h.Pixel(30, 10), TestMapPixel(181, 101));
  EXPECT_EQ(h.Pixel(319, 229), TestMapPixel(180 + 290, 100 + 220));
  EXPECT_EQ(h.Pixel(28, 100), kTestFrameColor);
  // Title and borders are drawn over everything; the status line stays empty.
  EXPECT_TRUE(AnyPixelIs(h, 273, 1, 308, 9, kWhite));
  EXPECT_EQ(h.Pixel(29, 120), kWhite);
  EXPECT_EQ(h.Pixel(150, 9), kWhite);
  EXPECT_EQ(h.Pixel(150, 230), kWhite);
  EXPECT_FALSE(AnyPixelIs(h, 0, 231, 320, 240, kWhite));
  EXPECT_FALSE(AnyPixelIs(h, 0, 0, 270, 9, kWhite));
  EXPECT_EQ(h.game.Game().clock.hour, 1);
  EXPECT_EQ(h.game.Game().clock.minute, 0);
}

TEST_F(Frame, OnceTheClockRunsTheStatusLineShowsTimeAndDateAndTheTitleTheBalance) {
  h.game.Game().clock.Start();
  h.RunFrames(1);
  EXPECT_TRUE(AnyPixelIs(h, 6, 1, 36, 9, kWhite));  // "500.M"
  EXPECT_EQ(h.game.TimeText(), "01:05 ");
  EXPECT_EQ(h.game.DateText(), "Jan-1 Year 1 Mon");
  EXPECT_TRUE(AnyPixelIs(h, 203, 233, 228, 240, kWhite));
  EXPECT_TRUE(AnyPixelIs(h, 230, 233, 310, 240, kWhite));
}

// Frames until the clock text next changes.
int FramesToNextTick(HeadlessGame& h) {
  const std::string before = h.game.TimeText();
  int frames = 0;
  do {
    h.RunFrames(1);
    ++frames;
  } while (h.game.TimeText() == before);
  return frames;
}

TEST_F(Frame, TheClockTicksOnceEveryGameSpeedFrames) {
  h.game.Game().clock.Start();
  EXPECT_EQ(FramesToNextTick(h), 1);
  EXPECT_EQ(FramesToNextTick(h), 1);  // FAST: every frame
  for (const int speed : {kSpeedSlow, kSpeedMedium, kSpeedFast}) {
    h.ui().gameSpeed = speed;
    FramesToNextTick(h);  // the first tick after a change may come sooner
    EXPECT_EQ(FramesToNextTick(h), speed);
    EXPECT_EQ(FramesToNextTick(h), speed);
  }
}

TEST_F(Frame, AMapThatCannotBeCopiedIsReportedOnTheStatusLineAndTheFrameGoesOn) {
  h.ui().map.viewX = 1000;  // 1000 + 291 lies beyond the 1220-pixel map
  h.RunFrames(1);
  EXPECT_EQ(h.ui().status.text, "INVALIDRECT");
  EXPECT_EQ(h.ui().status.countdown, 254);
  EXPECT_TRUE(AnyPixelIs(h, 2, 233, 60, 240, kWhite));  // drawn at full white in its first frame
  EXPECT_EQ(h.Pixel(29, 120), kWhite);
  EXPECT_EQ(h.sink.PresentedFrames(), 1);
}

}  // namespace
}  // namespace jetvale
