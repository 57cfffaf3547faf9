// The platform layer: the one landscape display and its back buffer, frame pacing and the hand-over of frames
// between threads (the real clock and the bitmaps' lookup are the shell's and the package's to show).
#include <gtest/gtest.h>

#include <tuple>

#include "gfx/frame_exchange.h"
#include "gfx/gapi_display.h"
#include "gfx/gapi_timer.h"

namespace jetvale {
namespace {

// Keeps what it was shown.
struct Sink final : PresentSink {
  bool Open(std::string&) override { return true; }
  GapiResult Present(const CGapiSurface& frame) override {
    frames.push_back(frame.Pixels());
    return kGapiOk;
  }
  std::vector<std::vector<Color>> frames;
};

TEST(Display, OpensInLandscapeAndFlipShowsTheBackBuffer) {
  CGapiDisplay display;
  Sink sink;
  CGapiSurface backBuffer;
  EXPECT_EQ(display.SetDisplayMode(1), kGapiInvalidParams);
  EXPECT_EQ(display.GetBackBuffer(backBuffer), kGapiNotInitialized);  // nothing is open yet
  EXPECT_EQ(display.Flip(), kGapiNotInitialized);
  ASSERT_EQ(display.OpenDisplay(sink, 18), kGapiOk);
  EXPECT_EQ(display.GetBackBuffer(backBuffer), kGapiNotInitialized);  // open, but no mode set: no size yet
  ASSERT_EQ(display.SetDisplayMode(2), kGapiOk);
  ASSERT_EQ(display.GetBackBuffer(backBuffer), kGapiOk);
  EXPECT_EQ(std::pair(backBuffer.GetWidth(), backBuffer.GetHeight()), std::pair(320, 240));
  backBuffer.SetPixel(319, 239, kRed);
  EXPECT_EQ(display.Flip(), kGapiOk);
  ASSERT_EQ(sink.frames.size(), 1u);
  EXPECT_EQ(sink.frames[0].back(), kRed);

  EXPECT_FALSE(GapiFailed(kGapiFrameLate));  // a late frame is news, not a failure
}

TEST(FrameTimer, WaitsOutTheRestOfTheFrameAndRestartsAfterALateOne) {
  VirtualHost host;
  CGapiTimer timer(host);
  EXPECT_EQ(timer.WaitForNextFrame(), kGapiNotInitialized);
  EXPECT_EQ(timer.StartTimer(0), kGapiInvalidParams);
  ASSERT_EQ(timer.StartTimer(30), kGapiOk);  // frames of 33333 microseconds, the first due at 33333
  // Each frame's work, what the wait says, and the clock after it.
  for (const auto& [work, result, now] : {std::tuple{10000, kGapiOk, 33333}, {33333, kGapiOk, 66666},  // on time
                                          {50000, kGapiFrameLate, 116666},  // no wait, and the next due at 149999
                                          {0, kGapiOk, 149999}}) {
    host.SleepMicroseconds(work);
    EXPECT_EQ(timer.WaitForNextFrame(), result) << work;
    EXPECT_EQ(host.NowMicroseconds(), now) << work;
  }
  host.Sleep(2);  // milliseconds
  EXPECT_EQ(host.NowMicroseconds(), 149999 + 2000);
}

TEST(FrameExchange, TheWindowGetsTheNewestFrameOnceAndBuffersAreNeverShared) {
  FrameExchange exchange;
  EXPECT_EQ(exchange.TakeLatest(), nullptr);
  exchange.WriteBuffer().assign(1, kRed);
  exchange.Publish();
  exchange.WriteBuffer().assign(1, kGreen);
  exchange.Publish();
  const std::vector<Color>* shown = exchange.TakeLatest();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->front(), kGreen);
  EXPECT_EQ(exchange.TakeLatest(), nullptr);  // nothing new since
  // Round after round, the frame being drawn is never the one on show.
  for (const Color color : {kBlue, kWhite, kYellow, kBlack}) {
    EXPECT_NE(&exchange.WriteBuffer(), shown);
    exchange.WriteBuffer().assign(1, color);
    exchange.Publish();
    shown = exchange.TakeLatest();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->front(), color);
  }
}

}  // namespace
}  // namespace jetvale
