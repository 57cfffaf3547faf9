// The two hosts: the real machine's steady clock, and virtual time for headless runs.
#include "gfx/host.h"

#include <chrono>
#include <thread>

namespace jetvale {
namespace {

std::int64_t SteadyMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

SystemHost::SystemHost() : startMicroseconds_(SteadyMicroseconds()) {}

std::uint32_t SystemHost::TickCount() {
  // The steady clock's epoch stands for the machine's boot, as a tick count would.
  return static_cast<std::uint32_t>(SteadyMicroseconds() / 1000);
}

std::int64_t SystemHost::NowMicroseconds() { return SteadyMicroseconds() - startMicroseconds_; }

void SystemHost::SleepMicroseconds(std::int64_t microseconds) {
  if (microseconds > 0) std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

std::int64_t VirtualHost::NowMicroseconds() { return now_.load(); }

void VirtualHost::SleepMicroseconds(std::int64_t microseconds) {
  if (microseconds > 0) now_.fetch_add(microseconds);
  std::this_thread::yield();  // lets a waiting thread of a test run, as a real sleep would
}

}  // namespace jetvale
