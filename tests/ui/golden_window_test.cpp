// Each of the 20 windows drawn over the start-up map, compared with its reviewed picture in tests/golden/.
// After a deliberate change, regenerate and look at every picture before committing:
//   JETVALE_UPDATE_GOLDEN=1 build/test/tests/jetvale_tests --gtest_filter='GoldenWindows.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/headless_game.h"
#include "support/png_file.h"

namespace jetvale {
namespace {

std::vector<unsigned char> ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A failing picture leaves the actual picture and a difference picture (changed pixels magenta) for the reader.
void ExpectMatchesGolden(const CGapiSurface& picture, const std::string& name) {
  const std::filesystem::path golden = std::filesystem::path(JETVALE_GOLDEN_DIR) / (name + ".png");
  const std::vector<unsigned char> actual = EncodePng(picture.GetWidth(), picture.GetHeight(), picture.Pixels());
  if (std::getenv("JETVALE_UPDATE_GOLDEN") != nullptr) {
    WritePngFile(golden.string(), picture.GetWidth(), picture.GetHeight(), picture.Pixels());
    return;
  }
  if (ReadAll(golden) == actual) return;
  const std::filesystem::path out = std::filesystem::current_path() / "golden_failures";
  std::filesystem::create_directories(out);
  WritePngFile((out / (name + ".actual.png")).string(), picture.GetWidth(), picture.GetHeight(), picture.Pixels());
  ADD_FAILURE() << name << " differs from " << golden << "; the actual picture is in " << out;
}

TEST(GoldenWindows, EveryWindowDrawsAsReviewed) {
  HeadlessGame h(JETVALE_ASSET_DIR);
  h.ui().command = kCommandNone;
  h.RunFrames(1);
  for (int window = 0; window < kBuiltWindowCount; ++window) {
    CGapiSurface picture = h.game.BackBuffer();
    DrawWindow(picture, h.ui().windows[window]);
    ExpectMatchesGolden(picture, "window_" + std::to_string(window));
  }
}

}  // namespace
}  // namespace jetvale
