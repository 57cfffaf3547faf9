// Finding the bitmaps: beside the program when it carries its own, under its installed prefix, else in the source
// tree.
#include <gtest/gtest.h>

#include <filesystem>

#include "gfx/asset_directory.h"

namespace jetvale {
namespace {

TEST(AssetDirectory, AProgramWithAnAssetsFolderBesideItUsesThatOne) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "jetvale_asset_lookup";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "game" / "assets");
  std::filesystem::create_directories(folder / "bare");
  std::filesystem::create_directories(folder / "prefix" / "share" / "jetvale");
  EXPECT_EQ(AssetDirectoryFor(folder / "game" / "jetvale"), (folder / "game" / "assets").string());
  EXPECT_EQ(AssetDirectoryFor(folder / "bare" / "jetvale"), JETVALE_ASSET_DIR);
  // Installed: under the prefix the program lies in, wherever that was moved.
  EXPECT_EQ(AssetDirectoryFor(folder / "prefix" / "bin" / "jetvale"),
            (folder / "prefix" / "share" / "jetvale").string());
  EXPECT_EQ(FindAssetDirectory(), JETVALE_ASSET_DIR);  // the test program has no bitmaps of its own
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace jetvale
