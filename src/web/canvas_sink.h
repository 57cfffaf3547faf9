// Finished frames onto the page's canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/present_sink.h"

namespace jetvale {

class CanvasSink final : public PresentSink {
 public:
  bool Open(std::string& /*error*/) override { return true; }
  GapiResult Present(const CGapiSurface& frame) override;
  int PresentedFrames() const { return presentedFrames_; }
  // Spent in Present, all frames together.
  std::int64_t PresentMicroseconds() const { return presentMicroseconds_; }

 private:
  std::vector<std::uint32_t> rgba_;  // the canvas's RGBA bytes, a word a pixel
  int presentedFrames_ = 0;
  std::int64_t presentMicroseconds_ = 0;
};

}  // namespace jetvale
