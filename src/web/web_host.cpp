// The page's clock in the units the game counts in.
#include "web/web_host.h"

#include <emscripten.h>

#include <chrono>

namespace jetvale {

std::uint32_t WebHost::TickCount() {
  // The wall clock stands for the time since the machine started; only the seed of a new game depends on it.
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::int64_t WebHost::NowMicroseconds() { return static_cast<std::int64_t>(emscripten_get_now() * 1000.0); }

}  // namespace jetvale
