// Frame pacing and the hand-over of frames between the game thread and the window thread.
#include <gtest/gtest.h>

#include <tuple>

#include "gfx/frame_exchange.h"
#include "gfx/gapi_timer.h"

namespace jetvale {
namespace {

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

// The real machine's clock counts from the host's start, so frame times are small numbers that cannot overflow.
TEST(SystemHost, ItsClockStartsNearZeroAndNeverGoesBackAndItsTickCountIsInMilliseconds) {
  SystemHost host;
  const std::int64_t first = host.NowMicroseconds();
  EXPECT_GE(first, 0);
  EXPECT_LT(first, 60'000'000);  // a minute: far more than constructing it takes, far less than a machine's uptime
  EXPECT_GE(host.NowMicroseconds(), first);
  const std::uint32_t ticks = host.TickCount();  // the tick count that seeds a new game
  host.Sleep(20);
  EXPECT_GE(host.TickCount() - ticks, 20u);
}

}  // namespace
}  // namespace jetvale
