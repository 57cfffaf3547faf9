// A game driven frame by frame without a window, on virtual time, with bitmaps made for the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/bitmap_assets.h"
#include "engine/game_object.h"
#include "gfx/bmp_file.h"

namespace jetvale {

constexpr Color kTestFrameColor = MakeColor(10, 20, 30);

// Every map pixel tells where it is, so a test can see which part of the map a screen pixel shows.
inline Color TestMapPixel(int x, int y) { return MakeColor(x % 256, y % 256, 100 + x / 256); }

// Writes the three bitmaps into a fresh directory of the running test (tests run in parallel processes);
// `skip` leaves one of them out.
inline std::string MakeTestAssets(const std::string& name, const BitmapAsset* skip = nullptr) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    (name + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const BitmapAsset* asset : {&kFrameBitmap, &kSpriteBitmap, &kMapBitmap}) {
    if (asset == skip) continue;
    BmpImage image{asset->width, asset->height, {}};
    for (int y = 0; y < asset->height; ++y) {
      for (int x = 0; x < asset->width; ++x) {
        image.pixels.push_back(asset == &kMapBitmap ? TestMapPixel(x, y)
                               : asset == &kFrameBitmap ? kTestFrameColor
                                                        : kMagenta);
      }
    }
    WriteBmpFile((dir / asset->fileName).string(), image);
  }
  return dir.string();
}

// The test's own folder beside its bitmaps; beside the game's own bitmaps a scratch folder of the test's, so no
// save or autosave lands in the source tree.
inline std::string SaveFolderFor(const std::string& assetDirectory) {
  if (assetDirectory != JETVALE_ASSET_DIR) return assetDirectory;
  return (std::filesystem::temp_directory_path() /
          ("jetvale_saves_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
      .string();
}

struct HeadlessGame {
  // The saved game goes into a scratch folder of the test's own. The machine's tick count gives `tickCounts` in
  // the order the game asks, the last one again when they run out (1 when there are none).
  explicit HeadlessGame(const std::string& assetDirectory, std::vector<std::uint32_t> tickCounts = {})
      : host(std::move(tickCounts)), game(host, assetDirectory, SaveFolderFor(assetDirectory)) {
    game.OpenDisplay(sink);
  }

  void RunFrames(int count) { for (int i = 0; i < count; ++i) game.RunFrame(); }
  Color Pixel(int x, int y) const { return game.BackBuffer().GetPixel(x, y); }
  Ui& ui() { return game.Interface(); }

  // A stylus tap at a landscape point, as the stylus reports it (portrait), then one frame to act on it.
  void Tap(int x, int y) { game.Tap(y, 320 - x), RunFrames(1); }
  // A tap on the middle of an item of a window, where a player aims.
  void TapItem(int window, int item) {
    const GameWindow& w = ui().windows[window];
    const WindowItem& i = w.Item(item);
    Tap(w.x + i.x + i.width / 2, w.y + i.y + i.height / 2);
  }

  PlaybackHost host;
  HeadlessSink sink;
  GameObject game;
};

}  // namespace jetvale
