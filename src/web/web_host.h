// The browser as the game's host: the page's clock. Nothing may block in a browser, so a sleep returns at once;
// the page calls each frame when it is due.
#pragma once

#include "gfx/host.h"

namespace jetvale {

class WebHost final : public Host {
 public:
  std::uint32_t TickCount() override;
  std::int64_t NowMicroseconds() override;
  void SleepMicroseconds(std::int64_t /*microseconds*/) override {}
};

}  // namespace jetvale
