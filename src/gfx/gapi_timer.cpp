// The frame timer over the host's monotonic clock.
#include "gfx/gapi_timer.h"

namespace jetvale {

GapiResult CGapiTimer::StartTimer(int framesPerSecond) {
  if (framesPerSecond <= 0) return kGapiInvalidParams;
  periodMicroseconds_ = 1000000 / framesPerSecond;
  nextDueMicroseconds_ = host_.NowMicroseconds() + periodMicroseconds_;
  return kGapiOk;
}

GapiResult CGapiTimer::WaitForNextFrame() {
  if (periodMicroseconds_ == 0) return kGapiNotInitialized;
  const std::int64_t now = host_.NowMicroseconds();
  if (now > nextDueMicroseconds_) {
    nextDueMicroseconds_ = now + periodMicroseconds_;
    return kGapiFrameLate;
  }
  host_.SleepMicroseconds(nextDueMicroseconds_ - now);
  nextDueMicroseconds_ += periodMicroseconds_;
  return kGapiOk;
}

}  // namespace jetvale
