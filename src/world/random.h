// The game's random generator: the classic C library rand() contract, values 0..32767, from a seed.
#pragma once

#include <cstdint>

namespace jetvale {

// The handheld's C runtime recurrence, so one seed gives one game on every platform.
class Random {
 public:
  static constexpr int kMax = 32767;

  explicit Random(std::uint32_t seed = 1) : state_(seed) {}
  void Seed(std::uint32_t seed) { state_ = seed; }
  // Where the generator stands: seeding another with it draws the same numbers from here on.
  std::uint32_t State() const { return state_; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }
  // trunc(Next() x n / 32768): the game's way of drawing an index below n.
  int Below(int n) { return static_cast<int>(static_cast<std::int64_t>(Next()) * n / (kMax + 1)); }

 private:
  std::uint32_t state_;
};

}  // namespace jetvale
