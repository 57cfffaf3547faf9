// A frame's 24-bit colours become the canvas's RGBA bytes: red, green, blue, then an opaque alpha.
#include "web/canvas_sink.h"

#include <emscripten.h>

#include <algorithm>
#include <bit>
#include <cmath>

#include "web/page_bridge.h"

namespace jetvale {
namespace {

// Red sits in a colour's low byte, so in little-endian memory its bytes already read red, green, blue: only the
// top byte, the canvas's alpha, needs setting, a whole word at a time.
static_assert(std::endian::native == std::endian::little);
constexpr std::uint32_t kOpaque = 0xFF000000u;

}  // namespace

GapiResult CanvasSink::Present(const CGapiSurface& frame) {
  const double start = emscripten_get_now();
  const std::vector<Color>& pixels = frame.Pixels();
  rgba_.resize(pixels.size());
  std::transform(pixels.begin(), pixels.end(), rgba_.begin(), [](Color pixel) { return pixel | kOpaque; });
  jetvale_show_picture(rgba_.data(), frame.GetWidth(), frame.GetHeight());
  ++presentedFrames_;
  presentMicroseconds_ += std::llround((emscripten_get_now() - start) * 1000.0);
  return kGapiOk;
}

}  // namespace jetvale
