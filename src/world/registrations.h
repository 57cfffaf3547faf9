// The pool of 399 random registration tags from which every plane slot takes its tag.
#pragma once

#include <array>
#include <string>

#include "world/at_index.h"
#include "world/random.h"

namespace jetvale {

constexpr int kRegistrationCount = 399;  // 4 airlines x 99 slots take 396; three stay free

struct RegistrationTag {
  std::array<char, 8> text{};  // a letter, five digits and a letter, then a terminating zero
  bool used = false;
  std::string Text() const { return std::string(text.data()); }
};

class RegistrationPool {
 public:
  // Draws every tag in pool order, seven draws each; tags may repeat.
  explicit RegistrationPool(Random& random);
  // The first free tag in pool order, now marked used.
  std::string Take();
  const RegistrationTag& operator[](int index) const { return At(tags_, index); }

 private:
  std::array<RegistrationTag, kRegistrationCount> tags_;
};

}  // namespace jetvale
