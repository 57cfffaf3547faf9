// When the page's next frame is due: the browser calls before every paint, at the display's own rate, and the game
// takes 30 of those calls a second.
#pragma once

namespace jetvale {

class FrameSchedule {
 public:
  explicit FrameSchedule(int framesPerSecond) : periodMilliseconds_(1000.0 / framesPerSecond) {}

  // Whether a frame runs at `nowMilliseconds`. A call a little early counts as on time, as paints come at a
  // display's steps; a frame more than a period late starts the schedule afresh rather than rushing to catch up.
  bool Due(double nowMilliseconds) {
    if (nowMilliseconds + kLeewayMilliseconds < nextMilliseconds_) return false;
    nextMilliseconds_ += periodMilliseconds_;
    if (nextMilliseconds_ < nowMilliseconds) nextMilliseconds_ = nowMilliseconds + periodMilliseconds_;
    return true;
  }

 private:
  static constexpr double kLeewayMilliseconds = 4;  // a quarter of a 60 Hz paint

  double periodMilliseconds_;
  double nextMilliseconds_ = 0;
};

}  // namespace jetvale
