// The page's clock in the units the game counts in.
#include "web/web_host.h"

#include <emscripten.h>

namespace jetvale {

std::uint32_t WebHost::TickCount() {
  // The wall clock stands for the time since the machine started; only the seed of a new game depends on it.
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now() + emscripten_date_now()));
}

std::int64_t WebHost::NowMicroseconds() { return static_cast<std::int64_t>(emscripten_get_now() * 1000.0); }

}  // namespace jetvale
