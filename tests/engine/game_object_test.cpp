// The game object's life on its own thread: start-up failures, pause, resume, stop and the screenshot.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "headless_game.h"

namespace jetvale {
namespace {

void WaitForFrames(const HeadlessSink& sink, int atLeast) {
  while (sink.PresentedFrames() < atLeast) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

class NoScreen final : public PresentSink {
 public:
  bool Open(std::string& error) override {
    error = "no screen here";
    return false;
  }
  GapiResult Present(const CGapiSurface&) override { return kGapiOk; }
};

TEST(GameObject, ADisplayThatCannotOpenStartsNoThread) {
  VirtualHost host;
  const std::string assets = MakeTestAssets("jetvale_no_display");
  GameObject game(host, assets, assets);
  NoScreen screen;
  EXPECT_FALSE(game.Start(screen));
  EXPECT_EQ(game.IsRunning(), 0);
  EXPECT_EQ(game.StartupError(), "cannot open the display: no screen here");
}

TEST(GameObject, AMissingOrWrongBitmapEndsTheGameBeforeAnythingIsShown) {
  VirtualHost host;
  const std::string missingMap = MakeTestAssets("jetvale_missing_map", &kMapBitmap);
  GameObject missing(host, missingMap, missingMap);
  HeadlessSink sink;
  ASSERT_TRUE(missing.Start(sink));
  while (missing.IsRunning() == 1) std::this_thread::yield();
  missing.Stop();
  EXPECT_EQ(missing.StartupError().rfind("bitmap 135: ", 0), 0u) << missing.StartupError();  // the map's number
  EXPECT_NE(missing.StartupError().find("world_map.bmp: cannot be opened"), std::string::npos);
  EXPECT_EQ(sink.PresentedFrames(), 0);

  const std::string dir = MakeTestAssets("jetvale_wrong_frame");
  WriteBmpFile(dir + "/frame.bmp", BmpImage{2, 2, {kRed, kRed, kRed, kRed}});
  HeadlessGame wrong(dir);
  wrong.RunFrames(1);
  EXPECT_EQ(wrong.game.StartupError().rfind("bitmap 133: ", 0), 0u);
  EXPECT_NE(wrong.game.StartupError().find("frame.bmp: is 2 x 2 pixels, the game needs 320 x 240"),
            std::string::npos);
  EXPECT_EQ(wrong.sink.PresentedFrames(), 0);

  // One row short is as wrong as any other size.
  const std::string shortDir = MakeTestAssets("jetvale_short_sprites");
  WriteBmpFile(shortDir + "/sprites.bmp", BmpImage{135, 71, std::vector<Color>(135 * 71, kRed)});
  HeadlessGame shortSheet(shortDir);
  shortSheet.RunFrames(1);
  EXPECT_EQ(shortSheet.game.StartupError().rfind("bitmap 134: ", 0), 0u);
  EXPECT_NE(shortSheet.game.StartupError().find("sprites.bmp: is 135 x 71 pixels, the game needs 135 x 72"),
            std::string::npos);
}

TEST(GameObject, PauseHoldsTheFramesResumeGoesOnAndStopEndsAPausedThread) {
  VirtualHost host;
  const std::string assets = MakeTestAssets("jetvale_pause");
  GameObject game(host, assets, assets);
  HeadlessSink sink;
  ASSERT_TRUE(game.Start(sink));
  WaitForFrames(sink, 3);
  game.Pause();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // a frame under way may finish
  const int held = sink.PresentedFrames();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(sink.PresentedFrames(), held);
  game.Resume();
  WaitForFrames(sink, held + 3);
  game.Pause();
  game.Stop();
  EXPECT_EQ(game.IsRunning(), 0);
  game.Stop();  // a second stop returns at once
}

TEST(GameObject, AScreenshotSavesThePreviousFrameOnceEvenWhenTheSaveFails) {
  const auto dir = std::filesystem::temp_directory_path() / "jetvale_screenshot";
  HeadlessGame h(MakeTestAssets("jetvale_screenshot_assets"));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / kScreenshotFile);  // a directory where the file should go
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  h.RunFrames(1);
  h.game.RequestScreenshot();
  h.RunFrames(1);  // the save fails
  std::filesystem::remove(kScreenshotFile);
  h.RunFrames(1);
  EXPECT_FALSE(std::filesystem::exists(kScreenshotFile));  // the failed request was not repeated

  h.game.RequestScreenshot();
  h.RunFrames(1);
  BmpImage saved;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(kScreenshotFile, saved, error)) << error;
  EXPECT_EQ(saved.width, 320);
  EXPECT_EQ(saved.pixels[static_cast<std::size_t>(10 * 320 + 30)], TestMapPixel(181, 101));
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}

TEST(GameObject, TheCommittedBitmapsLoad) {
  HeadlessGame h(JETVALE_ASSET_DIR);
  h.RunFrames(1);
  EXPECT_EQ(h.game.StartupError(), "");
  EXPECT_EQ(h.sink.PresentedFrames(), 1);
}

}  // namespace
}  // namespace jetvale
