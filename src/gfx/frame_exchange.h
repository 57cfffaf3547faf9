// Hands finished frames from the game thread to the window thread without a lock (a triple buffer).
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <vector>

#include "gfx/color.h"

namespace jetvale {

// Three buffers: the game thread writes one, the window thread shows one, the third is the newest
// finished frame. Publishing and taking swap an index through one atomic, so neither side ever waits
// and a buffer is only ever touched by the thread that holds its index.
class FrameExchange {
 public:
  // Game thread: the buffer to fill next.
  std::vector<Color>& WriteBuffer() { return buffers_[writeIndex_]; }
  // Game thread: the filled buffer becomes the newest frame.
  void Publish() { writeIndex_ = ready_.exchange(writeIndex_ | kFresh, std::memory_order_acq_rel) & kIndexMask; }
  // Window thread: the newest frame if one arrived since the last call, else null.
  const std::vector<Color>* TakeLatest() {
    if ((ready_.load(std::memory_order_acquire) & kFresh) == 0) return nullptr;
    readIndex_ = ready_.exchange(readIndex_, std::memory_order_acq_rel) & kIndexMask;
    return &buffers_[readIndex_];
  }

 private:
  static constexpr std::size_t kFresh = 4;
  static constexpr std::size_t kIndexMask = 3;

  std::array<std::vector<Color>, 3> buffers_;
  std::size_t writeIndex_ = 0;         // owned by the game thread
  std::size_t readIndex_ = 1;          // owned by the window thread
  std::atomic<std::size_t> ready_{2};  // the third buffer, with the fresh mark
};

}  // namespace jetvale
