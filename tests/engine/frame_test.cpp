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

TEST_F(Frame, AtStartTheToolsMenuIsCurrentOverTheMapAndNoClockIsShown) {
  h.RunFrames(3);
  EXPECT_EQ(h.sink.PresentedFrames(), 3);
  // The Tools menu at 35, 125 is drawn over the map: its blue title bar, blended.
  const Color underTitle = TestMapPixel(180 + 37 - 29, 100 + 128 - 9);
  EXPECT_NE(h.Pixel(37, 128), underTitle);
  EXPECT_GT(BlueOf(h.Pixel(37, 128)), BlueOf(underTitle) / 4);
  // The viewport shows the map from view (180, 100), right of the frame's toolbar column.
  EXPECT_EQ(h.Pixel(30, 10), TestMapPixel(181, 101));
  EXPECT_EQ(h.Pixel(319, 229), TestMapPixel(180 + 290, 100 + 220));
  EXPECT_EQ(h.Pixel(28, 100), kTestFrameColor);
  // Title and borders over everything; no balance, no clock, an empty status line.
  EXPECT_TRUE(AnyPixelIs(273, 1, 308, 9, kWhite));
  for (const auto& [x, y] : {std::pair{29, 120}, {150, 9}, {150, 230}}) EXPECT_EQ(h.Pixel(x, y), kWhite);
  EXPECT_FALSE(AnyPixelIs(0, 231, 320, 240, kWhite));
  EXPECT_FALSE(AnyPixelIs(0, 0, 270, 9, kWhite));
  EXPECT_EQ(h.game.Game().clock.minute, 0) << "the clock stands still";
}

TEST_F(Frame, OnceTheClockRunsTheStatusLineShowsTimeAndDateAndTheTitleTheBalance) {
  h.game.Game().clock.Start();
  h.RunFrames(1);
  EXPECT_TRUE(AnyPixelIs(6, 1, 36, 9, kWhite));  // "500.M"
  EXPECT_EQ(h.game.TimeText(), "01:05 ");
  EXPECT_EQ(h.game.DateText(), "Jan-1 Year 1 Mon");
  EXPECT_TRUE(AnyPixelIs(203, 233, 228, 240, kWhite));
  EXPECT_TRUE(AnyPixelIs(230, 233, 310, 240, kWhite));
}

TEST_F(Frame, AStatusMessageStartsLightGreyAndFadesToNothingOneLevelAFrame) {
  h.ui().command = 0;  // the plain map
  h.RunFrames(1);
  h.ui().Say("Plane Sold");
  h.RunFrames(1);
  EXPECT_TRUE(AnyPixelIs(2, 233, 52, 240, MakeColor(200, 200, 200)));
  EXPECT_EQ(h.ui().status.countdown, 199);
  h.ui().Say("Flight Scheduled");  // a new message replaces the old one at once
  h.ui().status.countdown = 2;
  h.RunFrames(1);
  EXPECT_TRUE(AnyPixelIs(2, 233, 80, 240, MakeColor(2, 2, 2)));
  h.RunFrames(2);
  EXPECT_EQ(h.ui().status.countdown, 0);
  EXPECT_FALSE(AnyPixelIs(2, 233, 80, 240, MakeColor(1, 1, 1)));
}

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
