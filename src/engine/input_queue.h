// Taps and keys on their way from the window thread to the game thread: a lock-free ring of atomic slots.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace jetvale {

enum class InputKind : std::uint8_t { Tap = 1, ScrollKey = 2, ChartKey = 3 };

struct InputEvent {
  InputKind kind = InputKind::Tap;
  int a = 0;  // tap: portrait x; scroll key: direction; chart key: nothing
  int b = 0;  // tap: portrait y
};

// One producer (the window thread) and one consumer (the game thread). Every shared field is an atomic; an event
// is published by the release store of the write index after its slot was written.
class InputQueue {
 public:
  // False when the queue is full and the event is dropped (the game thread is far behind).
  bool Push(const InputEvent& event) {
    const std::uint32_t write = write_.load(std::memory_order_relaxed);
    if (write - read_.load(std::memory_order_acquire) == kCapacity) return false;
    slots_[write % kCapacity].store(Pack(event), std::memory_order_relaxed);
    write_.store(write + 1, std::memory_order_release);
    return true;
  }
  bool Pop(InputEvent& event) {
    const std::uint32_t read = read_.load(std::memory_order_relaxed);
    if (read == write_.load(std::memory_order_acquire)) return false;
    event = Unpack(slots_[read % kCapacity].load(std::memory_order_relaxed));
    read_.store(read + 1, std::memory_order_release);
    return true;
  }

 private:
  static constexpr std::uint32_t kCapacity = 64;

  static std::uint64_t Pack(const InputEvent& e) {
    return (std::uint64_t{static_cast<std::uint8_t>(e.kind)} << 32) |
           (std::uint64_t{static_cast<std::uint16_t>(e.a)} << 16) | std::uint64_t{static_cast<std::uint16_t>(e.b)};
  }
  static InputEvent Unpack(std::uint64_t packed) {
    return {static_cast<InputKind>(packed >> 32), static_cast<std::int16_t>(packed >> 16),
            static_cast<std::int16_t>(packed)};
  }

  std::array<std::atomic<std::uint64_t>, kCapacity> slots_{};
  std::atomic<std::uint32_t> write_{0};
  std::atomic<std::uint32_t> read_{0};
};

}  // namespace jetvale
