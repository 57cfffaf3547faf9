// Taps and keys on their way from the window thread to the game thread: a lock-free ring of atomic slots.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace jetvale {

enum class InputKind : std::uint8_t { Tap = 1, ScrollKey = 2, ChartKey = 3, SavedGamesKey = 4, FastForwardKey = 5 };

struct InputEvent {
  InputKind kind = InputKind::Tap;
  int portraitX = 0;  // a tap's point, as the stylus reports it
  int portraitY = 0;
  int direction = 0;  // a scroll key's
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

  // A slot holds the kind and two 16-bit numbers: a tap's point, or a scroll key's direction.
  static std::uint64_t Pack(const InputEvent& e) {
    const int first = e.kind == InputKind::ScrollKey ? e.direction : e.portraitX;
    return (std::uint64_t{static_cast<std::uint8_t>(e.kind)} << 32) |
           (std::uint64_t{static_cast<std::uint16_t>(first)} << 16) |
           std::uint64_t{static_cast<std::uint16_t>(e.portraitY)};
  }
  static InputEvent Unpack(std::uint64_t packed) {
    const auto kind = static_cast<InputKind>(packed >> 32);
    const int first = static_cast<std::int16_t>(packed >> 16);
    const int second = static_cast<std::int16_t>(packed);
    if (kind == InputKind::ScrollKey) return {kind, 0, 0, first};
    return {kind, first, second};
  }

  std::array<std::atomic<std::uint64_t>, kCapacity> slots_{};
  std::atomic<std::uint32_t> write_{0};
  std::atomic<std::uint32_t> read_{0};
};

}  // namespace jetvale
