// Where finished frames go: the desktop window, or memory for tests, tools and the headless simulator.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "gfx/gapi_result.h"
#include "gfx/gapi_surface.h"

namespace jetvale {

class PresentSink {
 public:
  virtual ~PresentSink() = default;
  // Called once on the window's thread when the display opens; false with a reason when it cannot.
  virtual bool Open(std::string& error) = 0;
  // Called on the game thread for every finished frame.
  virtual GapiResult Present(const CGapiSurface& frame) = 0;
};

// Shows nothing and counts the frames: the null driver of tests, benchmarks and headless runs, which read the
// back buffer itself. The count may be read from another thread while frames run.
class HeadlessSink final : public PresentSink {
 public:
  bool Open(std::string& /*error*/) override { return true; }
  GapiResult Present(const CGapiSurface& /*frame*/) override {
    ++presentedFrames_;
    return kGapiOk;
  }
  int PresentedFrames() const { return presentedFrames_.load(); }

 private:
  std::atomic<int> presentedFrames_{0};
};

}  // namespace jetvale
