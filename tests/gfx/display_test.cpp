// The display: the one landscape mode, the back buffer it hands out, Flip presenting it; and the key list.
#include <gtest/gtest.h>

#include "gfx/gapi_display.h"
#include "gfx/gapi_input.h"

namespace jetvale {
namespace {

// Opens when told to, else refuses with a reason; keeps what it was shown.
struct Sink final : PresentSink {
  explicit Sink(bool willOpen) : opens(willOpen) {}
  bool Open(std::string& error) override {
    error = "no screen here";  // read only when it does not open
    return opens;
  }
  GapiResult Present(const CGapiSurface& frame) override {
    frames.push_back(frame.Pixels());
    return kGapiOk;
  }
  bool opens;
  std::vector<std::vector<Color>> frames;
};

TEST(Display, OpensInLandscapeAndFlipShowsTheBackBuffer) {
  CGapiDisplay display;
  Sink sink(true);
  CGapiSurface backBuffer;
  EXPECT_EQ(display.SetDisplayMode(1), kGapiInvalidParams);
  EXPECT_EQ(display.GetBackBuffer(backBuffer), kGapiNotInitialized);  // nothing is open yet
  EXPECT_EQ(display.Flip(), kGapiNotInitialized);
  ASSERT_EQ(display.OpenDisplay(sink, 18), kGapiOk);
  EXPECT_EQ(display.GetBackBuffer(backBuffer), kGapiNotInitialized);  // open, but no mode set: no size yet
  ASSERT_EQ(display.SetDisplayMode(2), kGapiOk);
  ASSERT_EQ(display.GetBackBuffer(backBuffer), kGapiOk);
  EXPECT_EQ(backBuffer.GetWidth(), 320);
  EXPECT_EQ(backBuffer.GetHeight(), 240);
  backBuffer.SetPixel(319, 239, kRed);
  EXPECT_EQ(display.Flip(), kGapiOk);
  ASSERT_EQ(sink.frames.size(), 1u);
  EXPECT_EQ(sink.frames[0].back(), kRed);
  // Fetched again (after a lost back buffer) it keeps the last frame, so a screenshot still shows it.
  ASSERT_EQ(display.GetBackBuffer(backBuffer), kGapiOk);
  EXPECT_EQ(backBuffer.GetPixel(319, 239), kRed);

  CGapiDisplay refused;
  Sink none(false);
  EXPECT_TRUE(GapiFailed(refused.OpenDisplay(none, 18)));
  EXPECT_EQ(refused.OpenError(), "no screen here");
  EXPECT_FALSE(GapiFailed(kGapiFrameLate));  // a late frame is news, not a failure
}

TEST(Input, TheKeyListPutsTheTwoCloseKeysAndTheScreenshotKeyWhereTheWindowLooks) {
  KeyList list;
  ASSERT_EQ(CGapiInput{}.GetKeyList(list), kGapiOk);
  EXPECT_EQ(list.keys[0], 0x1B);  // Escape closes
  EXPECT_EQ(list.keys[5], 0x51);  // so does Q
  EXPECT_EQ(list.keys[7], 0x7B);  // F12 saves a screenshot
}

}  // namespace
}  // namespace jetvale
