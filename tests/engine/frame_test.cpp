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
  EXPECT_EQ(h.sink.PresentedFrames(), 3);
  // The Tools menu at 35, 125 is drawn over the map: its blue title bar, blended.
  const Color underTitle = TestMapPixel(180 + 37 - 29, 100 + 128 - 9);
  EXPECT_NE(h.Pixel(37, 128), underTitle);
  EXPECT_GT(BlueOf(h.Pixel(37, 128)), BlueOf(underTitle) / 4);
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

TEST_F(Frame, AStatusMessageStartsLightGreyAndFadesToNothingOneLevelAFrame) {
  h.ui().command = 0;  // the plain map
  h.RunFrames(1);
  h.ui().Say("Plane Sold");
  h.RunFrames(1);
  EXPECT_TRUE(AnyPixelIs(h, 2, 233, 52, 240, MakeColor(200, 200, 200)));
  EXPECT_EQ(h.ui().status.countdown, 199);
  h.ui().Say("Flight Scheduled");  // a new message replaces the old one at once
  h.ui().status.countdown = 2;
  h.RunFrames(1);
  EXPECT_TRUE(AnyPixelIs(h, 2, 233, 80, 240, MakeColor(2, 2, 2)));
  h.RunFrames(2);
  EXPECT_EQ(h.ui().status.countdown, 0);
  EXPECT_FALSE(AnyPixelIs(h, 2, 233, 80, 240, MakeColor(1, 1, 1)));
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
