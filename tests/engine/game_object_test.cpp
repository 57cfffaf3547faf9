// The game object: its life on its own thread (bitmaps that cannot be used, pause, resume, stop), and whole
// frames drawn headless (the clock's pace, a map that cannot be copied).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "headless_game.h"

namespace jetvale {
namespace {

// Polls `done` for up to ten seconds of real time; false when it never came true.
template <typename Done>
bool Until(Done done) {
  for (int i = 0; i < 10000 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return done();
}

// Virtual time that counts the 100 ms sleeps: the first frame's set-up takes one, a paused game thread one a turn.
class CountingHost final : public Host {
 public:
  std::uint32_t TickCount() override { return 1; }
  std::int64_t NowMicroseconds() override { return now_.load(); }
  void SleepMicroseconds(std::int64_t microseconds) override {
    now_ += microseconds;
    if (microseconds == 100000) longSleeps += 1;
  }
  std::atomic<int> longSleeps{0};

 private:
  std::atomic<std::int64_t> now_{0};
};

TEST(GameObject, AMissingOrWrongBitmapEndsTheGameBeforeAnythingIsShown) {
  VirtualHost host;
  const std::string missingMap = MakeTestAssets("jetvale_missing_map", &kMapBitmap);
  GameObject missing(host, missingMap, missingMap);
  HeadlessSink sink;
  ASSERT_TRUE(missing.Start(sink));
  EXPECT_TRUE(Until([&] { return !missing.IsRunning(); })) << "the game thread ends on its own";
  missing.Stop();
  EXPECT_EQ(missing.StartupError().rfind("bitmap 135: ", 0), 0u) << missing.StartupError();  // the map's number
  EXPECT_NE(missing.StartupError().find("world_map.bmp: cannot be opened"), std::string::npos);
  EXPECT_EQ(sink.PresentedFrames(), 0);

  // A wrong size, one row short included, is refused with both sizes.
  for (const auto& [file, image, number, says] : {
           std::tuple{"frame.bmp", BmpImage{2, 2, {kRed, kRed, kRed, kRed}}, "bitmap 133: ",
                      "frame.bmp: is 2 x 2 pixels, the game needs 320 x 240"},
           {"sprites.bmp", BmpImage{135, 71, std::vector<Color>(135 * 71, kRed)}, "bitmap 134: ",
            "sprites.bmp: is 135 x 71 pixels, the game needs 135 x 72"},
       }) {
    const std::string dir = MakeTestAssets(std::string("jetvale_wrong_") + file);
    WriteBmpFile(dir + "/" + file, image);
    HeadlessGame wrong(dir);
    wrong.RunFrames(1);
    EXPECT_EQ(wrong.game.StartupError().rfind(number, 0), 0u) << wrong.game.StartupError();
    EXPECT_NE(wrong.game.StartupError().find(says), std::string::npos) << wrong.game.StartupError();
    EXPECT_EQ(wrong.sink.PresentedFrames(), 0);
  }
}

TEST(GameObject, PauseHoldsTheFramesResumeGoesOnAndStopEndsAPausedThread) {
  CountingHost host;
  const std::string assets = MakeTestAssets("jetvale_pause");
  GameObject game(host, assets, assets);
  HeadlessSink sink;
  ASSERT_TRUE(game.Start(sink));
  ASSERT_TRUE(Until([&] { return sink.PresentedFrames() >= 3; }));
  game.Pause();
  // Once the thread sleeps paused, the frame under way has finished; two more of its sleeps show no new frame.
  ASSERT_TRUE(Until([&] { return host.longSleeps.load() >= 2; })) << "a paused thread sleeps";
  const int held = sink.PresentedFrames();
  ASSERT_TRUE(Until([&] { return host.longSleeps.load() >= 4; }));
  EXPECT_EQ(sink.PresentedFrames(), held);
  game.Resume();
  EXPECT_TRUE(Until([&] { return sink.PresentedFrames() >= held + 3; }));
  game.Pause();
  game.Stop();
  EXPECT_FALSE(game.IsRunning());
  game.Stop();  // a second stop returns at once
}

class Frame : public ::testing::Test {
 protected:
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
  EXPECT_EQ(h.Pixel(29, 120), kWhite);  // the map's place, left white
  EXPECT_EQ(h.sink.PresentedFrames(), 1);
}

}  // namespace
}  // namespace jetvale
