// The display: a 320 x 240 landscape back buffer that Flip hands to the present sink.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/gapi_surface.h"
#include "gfx/present_sink.h"

namespace jetvale {

constexpr std::uint32_t kDisplayLandscape = 2;  // the only mode the game uses: 320 x 240, x across
constexpr std::uint32_t kOpenFullScreen = 18;
constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 240;

class CGapiDisplay {
 public:
  GapiResult SetDisplayMode(std::uint32_t mode);
  // Opens the display on the sink; a failed open has the top bit set and OpenError() says why.
  GapiResult OpenDisplay(PresentSink& sink, std::uint32_t flags);
  // Makes `surface` the back buffer, sized to the display.
  GapiResult GetBackBuffer(CGapiSurface& surface);
  // Shows the back buffer.
  GapiResult Flip();
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  const std::string& OpenError() const { return openError_; }

 private:
  PresentSink* sink_ = nullptr;
  CGapiSurface* backBuffer_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::string openError_;
};

}  // namespace jetvale
