// Each of the 20 windows drawn over the start-up map, compared with its reviewed picture in tests/golden/.
// After a deliberate change, regenerate and look at every picture before committing:
//   JETVALE_UPDATE_GOLDEN=1 build/test/tests/jetvale_tests --gtest_filter='GoldenWindows.*'
#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "ui/golden.h"

namespace jetvale {
namespace {

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
