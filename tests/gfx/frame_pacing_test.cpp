// Frame pacing and the hand-over of frames between the game thread and the window thread.
#include <gtest/gtest.h>

#include "gfx/frame_exchange.h"
#include "gfx/gapi_timer.h"

namespace jetvale {
namespace {

TEST(FrameTimer, WaitsOutTheRestOfTheFrameAndRestartsAfterALateOne) {
  VirtualHost host;
  CGapiTimer timer(host);
  EXPECT_EQ(timer.WaitForNextFrame(), kGapiNotInitialized);
  EXPECT_EQ(timer.StartTimer(0), kGapiInvalidParams);
  ASSERT_EQ(timer.StartTimer(30), kGapiOk);
  host.SleepMicroseconds(10000);  // a 10 ms frame
  EXPECT_EQ(timer.WaitForNextFrame(), kGapiOk);
  EXPECT_EQ(host.NowMicroseconds(), 33333);
  host.SleepMicroseconds(50000);  // a frame that took too long
  EXPECT_EQ(timer.WaitForNextFrame(), kGapiFrameLate);
  EXPECT_EQ(host.NowMicroseconds(), 83333);  // no wait
  EXPECT_EQ(timer.WaitForNextFrame(), kGapiOk);
  EXPECT_EQ(host.NowMicroseconds(), 83333 + 33333);  // one period after the late frame, no rush
  host.Sleep(2);  // milliseconds
  EXPECT_EQ(host.NowMicroseconds(), 83333 + 33333 + 2000);
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

// The real machine's clock counts from the host's start, so frame times are small numbers that cannot overflow.
TEST(SystemHost, ItsClockStartsNearZeroAndNeverGoesBackAndItsTickCountIsInMilliseconds) {
  SystemHost host;
  const std::int64_t first = host.NowMicroseconds();
  EXPECT_GE(first, 0);
  EXPECT_LT(first, 60'000'000);  // a minute: far more than constructing it takes, far less than a machine's uptime
  EXPECT_GE(host.NowMicroseconds(), first);
  // The tick count that seeds a new game counts milliseconds.
  const std::uint32_t ticks = host.TickCount();
  host.Sleep(20);
  EXPECT_GE(host.TickCount() - ticks, 20u);
}

}  // namespace
}  // namespace jetvale
