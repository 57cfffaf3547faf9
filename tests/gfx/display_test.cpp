// The display: the one landscape mode, the back buffer it hands out, and Flip presenting it.
#include <gtest/gtest.h>

#include "gfx/gapi_display.h"
#include "gfx/gapi_input.h"

namespace jetvale {
namespace {

class RefusingSink final : public PresentSink {
 public:
  bool Open(std::string& error) override {
    error = "no screen here";
    return false;
  }
  GapiResult Present(const CGapiSurface& /*frame*/) override { return kGapiOk; }
};

// Keeps what it was shown.
class RecordingSink final : public PresentSink {
 public:
  bool Open(std::string& /*error*/) override { return true; }
  GapiResult Present(const CGapiSurface& frame) override {
    frames.push_back(frame.Pixels());
    return kGapiOk;
  }
  std::vector<std::vector<Color>> frames;
};

TEST(Display, OpensInLandscapeAndFlipShowsTheBackBuffer) {
  CGapiDisplay display;
  RecordingSink sink;
  CGapiSurface backBuffer;
  EXPECT_EQ(display.SetDisplayMode(1), kGapiInvalidParams);
  EXPECT_EQ(display.GetBackBuffer(backBuffer), kGapiNotInitialized);  // nothing is open yet
  EXPECT_EQ(display.Flip(), kGapiNotInitialized);
  ASSERT_EQ(display.OpenDisplay(sink, 18), kGapiOk);
  EXPECT_EQ(display.GetBackBuffer(backBuffer), kGapiNotInitialized);  // open, but no mode set: no size yet
  ASSERT_EQ(display.SetDisplayMode(2), kGapiOk);
  ASSERT_EQ(display.GetBackBuffer(backBuffer), kGapiOk);
  EXPECT_EQ(display.GetWidth(), 320);
  EXPECT_EQ(display.GetHeight(), 240);
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
  RefusingSink none;
  EXPECT_TRUE(GapiFailed(refused.OpenDisplay(none, 18)));
  EXPECT_EQ(refused.OpenError(), "no screen here");
}

TEST(Input, TheKeyListPutsTheTwoCloseKeysAndTheScreenshotKeyWhereTheWindowLooks) {
  KeyList list;
  ASSERT_EQ(CGapiInput{}.GetKeyList(list), kGapiOk);
  EXPECT_EQ(list.keys[0], 0x1B);  // Escape closes
  EXPECT_EQ(list.keys[5], 0x51);  // so does Q
  EXPECT_EQ(list.keys[7], 0x7B);  // F12 saves a screenshot
}

TEST(Display, ResultCodesAreTheLibrarysNumbers) {
  // The frame loop shows a status text for each of these codes, so their values are part of the game; success
  // is the library's 0.
  EXPECT_EQ(kGapiOk, 0u);
  EXPECT_EQ(kGapiInvalidRect, 0xC86600E0u);
  EXPECT_EQ(kGapiInPrimary, 0xC86600A0u);
  EXPECT_EQ(kGapiInvalidParams, 0x80070057u);
  EXPECT_EQ(kGapiNotInitialized, 0xC8660080u);
  EXPECT_EQ(kGapiBackBufferLost, 0xC86600F0u);
  EXPECT_EQ(kGapiFrameLate, 0x48660100u);
  EXPECT_FALSE(GapiFailed(kGapiFrameLate));
  EXPECT_TRUE(GapiFailed(kGapiFail));
}

}  // namespace
}  // namespace jetvale
