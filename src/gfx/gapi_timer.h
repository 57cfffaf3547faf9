// Frame pacing: returns from WaitForNextFrame when the next frame of a fixed rate is due.
#pragma once

#include <cstdint>

#include "gfx/gapi_result.h"
#include "gfx/host.h"

namespace jetvale {

class CGapiTimer {
 public:
  explicit CGapiTimer(Host& host) : host_(host) {}
  GapiResult StartTimer(int framesPerSecond);
  // Sleeps until the next frame is due. A frame that is already late returns kGapiFrameLate at once,
  // and the schedule restarts from now rather than rushing frames to catch up.
  GapiResult WaitForNextFrame();

 private:
  Host& host_;
  std::int64_t periodMicroseconds_ = 0;
  std::int64_t nextDueMicroseconds_ = 0;
};

}  // namespace jetvale
