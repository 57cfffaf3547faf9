// What the game needs from the machine it runs on: a tick count, a monotonic clock and a way to sleep.
#pragma once

#include <atomic>
#include <cstdint>

namespace jetvale {

class Host {
 public:
  virtual ~Host() = default;
  // Milliseconds since the machine started; seeds the random generator of a new clock.
  virtual std::uint32_t TickCount() = 0;
  // Monotonic time for frame pacing.
  virtual std::int64_t NowMicroseconds() = 0;
  virtual void SleepMicroseconds(std::int64_t microseconds) = 0;

  void Sleep(int milliseconds) { SleepMicroseconds(std::int64_t{milliseconds} * 1000); }
};

// The real machine: a steady clock and real sleeps.
class SystemHost final : public Host {
 public:
  SystemHost();
  std::uint32_t TickCount() override;
  std::int64_t NowMicroseconds() override;
  void SleepMicroseconds(std::int64_t microseconds) override;

 private:
  std::int64_t startMicroseconds_;
};

// A machine whose time passes only when somebody sleeps: tests and headless runs go as fast as the CPU allows
// and replay exactly. Sleeps from several threads add up; the clock is shared through an atomic.
class VirtualHost : public Host {
 public:
  explicit VirtualHost(std::uint32_t tickCount = 1) : tickCount_(tickCount) {}
  std::uint32_t TickCount() override { return tickCount_; }
  std::int64_t NowMicroseconds() override;
  void SleepMicroseconds(std::int64_t microseconds) override;

 private:
  std::uint32_t tickCount_;
  std::atomic<std::int64_t> now_{0};
};

}  // namespace jetvale
