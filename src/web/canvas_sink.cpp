// A frame's 24-bit colours become the canvas's RGBA bytes: red, green, blue, then an opaque alpha.
#include "web/canvas_sink.h"

#include <emscripten.h>

#include <cmath>

#include "web/page_bridge.h"

namespace jetvale {

GapiResult CanvasSink::Present(const CGapiSurface& frame) {
  const double start = emscripten_get_now();
  const std::vector<Color>& pixels = frame.Pixels();
  rgba_.resize(pixels.size() * 4);
  std::uint8_t* out = rgba_.data();
  for (const Color pixel : pixels) {
    *out++ = static_cast<std::uint8_t>(RedOf(pixel));
    *out++ = static_cast<std::uint8_t>(GreenOf(pixel));
    *out++ = static_cast<std::uint8_t>(BlueOf(pixel));
    *out++ = 255;
  }
  jetvale_show_picture(rgba_.data(), frame.GetWidth(), frame.GetHeight());
  ++presentedFrames_;
  presentMicroseconds_ += std::llround((emscripten_get_now() - start) * 1000.0);
  return kGapiOk;
}

}  // namespace jetvale
